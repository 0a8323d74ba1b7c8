#pragma once
#include <string_view>

#include "protocol/DeviceSession.h"
#include "settings/LanForm.h"
#include "settings/MessageBoxes.h"

namespace tarvix::settings {

// "%d.%d.%d.%d" of four octets.
std::string FormatOctets(const Octets& octets);

// Writes the three address controls and the DHCP choice into one port entry of
// `info`: entry 1 for the port "LAN2", entry 0 for any other name. The entry's
// port name stays. Without a DHCP choice the entry's flag is left as it was.
void StoreLanFields(std::string_view portName, const LanForm& form, LanInfo& info);

// Validates the address controls in their fixed order, showing the first
// complaint; on the way fills the pending address, netmask and gateway from
// port entry 0. True when the settings may be sent.
bool CheckLanInput(LanForm& form, MessageBoxes& messages, DeviceSession& session);

}  // namespace tarvix::settings
