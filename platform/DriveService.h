#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvix::platform {

// What lives behind a drive letter, in the order of the classic drive types.
enum class DriveType { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

// One request to connect a share. `letter` '\0' connects without a local
// drive (used to authenticate before writing files to the share).
struct ConnectRequest {
  char letter = '\0';
  std::string remoteName;                // "\\SERVER\SHARE"
  std::string account;                   // "DOMAIN\user", "user" or empty (guest)
  std::optional<std::string> password;   // absent: the user's current credentials
  bool persistent = true;                // survives the session (restored at next logon)
  bool interactive = false;              // may ask the user for credentials once
};

// The system's network drives: the 26-letter model of mapped shares.
class DriveService {
 public:
  virtual ~DriveService() = default;

  // "\\SERVER\SHARE" of a connected letter; none when the letter is not connected.
  virtual std::optional<std::string> RemoteName(char letter) const = 0;
  virtual DriveType TypeOf(char letter) const = 0;
  // 0 on success, otherwise a net_result code.
  virtual int Connect(const ConnectRequest& request) = 0;
  // `driveName` is "K:"; 0 on success, otherwise a net_result code.
  virtual int CancelConnection(std::string_view driveName, bool force, bool updateProfile) = 0;
  virtual std::string CurrentNetworkUser() const = 0;
};

}  // namespace tarvix::platform
