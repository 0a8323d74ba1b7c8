#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvix::platform {

// What lives behind a drive letter, in the order of the classic drive types.
enum class DriveType { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

// What came of connecting or disconnecting a drive.
enum class DriveResult {
  Done,
  RefusedCredentials,  // the share refused the account or the password
  NoSuchShare,         // the server has no such share, or the remote name is malformed
  Unreachable,         // the server cannot be reached
  LetterInUse,         // the letter is already connected
  NotConnected,        // nothing is connected under that drive name
  BadLetter,           // the local name is not a drive letter
  Cancelled,           // the user dismissed the credential prompt
  ProfileNotSaved,     // the drives restored at the next logon could not be read or written
  Failed,              // anything else
};

// One request to connect a share. `letter` '\0' connects without a local
// drive (used to authenticate before writing files to the share).
struct ConnectRequest {
  char letter = '\0';
  std::string remoteName;               // "\\SERVER\SHARE"
  std::string account;                  // "DOMAIN\user", "user" or empty (guest)
  std::optional<std::string> password;  // absent: the user's current credentials
  bool persistent = true;               // survives the session (restored at next logon)
  bool interactive = false;             // may ask the user for credentials once
};

// The system's network drives: the 26-letter model of mapped shares.
class DriveService {
 public:
  virtual ~DriveService() = default;

  // "\\SERVER\SHARE" of a connected letter; none when the letter is not connected.
  virtual std::optional<std::string> RemoteName(char letter) const = 0;
  virtual DriveType TypeOf(char letter) const = 0;
  virtual DriveResult Connect(const ConnectRequest& request) = 0;
  // Disconnects the drive `driveName` ("K:"), even when files are open on it,
  // and forgets it for the next logon.
  virtual DriveResult Disconnect(std::string_view driveName) = 0;
  virtual std::string CurrentNetworkUser() const = 0;
};

}  // namespace tarvix::platform
