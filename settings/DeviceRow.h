#pragma once
#include <string>

namespace tarvix::settings {

// Texts of one device row as the device list shows them (columns "Name", "IP",
// "Netmask", "Gateway"). The settings flows need only the name and the address;
// the last two have initialisers so `{name, address}` leaves them empty.
struct DeviceRow {
  std::string name;
  std::string address;
  std::string netmask = {};
  std::string gateway = {};
  bool operator==(const DeviceRow&) const = default;
};

}  // namespace tarvix::settings
