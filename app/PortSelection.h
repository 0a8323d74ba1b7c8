#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "settings/DeviceRow.h"

namespace tarvix {
struct LanInfo;
}

namespace tarvix::app {

// What the port selector shows after a device's ports were asked for.
struct PortSelection {
  std::vector<std::string> items;
  int selected = -1;
  bool enabled = false;
};

// The device row that was clicked, as the device list shows it.
using settings::DeviceRow;

// Reads the port answer in `lanInfo`. A device that named no port is described from
// its row instead (so the settings flows always have a first entry to edit), and the
// selector stays empty and disabled.
PortSelection SelectPorts(LanInfo& lanInfo, const DeviceRow& row, std::string_view dhcpFlag);

}  // namespace tarvix::app
