#pragma once
#include "settings/LanForm.h"
#include "settings/PanelView.h"
#include "settings/SettingsContext.h"

namespace tarvix::settings {

enum class LanApplyResult {
  Stopped,          // a check failed or nothing was chosen; any message has been shown
  Applied,          // the device acknowledged the new settings
  NotAcknowledged,  // static settings were sent but not acknowledged (not shown)
  DhcpFailed,       // "Set to dhcp client fail." has been shown
};

// The apply button: validate, prove the administrator password, send the
// address settings or the switch to DHCP, then search again.
LanApplyResult ApplyLanSettings(SettingsContext& context, LanForm& form, PanelView& panel);

}  // namespace tarvix::settings
