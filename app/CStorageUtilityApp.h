#pragma once

namespace tarvix {
class SocketApi;
}
namespace tarvix::platform {
class DriveService;
class SystemInfo;
}  // namespace tarvix::platform
namespace tarvix::settings {
struct SettingsServices;
}  // namespace tarvix::settings
namespace tarvix::app {
struct AddonServices;
}  // namespace tarvix::app

// The application: opens the protocol's sockets, runs the main window once, and
// hands back the process exit status. It keeps nothing of its own.
class CStorageUtilityApp {
 public:
  // 1 without any window when the network cannot be started, else 0 after the
  // window has ended. Without `settings` the window's settings buttons do nothing,
  // without `addons` its add-on buttons.
  int Run(tarvix::SocketApi& sockets, tarvix::platform::DriveService& drives,
          const tarvix::platform::SystemInfo& system,
          const tarvix::settings::SettingsServices* settings = nullptr,
          const tarvix::app::AddonServices* addons = nullptr);
};
