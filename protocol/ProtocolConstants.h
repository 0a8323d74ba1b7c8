#pragma once
#include <cstddef>
#include <cstdint>

namespace tarvix {

inline constexpr const char* kGroupAddress = "224.0.0.1";
inline constexpr uint16_t kGroupPort = 13579;

// Every datagram is read into one reused area; a spare byte after it lets a text
// field that ends the datagram be NUL-terminated.
inline constexpr size_t kReceiveAreaSize = 4096;
inline constexpr size_t kRequestBufferSize = 4096;
inline constexpr int kMaxInterfaces = 8;
inline constexpr size_t kAddressTextSize = 16;
inline constexpr size_t kClientIdSize = 10;
inline constexpr size_t kDeviceIdSize = 10;

enum MessageType : uint8_t {
  kDiscoverRequest = 1,
  kDiscoverReplyBasic = 2,
  kQueryRequest = 3,
  kQueryReply = 4,
  kSetRequest = 5,
  kSetReply = 6,
  kDiscoverReplyExtended = 7,
  kDiscoverReplyModel = 8,
};

enum Command : uint8_t {
  kCmdSetAddress = 1,
  kCmdSetDhcp = 2,
  kCmdShareList = 3,
  kCmdLoginCheck = 4,
  kCmdSetCodepage = 8,
  kCmdCodepage = 9,
  kCmdReadWrite = 10,
  kCmdIdeOk = 11,
  kCmdShareName = 12,
  kCmdStop = 13,
  kCmdBt = 14,
  kCmdBtFirmware = 15,
  kCmdDomain = 18,
  kCmdSsl = 19,
  kCmdLanInfo = 20,
  kCmdSetLanInfo = 21,
};

// Offsets shared by every reply form.
inline constexpr size_t kReportedAddressOffset = 17;
inline constexpr size_t kDeviceIdOffset = 11;
inline constexpr size_t kValueOffset = 28;
// Type, ClientId echo and DeviceId: what every reply carries before its own fields.
inline constexpr size_t kReplyHeaderSize = 21;

}  // namespace tarvix
