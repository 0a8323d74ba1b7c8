#pragma once
#include <cstdint>

#include "platform/ProcessLauncher.h"

namespace tarvix::platform::windows {

// A Windows launcher's answers in the interface's terms. WinExec returns a
// number above 31 once the program started, otherwise an error: 2 file not
// found, 3 path not found, 11 bad executable format, 0 out of resources, and a
// few others, which are all plain failures.
LaunchOutcome LaunchOutcomeOfWinExec(unsigned result);

// The shell's "open" returns a number above 32 once the document was handed
// to its application; 2 (file) and 3 (path) not found, anything else a failure.
OpenOutcome OpenOutcomeOfShellExecute(std::uintptr_t result);

// The show command passed to WinExec: SW_HIDE (0) or SW_SHOWNORMAL (1).
int ShowCommandOf(ShowState show);

}  // namespace tarvix::platform::windows
