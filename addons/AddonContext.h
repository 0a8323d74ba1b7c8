#pragma once
#include <cstddef>
#include <functional>
#include <string>

#include "addons/AddonDialogs.h"
#include "addons/AddonLauncher.h"
#include "addons/AddonOperations.h"
#include "addons/AddonState.h"
#include "platform/DriveService.h"
#include "platform/FileService.h"
#include "protocol/Clock.h"
#include "protocol/DeviceSession.h"
#include "settings/MessageBoxes.h"

namespace tarvix::addons {

// What every add-on flow works with. Every wait of the flows pauses through
// `clock`: for the window, the protocol's clock, which keeps it painting.
struct AddonContext {
  DeviceSession& session;
  AddonOperations& operations;
  AddonState& state;
  settings::MessageBoxes& messages;
  Clock& clock;
  platform::FileService& files;
  // Connects to a network resource before a payload is written to it.
  platform::DriveService& drives;
  AddonLauncher& launcher;
  AddonDialogs& dialogs;
  // Told of each payload file once it is in place (the tool lists them).
  std::function<void(const std::string& path, std::size_t bytes)> written;
};

}  // namespace tarvix::addons
