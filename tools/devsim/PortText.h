#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix::devsim {

// One network port as the port text (query 20) and the LanInfo record carry it.
struct LanPort {
  std::string name;
  std::string address;
  std::string netmask;
  std::string gateway;
  std::string dhcp;

  bool operator==(const LanPort&) const = default;
};

// Port text: five ':'-separated fields per port; empty fields stay empty
// (two adjacent separators), as devices write them.
std::vector<std::string> SplitPortText(std::string_view text);
std::string JoinPortText(const std::vector<std::string>& pieces);

// The first port of a port text; nothing for a text with fewer than five
// fields (a device without ports).
std::optional<LanPort> FirstPortOf(std::string_view text);

// Rewrites the first port's address, netmask, gateway and DHCP flag; a text
// with fewer than five fields (a device without ports) is left alone.
std::string WithFirstPort(std::string_view text, const LanPort& port);

// The second port is only part of the text when the first is "LAN1", which
// is also the only case in which readers look for it.
std::string PortTextFromPorts(const LanPort& first, const LanPort& second);

}  // namespace tarvix::devsim
