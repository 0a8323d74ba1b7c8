#include "tests/mock/ReplyBuilder.h"

#include <cstring>

namespace tarvix::testing {
namespace {

Bytes Header(uint8_t type, const uint8_t* clientId, const FakeDevice& d, size_t size) {
  Bytes b(size, 0);
  b[0] = type;
  std::memcpy(&b[1], clientId, 10);
  std::memcpy(&b[11], d.ownBytes, 6);
  std::memcpy(&b[17], d.address, 4);
  return b;
}

void PutText(Bytes& b, size_t at, const std::string& text) {
  std::memcpy(&b[at], text.data(), text.size());
}

}  // namespace

Bytes DiscoveryReplyBytes(uint8_t type, const uint8_t* clientId, const FakeDevice& d) {
  size_t nameAt = type == 2 ? 56 : type == 7 ? 68 : 100;
  Bytes b = Header(type, clientId, d, nameAt + 4 + d.name.size());
  b[21] = static_cast<uint8_t>(d.dhcp);
  PutText(b, 24, d.netmask);
  PutText(b, 40, d.gateway);
  if (type != 2) {
    b[56] = d.selectorA;
    b[57] = d.selectorB;
  }
  if (type == 8) PutText(b, 68, d.model);
  uint32_t n = static_cast<uint32_t>(d.name.size());
  for (int i = 0; i < 4; ++i) b[nameAt + i] = static_cast<uint8_t>(n >> (8 * i));
  PutText(b, nameAt + 4, d.name);
  return b;
}

Bytes QueryReplyBytes(const uint8_t* clientId, const FakeDevice& d, const std::string& value) {
  Bytes b = Header(4, clientId, d, 28 + value.size() + 1);
  PutText(b, 28, value);
  return b;
}

Bytes SetReplyBytes(const uint8_t* clientId, const FakeDevice& d) {
  return Header(6, clientId, d, 28);
}

}  // namespace tarvix::testing
