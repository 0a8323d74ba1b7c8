#include "app/PortSelection.h"

#include "protocol/FixedText.h"
#include "protocol/LanInfo.h"

namespace tarvix::app {

PortSelection SelectPorts(LanInfo& lanInfo, const DeviceRow& row, std::string_view dhcpFlag) {
  LanPortEntry& first = lanInfo.ports[0];
  PortSelection selection;
  if (!lanInfo.IsPresent()) {
    CopyField(first.address, row.address);
    CopyField(first.netmask, row.netmask);
    CopyField(first.gateway, row.gateway);
    CopyField(first.dhcpFlag, dhcpFlag);
    return selection;
  }
  selection.enabled = true;
  selection.items.emplace_back(FieldText(first.name));
  selection.selected = 0;
  if (FieldText(first.name) == "LAN1") {
    selection.items.emplace_back(FieldText(lanInfo.ports[1].name));
    // Found through the second port: that port is the one being looked at.
    if (FieldText(first.address) != row.address) selection.selected = 1;
  }
  return selection;
}

}  // namespace tarvix::app
