#include "addons/ProcessLauncherAdapter.h"

namespace tarvix::addons {
namespace {

constexpr int kShowHidden = 0;
// The classic calls answer above these on success.
constexpr unsigned kLastStartFailure = 31;
constexpr unsigned kLastOpenFailure = 32;

}  // namespace

bool ProcessLauncherAdapter::RunHidden(const std::string& commandLine) {
  return launcher_.WinExec(commandLine, kShowHidden) > kLastStartFailure;
}

bool ProcessLauncherAdapter::OpenDocument(const std::string& path) {
  return launcher_.ShellOpen(path) > kLastOpenFailure;
}

}  // namespace tarvix::addons
