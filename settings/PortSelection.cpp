#include "settings/PortSelection.h"

#include "protocol/FixedText.h"
#include "protocol/LanInfo.h"

namespace tarvix::settings {

PortSelection SelectPorts(LanInfo& lanInfo, const ListedDevice& device) {
  LanPortEntry& first = lanInfo.ports[0];
  PortSelection selection;
  if (!lanInfo.IsPresent()) {
    CopyField(first.address, device.address);
    CopyField(first.netmask, device.netmask);
    CopyField(first.gateway, device.gateway);
    CopyField(first.dhcpFlag, device.dhcpFlag);
    return selection;
  }
  selection.enabled = true;
  selection.items.emplace_back(FieldText(first.name));
  selection.selected = 0;
  if (lanInfo.HasSecondPort()) {
    selection.items.emplace_back(FieldText(lanInfo.ports[1].name));
    // Found through the second port: that port is the one being looked at.
    if (FieldText(first.address) != device.address) selection.selected = 1;
  }
  return selection;
}

}  // namespace tarvix::settings
