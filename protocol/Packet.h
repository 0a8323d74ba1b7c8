#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "protocol/ClientId.h"
#include "protocol/ProtocolConstants.h"

namespace tarvix {

// Builders write into a zero-filled buffer of kRequestBufferSize bytes and return the
// number of bytes to send. A payload that would not fit is refused (0 is returned).
size_t BuildDiscoverRequest(const ClientId& id, uint8_t* buffer);
size_t BuildQueryRequest(const ClientId& id, const uint8_t* deviceId, uint8_t command,
                         const uint8_t* payload, size_t payloadLength, uint8_t* buffer);
size_t BuildSetRequest(const ClientId& id, const uint8_t* deviceId, uint8_t command,
                       std::string_view netmask, std::string_view gateway, const uint8_t* payload,
                       size_t payloadLength, uint8_t* buffer);

// A discovery reply (types 2, 7 and 8) as the program reads it. Texts are already cut
// to the widths of the device node.
struct DiscoveryReply {
  uint8_t type = 0;
  uint8_t deviceId[kDeviceIdSize]{};
  std::string address;
  char dhcpFlag = 0;
  std::string netmask;
  std::string gateway;
  uint8_t selectorA = 0;
  uint8_t selectorB = 0;
  std::string model;
  std::string name;
};

inline constexpr size_t kMaxNameLength = 255;
inline constexpr size_t kMaxAddressTextLength = 15;
inline constexpr size_t kMaxModelLength = 31;

// False when the datagram is not a discovery reply or is too short for its fixed
// fields. A counted name running past the datagram is cut at its end.
bool ReadDiscoveryReply(const uint8_t* datagram, size_t length, DiscoveryReply& out);

// The value text of a query reply: from byte 28 to the first NUL or the datagram's end.
std::string_view ReadValueText(const uint8_t* datagram, size_t length);

// A login reply is as long as the header and its verdict byte at 28.
inline constexpr size_t kLoginReplyLength = kValueOffset + 1;

// The login check's verdict, byte 28 read as a signed number (not 0: accepted). A
// reply without that byte carries no verdict, which is a refusal.
int ReadLoginVerdict(const uint8_t* datagram, size_t length);

}  // namespace tarvix
