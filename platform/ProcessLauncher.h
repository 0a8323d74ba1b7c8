#pragma once

#include <string>

namespace tarvix::platform {

// Results of Launch, numbered as the classic program start call's.
namespace launch_result {
inline constexpr unsigned kFileNotFound = 2;
inline constexpr unsigned kPathNotFound = 3;
inline constexpr unsigned kBadFormat = 11;
inline constexpr unsigned kOutOfResources = 0;
inline constexpr unsigned kStarted = 33;  // anything above 31 means started
}  // namespace launch_result

// Results of ShellOpen, numbered as the classic shell open call's.
namespace open_result {
inline constexpr unsigned kFileNotFound = 2;
inline constexpr unsigned kNoAssociation = 31;
inline constexpr unsigned kOpened = 42;  // anything above 32 means opened
}  // namespace open_result

// Starts programs and opens documents.
class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts a command line and returns without waiting for the program; a
  // result above 31 means it started, otherwise a launch_result code.
  virtual unsigned WinExec(const std::string& commandLine, int showState) = 0;
  // Opens a document or address with its associated application; above 32
  // on success, 32 or less on failure.
  virtual unsigned ShellOpen(const std::string& target) = 0;
};

}  // namespace tarvix::platform
