#pragma once
#include <string>

namespace tarvix::lab {

// "Keeper", the two-port device at 10.77.1.20 that answers every query, as the
// simulator's configuration; `extra` adds or sets the keys a test needs.
inline std::string KeeperDevice(const std::string& extra) {
  return "[Keeper]\n"
         "address = 10.77.1.20\n"
         "port = LAN1:10.77.1.20:255.255.255.0::0:LAN2:10.77.2.20:255.255.255.0:10.77.2.1:1\n"
         "ssl = 1\n"
         "domain = WORKGROUP\n"
         "codepage = 950\n"
         "ideok = 3\n"
         "sharename = HDD_1\n"
         "bt_firmware = 2\n" +
         extra;
}

}  // namespace tarvix::lab
