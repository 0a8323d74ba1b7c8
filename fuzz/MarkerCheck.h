#pragma once
// The fuzz targets' check for reads past the datagram that stay inside the receive
// area: everything beyond the datagram is filled with a marker byte that the input
// never holds (it is replaced before use), so a marker in any result can only come
// from beyond the datagram.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "protocol/DeviceList.h"
#include "protocol/DeviceSession.h"
#include "protocol/ShareList.h"

namespace tarvix::fuzz {

inline constexpr uint8_t kMarker = 0xA5;

inline void FailOnMarker(const void* bytes, size_t size) {
  if (size > 0 && std::memchr(bytes, kMarker, size) != nullptr) __builtin_trap();
}

template <typename Field>
void FailOnMarker(const Field& field) {
  FailOnMarker(&field, sizeof field);
}

// Changes every marker byte of the input, so that the marker cannot come from it.
inline void ReplaceMarker(uint8_t* bytes, size_t size) {
  std::replace(bytes, bytes + size, kMarker, static_cast<uint8_t>(kMarker ^ 1));
}

inline std::vector<uint8_t> WithoutMarker(const uint8_t* data, size_t size) {
  std::vector<uint8_t> input(data, data + size);
  ReplaceMarker(input.data(), input.size());
  return input;
}

inline void CheckDevices(const DeviceList& devices) {
  for (const DeviceNode& n : devices) {
    FailOnMarker(n.name);
    FailOnMarker(n.address);
    FailOnMarker(n.netmask);
    FailOnMarker(n.gateway);
    FailOnMarker(n.dhcpFlag);
    FailOnMarker(n.deviceId);
    FailOnMarker(n.model);
  }
}

inline void CheckSession(const DeviceSession& s) {
  FailOnMarker(s.selectedAddress);
  FailOnMarker(s.lanInfo);
  FailOnMarker(s.codepage);
  FailOnMarker(s.ideOk);
  FailOnMarker(s.shareName);
  FailOnMarker(s.btFirmware);
  FailOnMarker(s.domain);
  FailOnMarker(s.ssl);
}

inline void CheckShares(const ShareList& shares) {
  for (const ShareNode& n : shares) FailOnMarker(n.name);
}

}  // namespace tarvix::fuzz
