#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/devsim/Fault.h"
#include "tools/devsim/Ipv4.h"

namespace tarvix::devsim {

// Everything one simulated device starts with; see README.md for the keys.
struct DeviceConfig {
  std::string name;
  Ipv4 address{};
  std::array<std::uint8_t, 6> ownId{};
  std::string netmask = "255.255.255.0";
  std::string gateway;
  char dhcpFlag = '0';
  std::uint8_t replyType = 2;
  std::uint8_t selectorA = 3;
  std::uint8_t selectorB = 3;
  std::string model;

  std::string shares;
  std::string portText;
  std::string ssl = "0";
  std::string domain;
  std::string codepage = "950";
  std::string ideOk = "1";
  std::string shareName = "HDD_1";
  std::string btFirmware = "1";
  std::string adminUser = "admin";
  std::string adminPassword;
  Ipv4 dhcpAddress{};  // defaults to `address`

  // The folder that the lab's file server shares as this device's disk, and the
  // paths below it that no file may be written to.
  std::string disk;
  std::vector<std::string> refusedWrites;

  Fault fault;                          // for every request without its own
  std::optional<Fault> discoveryFault;  // for discovery requests
  std::map<int, Fault> commandFaults;   // by query or set command number

  const Fault& FaultForDiscovery() const;
  const Fault& FaultForCommand(int command) const;
};

}  // namespace tarvix::devsim
