#include "platform/windows/WindowsNetErrors.h"

namespace tarvix::platform::windows {
namespace {

// The Windows error numbers the drive calls answer with.
constexpr unsigned long kSuccess = 0;
constexpr unsigned long kAccessDenied = 5;
constexpr unsigned long kBadNetPath = 53;
constexpr unsigned long kBadNetName = 67;
constexpr unsigned long kAlreadyAssigned = 85;
constexpr unsigned long kInvalidPassword = 86;
constexpr unsigned long kBadDevice = 1200;
constexpr unsigned long kDeviceAlreadyRemembered = 1202;
constexpr unsigned long kCannotOpenProfile = 1205;
constexpr unsigned long kBadProfile = 1206;
constexpr unsigned long kNoNetwork = 1222;
constexpr unsigned long kCancelled = 1223;
constexpr unsigned long kLogonFailure = 1326;
constexpr unsigned long kNotConnected = 2250;

constexpr unsigned long kConnectUpdateProfile = 0x1;
constexpr unsigned long kConnectInteractive = 0x8;

}  // namespace

DriveResult DriveResultOfNetError(unsigned long error) {
  switch (error) {
    case kSuccess: return DriveResult::Done;
    case kAccessDenied:
    case kInvalidPassword:
    case kLogonFailure: return DriveResult::RefusedCredentials;
    case kBadNetName: return DriveResult::NoSuchShare;
    case kBadNetPath:
    case kNoNetwork: return DriveResult::Unreachable;
    case kAlreadyAssigned:
    case kDeviceAlreadyRemembered: return DriveResult::LetterInUse;
    case kNotConnected: return DriveResult::NotConnected;
    case kBadDevice: return DriveResult::BadLetter;
    case kCancelled: return DriveResult::Cancelled;
    case kCannotOpenProfile:
    case kBadProfile: return DriveResult::ProfileNotSaved;
    default: return DriveResult::Failed;
  }
}

unsigned long ConnectFlagsOf(const ConnectRequest& request) {
  unsigned long flags = 0;
  if (request.persistent) flags |= kConnectUpdateProfile;
  if (request.interactive) flags |= kConnectInteractive;
  return flags;
}

}  // namespace tarvix::platform::windows
