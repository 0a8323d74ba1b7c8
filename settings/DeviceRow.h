#pragma once
#include <string>

namespace tarvix::settings {

// Texts of one device row as the device list shows them (columns "Name", "IP",
// "Netmask", "Gateway"). A flow that only needs the name and the address leaves
// the other two empty.
struct DeviceRow {
  std::string name;
  std::string address;
  std::string netmask = {};
  std::string gateway = {};
  bool operator==(const DeviceRow&) const = default;
};

}  // namespace tarvix::settings
