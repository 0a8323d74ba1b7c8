#pragma once

#include <array>
#include <deque>
#include <vector>

#include "platform/DriveService.h"

namespace tarvix::platform::testing {

// The 26 drive letters as a table that tests fill; records every call.
class FakeDriveService final : public DriveService {
 public:
  struct Drive {
    DriveType type = DriveType::NoRootDir;
    std::optional<std::string> remoteName;
  };
  struct Cancel {
    std::string driveName;
    bool force = false;
    bool updateProfile = false;
  };

  void SetDrive(char letter, DriveType type, std::optional<std::string> remoteName = {});
  void MapRemote(char letter, std::string remoteName) { SetDrive(letter, DriveType::Remote, std::move(remoteName)); }
  const Drive& At(char letter) const;

  // Results of the coming Connect calls, in order; afterwards every call
  // gets the default result. A successful call with a letter maps it.
  void QueueConnectResults(std::vector<int> results);
  void SetDefaultConnectResult(int result) { defaultConnectResult_ = result; }
  void SetNetworkUser(std::string user) { networkUser_ = std::move(user); }

  const std::vector<ConnectRequest>& Connects() const { return connects_; }
  const std::vector<Cancel>& Cancels() const { return cancels_; }

  std::optional<std::string> RemoteName(char letter) const override;
  DriveType TypeOf(char letter) const override;
  int Connect(const ConnectRequest& request) override;
  int CancelConnection(std::string_view driveName, bool force, bool updateProfile) override;
  std::string CurrentNetworkUser() const override { return networkUser_; }

 private:
  Drive& Slot(char letter);

  std::array<Drive, 26> drives_{};
  Drive outside_{DriveType::NoRootDir, {}};
  std::deque<int> connectResults_;
  int defaultConnectResult_ = 0;
  std::string networkUser_ = "user";
  std::vector<ConnectRequest> connects_;
  std::vector<Cancel> cancels_;
};

}  // namespace tarvix::platform::testing
