#pragma once
#include "platform/BrowserService.h"
#include "platform/ProcessLauncher.h"
#include "platform/ReachabilityChecker.h"
#include "protocol/Clock.h"
#include "settings/PanelView.h"
#include "settings/SettingsContext.h"
#include "settings/WorkerThread.h"

namespace tarvix::settings {

// The show state passed with the browser's command line (hidden, as always).
inline constexpr platform::ShowState kBrowserShowState = platform::ShowState::Hidden;

// The system services the web launch needs. The checker must outlive `workers`.
// The wait for the probe pauses through `clock`, the clock of the calling thread.
struct WebServices {
  platform::ReachabilityChecker& reachability;
  const platform::BrowserService& browsers;
  platform::ProcessLauncher& launcher;
  Clock& clock;
  WorkerStarter& workers;
};

// The web management button: makes sure the selected device still answers, then
// opens its pages in the default browser, or with the shell opener when the
// browser cannot be started. True when a start was attempted.
bool LaunchWebManagement(SettingsContext& context, PanelView& panel, WebServices& services);

}  // namespace tarvix::settings
