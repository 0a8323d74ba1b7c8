#include "platform/testing/FakeDriveService.h"

#include "platform/NetResult.h"

namespace tarvix::platform::testing {
namespace {

std::optional<std::size_t> IndexOf(char letter) {
  if (letter >= 'a' && letter <= 'z') return static_cast<std::size_t>(letter - 'a');
  if (letter >= 'A' && letter <= 'Z') return static_cast<std::size_t>(letter - 'A');
  return std::nullopt;
}

}  // namespace

void FakeDriveService::SetDrive(char letter, DriveType type, std::optional<std::string> remoteName) {
  Slot(letter) = Drive{type, std::move(remoteName)};
}

const FakeDriveService::Drive& FakeDriveService::At(char letter) const {
  const auto index = IndexOf(letter);
  return index ? drives_[*index] : outside_;
}

void FakeDriveService::QueueConnectResults(std::vector<int> results) {
  connectResults_.insert(connectResults_.end(), results.begin(), results.end());
}

std::optional<std::string> FakeDriveService::RemoteName(char letter) const { return At(letter).remoteName; }

DriveType FakeDriveService::TypeOf(char letter) const { return At(letter).type; }

int FakeDriveService::Connect(const ConnectRequest& request) {
  connects_.push_back(request);
  int result = defaultConnectResult_;
  if (!connectResults_.empty()) {
    result = connectResults_.front();
    connectResults_.pop_front();
  }
  if (result == net_result::kSuccess && IndexOf(request.letter)) MapRemote(request.letter, request.remoteName);
  return result;
}

int FakeDriveService::CancelConnection(std::string_view driveName, bool force, bool updateProfile) {
  cancels_.push_back({std::string(driveName), force, updateProfile});
  if (driveName.size() != 2 || driveName[1] != ':' || !IndexOf(driveName[0])) return net_result::kNotConnected;
  Drive& drive = Slot(driveName[0]);
  if (!drive.remoteName) return net_result::kNotConnected;
  drive = Drive{};
  return net_result::kSuccess;
}

FakeDriveService::Drive& FakeDriveService::Slot(char letter) {
  const auto index = IndexOf(letter);
  return index ? drives_[*index] : outside_;
}

}  // namespace tarvix::platform::testing
