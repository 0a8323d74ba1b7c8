#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "tools/devsim/Ipv4.h"
#include "tools/devsim/Wire.h"

namespace tarvix::devsim {

enum class RequestKind { Discover, Query, Set };

// One request datagram, validated so that nothing behind it reads beyond the
// datagram. The payload views the caller's buffer.
struct Request {
  RequestKind kind = RequestKind::Discover;
  std::array<std::uint8_t, 10> clientId{};
  Ipv4 target{};  // address part of the DeviceId the request is meant for
  int command = 0;
  std::string netmask;  // set requests only
  std::string gateway;  // set requests only
  ByteView payload;
};

// Returns nothing for replies, unknown types and datagrams too short for
// their own header or declared payload.
std::optional<Request> ParseRequest(ByteView datagram);

}  // namespace tarvix::devsim
