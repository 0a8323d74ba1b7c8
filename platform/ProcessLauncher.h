#pragma once

#include <string>

namespace tarvix::platform {

// How the window of a started program first shows; systems without the
// choice ignore it.
enum class ShowState { Hidden, Normal };

// What came of starting a command line.
enum class LaunchOutcome {
  Started,
  ProgramNotFound,  // there is no such program
  PathNotFound,     // a folder on the way to the program is missing
  NotExecutable,    // it is there but cannot be run: no permission, not a program, a folder
  Failed,           // anything else, such as the system running out of resources
};

// What came of opening a document with its application.
enum class OpenOutcome { Opened, NotFound, Failed };

// Starts programs and opens documents.
class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts a command line (a program and its arguments, quotes respected) and
  // returns without waiting for the program.
  virtual LaunchOutcome StartCommandLine(const std::string& commandLine, ShowState show) = 0;
  // Opens a document, file or address with the application the desktop
  // associates with it.
  virtual OpenOutcome OpenDocument(const std::string& target) = 0;
};

}  // namespace tarvix::platform
