#pragma once
#include <cstdint>
#include <string>

#include "tests/mock/FakeSocketApi.h"

namespace tarvix::testing {

// Device-side datagrams for unit tests, built from the layouts independently of the
// program's own readers.
struct FakeDevice {
  uint8_t ownBytes[6] = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
  uint8_t address[4] = {10, 77, 1, 2};
  std::string name = "NAS";
  std::string netmask = "255.255.255.0";
  std::string gateway = "10.77.1.1";
  char dhcp = '0';
  std::string model = "NV-A20";
  uint8_t selectorA = 3;
  uint8_t selectorB = 3;
};

Bytes DiscoveryReplyBytes(uint8_t type, const uint8_t* clientId, const FakeDevice& device);
Bytes QueryReplyBytes(const uint8_t* clientId, const FakeDevice& device, const std::string& value);
Bytes SetReplyBytes(const uint8_t* clientId, const FakeDevice& device);

}  // namespace tarvix::testing
