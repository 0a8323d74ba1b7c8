#include "platform/windows/WindowsLaunchResults.h"

namespace tarvix::platform::windows {

LaunchOutcome LaunchOutcomeOfWinExec(unsigned result) {
  if (result > 31) return LaunchOutcome::Started;
  switch (result) {
    case 2: return LaunchOutcome::ProgramNotFound;
    case 3: return LaunchOutcome::PathNotFound;
    case 11: return LaunchOutcome::NotExecutable;
    default: return LaunchOutcome::Failed;
  }
}

OpenOutcome OpenOutcomeOfShellExecute(std::uintptr_t result) {
  if (result > 32) return OpenOutcome::Opened;
  if (result == 2 || result == 3) return OpenOutcome::NotFound;
  return OpenOutcome::Failed;
}

int ShowCommandOf(ShowState show) { return show == ShowState::Hidden ? 0 : 1; }

}  // namespace tarvix::platform::windows
