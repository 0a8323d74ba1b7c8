#pragma once

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/DriveService.h"

namespace tarvix::testing {

// The 26 drive letters as a table that tests fill; records every call. A
// successful connection with a letter maps it, a disconnection unmaps it.
class FakeDriveService final : public platform::DriveService {
 public:
  struct Drive {
    platform::DriveType type = platform::DriveType::NoRootDir;
    std::optional<std::string> remoteName;
  };
  // Whether the share takes the credentials of a request.
  using Acceptance = std::function<bool(const platform::ConnectRequest&)>;

  void SetDrive(char letter, platform::DriveType type, std::optional<std::string> remoteName = {});
  void MapRemote(char letter, std::string remoteName) {
    SetDrive(letter, platform::DriveType::Remote, std::move(remoteName));
  }
  const Drive& At(char letter) const;

  // Results of the coming Connect calls, in order. Once they are used up, the
  // acceptance decides when there is one (accepted: success, otherwise the
  // credentials are refused), else every call gets the default result.
  void QueueConnectResults(std::vector<platform::DriveResult> results);
  void SetAcceptance(Acceptance accepts) { accepts_ = std::move(accepts); }
  void SetDefaultConnectResult(platform::DriveResult result) { defaultConnectResult_ = result; }
  void SetNetworkUser(std::string user) { networkUser_ = std::move(user); }

  const std::vector<platform::ConnectRequest>& Connects() const { return connects_; }
  // The drive names of the disconnections, in order.
  const std::vector<std::string>& Disconnects() const { return disconnects_; }

  std::optional<std::string> RemoteName(char letter) const override;
  platform::DriveType TypeOf(char letter) const override;
  platform::DriveResult Connect(const platform::ConnectRequest& request) override;
  platform::DriveResult Disconnect(std::string_view driveName) override;
  std::string CurrentNetworkUser() const override { return networkUser_; }

 private:
  Drive& Slot(char letter);
  platform::DriveResult NextConnectResult(const platform::ConnectRequest& request);

  std::array<Drive, 26> drives_{};
  Drive outside_{platform::DriveType::NoRootDir, {}};
  std::deque<platform::DriveResult> connectResults_;
  Acceptance accepts_;
  platform::DriveResult defaultConnectResult_ = platform::DriveResult::Done;
  std::string networkUser_ = "alice";
  std::vector<platform::ConnectRequest> connects_;
  std::vector<std::string> disconnects_;
};

}  // namespace tarvix::testing
