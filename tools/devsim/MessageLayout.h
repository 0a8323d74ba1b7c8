#pragma once
#include <cstddef>
#include <cstdint>

namespace tarvix::devsim {

// Wire constants of the management protocol as the devices see it.
inline constexpr const char* kGroupAddress = "224.0.0.1";
inline constexpr std::uint16_t kGroupPort = 13579;

inline constexpr std::uint8_t kTypeDiscoverRequest = 1;
inline constexpr std::uint8_t kTypeDiscoverBasic = 2;
inline constexpr std::uint8_t kTypeQueryRequest = 3;
inline constexpr std::uint8_t kTypeQueryReply = 4;
inline constexpr std::uint8_t kTypeSetRequest = 5;
inline constexpr std::uint8_t kTypeSetReply = 6;
inline constexpr std::uint8_t kTypeDiscoverExtended = 7;
inline constexpr std::uint8_t kTypeDiscoverModel = 8;

inline constexpr std::size_t kClientIdOffset = 1;
inline constexpr std::size_t kClientIdSize = 10;
inline constexpr std::size_t kDeviceIdOffset = 11;
inline constexpr std::size_t kAddressOffset = 17;
inline constexpr std::size_t kCommandOffset = 21;
inline constexpr std::size_t kAddressFieldWidth = 16;

inline constexpr std::size_t kDiscoverRequestSize = 11;
inline constexpr std::size_t kQueryLengthOffset = 24;
inline constexpr std::size_t kQueryHeaderSize = 28;
inline constexpr std::size_t kSetNetmaskOffset = 24;
inline constexpr std::size_t kSetGatewayOffset = 40;
inline constexpr std::size_t kSetLengthOffset = 56;
inline constexpr std::size_t kSetHeaderSize = 60;

inline constexpr std::size_t kReplyDhcpFlagOffset = 21;
inline constexpr std::size_t kReplyNetmaskOffset = 24;
inline constexpr std::size_t kReplyGatewayOffset = 40;
inline constexpr std::size_t kReplySelectorAOffset = 56;
inline constexpr std::size_t kReplySelectorBOffset = 57;
inline constexpr std::size_t kReplyModelOffset = 68;
inline constexpr std::size_t kReplyModelWidth = 32;
inline constexpr std::size_t kReplyHeaderSize = 21;
inline constexpr std::size_t kQueryValueOffset = 28;

inline constexpr std::size_t kLanInfoSize = 120;
inline constexpr std::size_t kLanEntrySize = 60;

}  // namespace tarvix::devsim
