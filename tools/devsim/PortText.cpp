#include "tools/devsim/PortText.h"

namespace tarvix::devsim {

namespace {

constexpr std::size_t kFieldsPerPort = 5;

void AppendPort(std::vector<std::string>& pieces, const LanPort& port) {
  pieces.insert(pieces.end(), {port.name, port.address, port.netmask, port.gateway, port.dhcp});
}

}  // namespace

std::vector<std::string> SplitPortText(std::string_view text) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  while (true) {
    const auto colon = text.find(':');
    pieces.emplace_back(text.substr(0, colon));
    if (colon == std::string_view::npos) return pieces;
    text.remove_prefix(colon + 1);
  }
}

std::string JoinPortText(const std::vector<std::string>& pieces) {
  std::string text;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) text.push_back(':');
    text += pieces[i];
  }
  return text;
}

std::optional<LanPort> FirstPortOf(std::string_view text) {
  const auto pieces = SplitPortText(text);
  if (pieces.size() < kFieldsPerPort) return std::nullopt;
  return LanPort{pieces[0], pieces[1], pieces[2], pieces[3], pieces[4]};
}

std::string WithFirstPort(std::string_view text, const LanPort& port) {
  auto pieces = SplitPortText(text);
  if (pieces.size() < kFieldsPerPort) return std::string(text);
  pieces[1] = port.address;
  pieces[2] = port.netmask;
  pieces[3] = port.gateway;
  pieces[4] = port.dhcp;
  return JoinPortText(pieces);
}

std::string PortTextFromPorts(const LanPort& first, const LanPort& second) {
  std::vector<std::string> pieces;
  AppendPort(pieces, first);
  if (first.name == "LAN1" && !second.name.empty()) AppendPort(pieces, second);
  return JoinPortText(pieces);
}

}  // namespace tarvix::devsim
