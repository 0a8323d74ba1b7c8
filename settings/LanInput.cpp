#include "settings/LanInput.h"

#include <cstdio>

#include "protocol/FixedText.h"
#include "settings/CheckOctets.h"
#include "settings/LanValidation.h"
#include "settings/SettingsMessages.h"

namespace tarvix::settings {
namespace {

bool ComplainIf(bool failed, const char* message, const char* caption, MessageIcon icon,
                MessageBoxes& messages) {
  if (failed) messages.Show(message, caption, icon);
  return failed;
}

bool Warn(bool failed, const char* message, MessageBoxes& messages) {
  return ComplainIf(failed, message, text::kCaptionWarning, MessageIcon::Exclamation, messages);
}

bool Refuse(bool failed, const char* message, MessageBoxes& messages) {
  return ComplainIf(failed, message, text::kCaptionError, MessageIcon::Stop, messages);
}

bool AllZero(const Octets& octets) {
  return octets[0] == 0 && octets[1] == 0 && octets[2] == 0 && octets[3] == 0;
}

}  // namespace

std::string FormatOctets(const Octets& o) {
  char text[48];
  std::snprintf(text, sizeof text, "%d.%d.%d.%d", o[0], o[1], o[2], o[3]);
  return text;
}

void StoreLanFields(std::string_view portName, const LanForm& form, LanInfo& info) {
  LanPortEntry& entry = info.ports[portName == "LAN2" ? 1 : 0];
  CopyField(entry.address, FormatOctets(form.Read(LanField::Address)));
  CopyField(entry.netmask, FormatOctets(form.Read(LanField::Netmask)));
  CopyField(entry.gateway, FormatOctets(form.Read(LanField::Gateway)));
  const int choice = form.DhcpChoice();
  if (choice == kDhcpDisable || choice == kDhcpEnable)
    CopyField(entry.dhcpFlag, choice == kDhcpEnable ? "1" : "0");
}

bool CheckLanInput(LanForm& form, MessageBoxes& messages, DeviceSession& session) {
  if (Warn(form.IsBlank(LanField::Address), text::kInputAddress, messages)) return false;
  if (Warn(form.IsBlank(LanField::Netmask), text::kInputNetmask, messages)) return false;
  const Octets address = form.Read(LanField::Address);
  if (Warn(address[0] == 127, text::kAddressError, messages)) return false;
  if (!CheckOctets(LanField::Address, address, form, messages)) return false;
  const LanPortEntry& first = session.lanInfo.ports[0];
  CopyField(session.pendingAddress, FieldText(first.address));
  const Octets mask = form.Read(LanField::Netmask);
  if (!CheckOctets(LanField::Netmask, mask, form, messages)) return false;
  CopyField(session.pendingNetmask, FieldText(first.netmask));
  const Octets gateway = form.Read(LanField::Gateway);
  if (!IsLinkLocal(address) && !CheckOctets(LanField::Gateway, gateway, form, messages))
    return false;
  if (Refuse(!IsContiguousNetmask(mask), text::kNetmaskInvalid, messages)) return false;
  if (Refuse(IsGatewayInconsistent(address, mask, gateway), text::kIncorrectConfiguration,
             messages))
    return false;
  CopyField(session.pendingGateway, AllZero(gateway) ? "" : FieldText(first.gateway));
  return true;
}

}  // namespace tarvix::settings
