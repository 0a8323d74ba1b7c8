#pragma once
#include "platform/DriveService.h"

namespace tarvix::platform::windows {

// A Windows drive service's answers in the interface's terms: the error
// number of WNetAddConnection2 or WNetCancelConnection2 as a DriveResult.
DriveResult DriveResultOfNetError(unsigned long error);

// The flags of WNetAddConnection2 for a request: CONNECT_UPDATE_PROFILE when it
// is persistent, CONNECT_INTERACTIVE when the system may ask for credentials.
unsigned long ConnectFlagsOf(const ConnectRequest& request);

// Disconnect is always forced and always forgotten for the next logon:
// WNetCancelConnection2(name, kDisconnectFlags, TRUE).
inline constexpr unsigned long kDisconnectFlags = 0x1;  // CONNECT_UPDATE_PROFILE

}  // namespace tarvix::platform::windows
