#pragma once
#include "settings/LanForm.h"
#include "settings/MessageBoxes.h"

namespace tarvix::settings {

// Range checks of one address control's octets. On a failure the message has
// been shown and the focus moved to the offending octet; a blank gateway passes.
bool CheckOctets(LanField field, const Octets& octets, LanForm& form, MessageBoxes& messages);

}  // namespace tarvix::settings
