#pragma once
#include "settings/SettingsContext.h"

namespace tarvix::settings {

// Proves the administrator password to the selected device: first the empty
// password without asking, then what the login dialog gives. Shows
// "Wrong administrator password input!" when both are refused.
bool VerifyAdministrator(SettingsContext& context);

}  // namespace tarvix::settings
