#pragma once
#include <array>
#include <cstdint>

#include "tools/devsim/Device.h"
#include "tools/devsim/Wire.h"

namespace tarvix::devsim {

using ClientId = std::array<std::uint8_t, 10>;

// Discovery reply of the device's configured type (2, 7 or 8).
Bytes BuildDiscoverReply(const Device& device, const ClientId& client);

// Query reply: header, then `value` at offset 28.
Bytes BuildQueryReply(const Device& device, const ClientId& client, ByteView value);

// Set acknowledgement: the header only, reporting the device's address as it
// is after the command.
Bytes BuildSetReply(const Device& device, const ClientId& client);

}  // namespace tarvix::devsim
