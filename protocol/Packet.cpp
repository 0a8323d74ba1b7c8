#include "protocol/Packet.h"

#include <cstring>

#include "protocol/FixedText.h"
#include "protocol/Network.h"

namespace tarvix {
namespace {

constexpr size_t kQueryHeaderSize = 28;
constexpr size_t kSetHeaderSize = 60;
constexpr size_t kTextFieldWidth = 16;

void PutU32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetU32(const uint8_t* at) {
  return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
         static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

// Requests copy at most the field's width and pad with NUL, so a text of exactly the
// width has no terminator; the callers keep their texts shorter.
void PutTextField(uint8_t* at, size_t width, std::string_view text) {
  size_t n = text.size() < width ? text.size() : width;
  if (n > 0) std::memcpy(at, text.data(), n);
}

void PutHeader(uint8_t type, const ClientId& id, uint8_t* buffer) {
  std::memset(buffer, 0, kRequestBufferSize);
  buffer[0] = type;
  std::memcpy(buffer + 1, id.bytes, kClientIdSize);
}

std::string Cut(std::string_view text, size_t max) { return std::string(text.substr(0, max)); }

}  // namespace

size_t BuildDiscoverRequest(const ClientId& id, uint8_t* buffer) {
  PutHeader(kDiscoverRequest, id, buffer);
  return 1 + kClientIdSize;
}

size_t BuildQueryRequest(const ClientId& id, const uint8_t* deviceId, uint8_t command,
                         const uint8_t* payload, size_t payloadLength, uint8_t* buffer) {
  if (payloadLength > kRequestBufferSize - kQueryHeaderSize) return 0;
  PutHeader(kQueryRequest, id, buffer);
  std::memcpy(buffer + kDeviceIdOffset, deviceId, kDeviceIdSize);
  buffer[21] = command;
  PutU32(buffer + 24, static_cast<uint32_t>(payloadLength));
  if (payloadLength) std::memcpy(buffer + kQueryHeaderSize, payload, payloadLength);
  return kQueryHeaderSize + payloadLength;
}

size_t BuildSetRequest(const ClientId& id, const uint8_t* deviceId, uint8_t command,
                       std::string_view netmask, std::string_view gateway, const uint8_t* payload,
                       size_t payloadLength, uint8_t* buffer) {
  if (payloadLength > kRequestBufferSize - kSetHeaderSize) return 0;
  PutHeader(kSetRequest, id, buffer);
  std::memcpy(buffer + kDeviceIdOffset, deviceId, kDeviceIdSize);
  buffer[21] = command;
  PutTextField(buffer + 24, kTextFieldWidth, netmask);
  PutTextField(buffer + 40, kTextFieldWidth, gateway);
  PutU32(buffer + 56, static_cast<uint32_t>(payloadLength));
  if (payloadLength) std::memcpy(buffer + kSetHeaderSize, payload, payloadLength);
  return kSetHeaderSize + payloadLength;
}

bool ReadDiscoveryReply(const uint8_t* d, size_t length, DiscoveryReply& out) {
  if (length == 0) return false;
  size_t nameLengthOffset = 0;
  switch (d[0]) {
    case kDiscoverReplyBasic: nameLengthOffset = 56; break;
    case kDiscoverReplyExtended: nameLengthOffset = 68; break;
    case kDiscoverReplyModel: nameLengthOffset = 100; break;
    default: return false;
  }
  if (length < nameLengthOffset + 4) return false;
  out = DiscoveryReply{};
  out.type = d[0];
  std::memcpy(out.deviceId, d + kDeviceIdOffset, kDeviceIdSize);
  out.address = ReportedAddress(d, length);
  out.dhcpFlag = static_cast<char>(d[21]);
  out.netmask = Cut(ReadTextField(d, length, 24, kTextFieldWidth), kMaxAddressTextLength);
  out.gateway = Cut(ReadTextField(d, length, 40, kTextFieldWidth), kMaxAddressTextLength);
  if (out.type != kDiscoverReplyBasic) {
    out.selectorA = d[56];
    out.selectorB = d[57];
  }
  if (out.type == kDiscoverReplyModel)
    out.model = Cut(ReadTextField(d, length, 68, 32), kMaxModelLength);
  size_t available = length - (nameLengthOffset + 4);
  size_t n = GetU32(d + nameLengthOffset);
  if (n > available) n = available;
  if (n > kMaxNameLength) n = kMaxNameLength;
  std::string_view raw(reinterpret_cast<const char*>(d + nameLengthOffset + 4), n);
  out.name = std::string(raw.substr(0, raw.find('\0')));
  return true;
}

std::string_view ReadValueText(const uint8_t* d, size_t length) {
  if (length <= kValueOffset) return {};
  return ReadTextField(d, length, kValueOffset, length - kValueOffset);
}

int ReadLoginVerdict(const uint8_t* d, size_t length) {
  if (length < kLoginReplyLength) return 0;
  return static_cast<int8_t>(d[kValueOffset]);
}

}  // namespace tarvix
