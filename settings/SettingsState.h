#pragma once
#include <atomic>

namespace tarvix::settings {

// The process-wide switches of the settings flows. One instance lives as long as
// the main window; nothing here is ever saved.
struct SettingsState {
  // 1: the login dialog asks for the administrator; 0: for a share user.
  int adminLoginMode = 0;
  // Answer of the drive-in-use confirmation: 1 OK, 0 Cancel.
  int reuseDriveAnswer = 0;
  // Result of the reachability worker: 0 pending, 1 reachable, -1 not reachable.
  // Written by the worker thread and read by the window thread, hence atomic.
  std::atomic<int> reachResult{0};
};

}  // namespace tarvix::settings
