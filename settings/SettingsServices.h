#pragma once
#include "platform/BrowserService.h"
#include "platform/ProcessLauncher.h"
#include "platform/ReachabilityChecker.h"
#include "settings/WorkerThread.h"

namespace tarvix::settings {

// The system services the settings flows reach besides the system information
// and the drives, which the main window holds for its own panel. They must
// outlive the flows: a reachability probe may still run while the window closes.
struct SettingsServices {
  platform::ReachabilityChecker& reachability;
  const platform::BrowserService& browsers;
  platform::ProcessLauncher& launcher;
  // Where the reachability probe runs; null: the settings' own thread. With a
  // clock that does not really wait, a test needs a starter that runs the
  // probe before the wait looks, or the look races the thread.
  WorkerStarter* workers = nullptr;
};

}  // namespace tarvix::settings
