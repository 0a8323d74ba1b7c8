#include "tests/devsim/TestDatagrams.h"

#include <algorithm>
#include <stdexcept>

namespace tarvix::devsim::test {

namespace {

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

void AppendU32(Bytes& out, std::size_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
}

void AppendField(Bytes& out, const std::string& text, std::size_t width) {
  Bytes field(width, 0);
  std::copy_n(text.begin(), std::min(width, text.size()), field.begin());
  Append(out, field);
}

Bytes Head(std::uint8_t type, const Id10& client) {
  Bytes out{type};
  out.insert(out.end(), client.begin(), client.end());
  return out;
}

}  // namespace

Bytes Hex(const std::string& text) {
  Bytes out;
  std::string digits;
  for (char c : text) {
    if (c != ' ') digits.push_back(c);
  }
  if (digits.size() % 2 != 0) throw std::invalid_argument("odd hex");
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    out.push_back(static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
  }
  return out;
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

Id10 DeviceIdOf(const std::array<std::uint8_t, 6>& own,
                const std::array<std::uint8_t, 4>& address) {
  Id10 id{};
  std::copy(own.begin(), own.end(), id.begin());
  std::copy(address.begin(), address.end(), id.begin() + 6);
  return id;
}

Bytes DiscoverRequest(const Id10& client) { return Head(1, client); }

Bytes QueryRequest(const Id10& device, int command, const Bytes& payload, const Id10& client) {
  auto out = Head(3, client);
  out.insert(out.end(), device.begin(), device.end());
  out.push_back(static_cast<std::uint8_t>(command));
  out.insert(out.end(), {0, 0});
  AppendU32(out, payload.size());
  Append(out, payload);
  return out;
}

Bytes SetRequest(const Id10& device, int command, const std::string& netmask,
                 const std::string& gateway, const Bytes& payload, const Id10& client) {
  auto out = Head(5, client);
  out.insert(out.end(), device.begin(), device.end());
  out.push_back(static_cast<std::uint8_t>(command));
  out.insert(out.end(), {0, 0});
  AppendField(out, netmask, 16);
  AppendField(out, gateway, 16);
  AppendU32(out, payload.size());
  Append(out, payload);
  return out;
}

Bytes LanInfo(const Port& first, const Port& second) {
  Bytes out;
  for (const auto* port : {&first, &second}) {
    AppendField(out, port->name, 10);
    AppendField(out, port->address, 16);
    AppendField(out, port->netmask, 16);
    AppendField(out, port->gateway, 16);
    AppendField(out, port->dhcp, 2);
  }
  return out;
}

std::string ValueText(const Bytes& reply) {
  if (reply.size() <= 28) return {};
  const auto end = std::find(reply.begin() + 28, reply.end(), std::uint8_t{0});
  return std::string(reply.begin() + 28, end);
}

std::string ReportedAddress(const Bytes& reply) {
  if (reply.size() < 21) return {};
  return std::to_string(reply[17]) + "." + std::to_string(reply[18]) + "." +
         std::to_string(reply[19]) + "." + std::to_string(reply[20]);
}

}  // namespace tarvix::devsim::test
