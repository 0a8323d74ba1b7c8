#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {
struct LanInfo;
}

namespace tarvix::settings {

// What the port selector shows after a device's ports were asked for.
struct PortSelection {
  std::vector<std::string> items;
  int selected = -1;
  bool enabled = false;
};

// The device as its list row shows it, with the DHCP flag of its node.
struct ListedDevice {
  std::string_view address;
  std::string_view netmask;
  std::string_view gateway;
  std::string_view dhcpFlag;
};

// Reads the port answer in `lanInfo`, as a click on the device's row does. A
// device that named no port is described from its row instead (so the settings
// flows always have a first entry to edit), and the selector stays empty and
// disabled. The window and the command-line tool both select ports this way.
PortSelection SelectPorts(LanInfo& lanInfo, const ListedDevice& device);

}  // namespace tarvix::settings
