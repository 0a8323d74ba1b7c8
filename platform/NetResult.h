#pragma once

// Result codes of the drive connection calls. The values are the Windows
// networking error codes, so callers compare against the same numbers on
// every backend and a Windows backend can pass its results straight through.
namespace tarvix::platform::net_result {

inline constexpr int kSuccess = 0;
inline constexpr int kAccessDenied = 5;
inline constexpr int kBadNetPath = 53;       // server not reachable
inline constexpr int kBadNetName = 67;       // share unknown or remote name malformed
inline constexpr int kAlreadyAssigned = 85;  // the letter is already connected
inline constexpr int kInvalidPassword = 86;
inline constexpr int kBadDevice = 1200;      // local name is not a drive letter
inline constexpr int kBadProfile = 1206;     // the bookmarks file could not be written
inline constexpr int kNoNetwork = 1222;
inline constexpr int kCancelled = 1223;      // the user dismissed the credential prompt
inline constexpr int kLogonFailure = 1326;
inline constexpr int kNotConnected = 2250;

}  // namespace tarvix::platform::net_result
