#include "addons/ProcessLauncherAdapter.h"

namespace tarvix::addons {

bool ProcessLauncherAdapter::RunHidden(const std::string& commandLine) {
  return launcher_.StartCommandLine(commandLine, platform::ShowState::Hidden) ==
         platform::LaunchOutcome::Started;
}

bool ProcessLauncherAdapter::OpenDocument(const std::string& path) {
  return launcher_.OpenDocument(path) == platform::OpenOutcome::Opened;
}

}  // namespace tarvix::addons
