#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvix::devsim {

using Ipv4 = std::array<std::uint8_t, 4>;

// Strict dotted-quad: four decimal octets 0..255, nothing else. Devices are
// named by these four bytes on the wire, so a sloppy parse would silently
// address the wrong device.
std::optional<Ipv4> ParseIpv4(std::string_view text);

std::string FormatIpv4(const Ipv4& address);

}  // namespace tarvix::devsim
