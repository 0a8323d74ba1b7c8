#pragma once
#include "addons/qt/QtAddonDialogs.h"

namespace tarvix::addons {
class AddonDialogs;
class AddonLauncher;
class AddonOperations;
}  // namespace tarvix::addons
namespace tarvix::platform {
class FileService;
}
namespace tarvix::settings {
class MessageBoxes;
}

namespace tarvix::app {

// The system services the add-on flows reach besides the window's drives.
struct AddonServices {
  platform::FileService& files;
  addons::AddonLauncher& launcher;
  // Null: the protocol's own operations on the selected device.
  addons::AddonOperations* operations = nullptr;
};

// How the add-on flows talk to the user. Null entries stand for the window's
// own Qt message boxes and dialogs; `timing` drives those dialogs.
struct AddonTalkers {
  settings::MessageBoxes* messages = nullptr;
  addons::AddonDialogs* dialogs = nullptr;
  addons::qt::DialogTiming timing;
};

// The window's add-on flows and what they were given; made by AttachAddons.
class CMainDlgAddons;
struct CMainDlgAddonsDeleter {
  void operator()(CMainDlgAddons* addons) const;
};

}  // namespace tarvix::app
