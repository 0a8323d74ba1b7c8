#pragma once
// Requests as the program puts them on the wire, built byte by byte here
// rather than with the simulator's own helpers, so the tests check the
// simulator against the message layouts and not against itself.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvix::devsim::test {

using Bytes = std::vector<std::uint8_t>;
using Id10 = std::array<std::uint8_t, 10>;

inline constexpr Id10 kClient = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0, 0, 0, 0};

Bytes Hex(const std::string& text);
Bytes Text(const std::string& text);
Id10 DeviceIdOf(const std::array<std::uint8_t, 6>& own, const std::array<std::uint8_t, 4>& address);

Bytes DiscoverRequest(const Id10& client = kClient);
Bytes QueryRequest(const Id10& device, int command, const Bytes& payload = {},
                   const Id10& client = kClient);
Bytes SetRequest(const Id10& device, int command, const std::string& netmask,
                 const std::string& gateway, const Bytes& payload, const Id10& client = kClient);

struct Port {
  std::string name, address, netmask, gateway, dhcp;
};
Bytes LanInfo(const Port& first, const Port& second);

// Text at 28 of a query reply, up to the first NUL.
std::string ValueText(const Bytes& reply);
std::string ReportedAddress(const Bytes& reply);

}  // namespace tarvix::devsim::test
