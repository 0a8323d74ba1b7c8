#pragma once
#include "platform/SystemInfo.h"
#include "protocol/DeviceSession.h"
#include "settings/DeviceOperations.h"
#include "settings/LoginDialogRunner.h"
#include "settings/MessageBoxes.h"
#include "settings/SettingsState.h"

namespace tarvix::settings {

// What every settings flow works with: the protocol's session and operations,
// the flows' own switches, and the ways to talk to the user.
struct SettingsContext {
  DeviceSession& session;
  DeviceOperations& operations;
  SettingsState& state;
  MessageBoxes& messages;
  LoginDialogRunner& login;
  const platform::SystemInfo& system;
};

}  // namespace tarvix::settings
