#include "tools/devsim/Ipv4.h"

#include <charconv>

namespace tarvix::devsim {

namespace {

std::optional<std::uint8_t> ParseOctet(std::string_view piece) {
  if (piece.empty() || piece.size() > 3) return std::nullopt;
  unsigned value = 0;
  const auto* end = piece.data() + piece.size();
  auto [ptr, ec] = std::from_chars(piece.data(), end, value);
  if (ec != std::errc{} || ptr != end || value > 255) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

}  // namespace

std::optional<Ipv4> ParseIpv4(std::string_view text) {
  Ipv4 address{};
  for (std::size_t i = 0; i < 4; ++i) {
    const auto dot = text.find('.');
    const bool last = i == 3;
    if (last != (dot == std::string_view::npos)) return std::nullopt;
    const auto octet = ParseOctet(text.substr(0, dot));
    if (!octet) return std::nullopt;
    address[i] = *octet;
    text = last ? std::string_view{} : text.substr(dot + 1);
  }
  return address;
}

std::string FormatIpv4(const Ipv4& address) {
  return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." +
         std::to_string(address[2]) + "." + std::to_string(address[3]);
}

}  // namespace tarvix::devsim
