#pragma once

namespace tarvix::addons {

// How an add-on flow ended, for callers that report it (the window does not).
enum class InstallOutcome {
  NotStarted,  // refused or given up before anything was written
  Failed,      // the installation itself failed
  Installed,
};

}  // namespace tarvix::addons
