#include "tests/mock/FakeDriveService.h"

#include "platform/NetResult.h"

namespace tarvix::testing {
namespace {

using platform::net_result::kLogonFailure;
using platform::net_result::kNotConnected;
using platform::net_result::kSuccess;

std::optional<std::size_t> IndexOf(char letter) {
  if (letter >= 'a' && letter <= 'z') return static_cast<std::size_t>(letter - 'a');
  if (letter >= 'A' && letter <= 'Z') return static_cast<std::size_t>(letter - 'A');
  return std::nullopt;
}

}  // namespace

void FakeDriveService::SetDrive(char letter, platform::DriveType type,
                                std::optional<std::string> remoteName) {
  Slot(letter) = Drive{type, std::move(remoteName)};
}

const FakeDriveService::Drive& FakeDriveService::At(char letter) const {
  const auto index = IndexOf(letter);
  return index ? drives_[*index] : outside_;
}

void FakeDriveService::QueueConnectResults(std::vector<int> results) {
  connectResults_.insert(connectResults_.end(), results.begin(), results.end());
}

std::optional<std::string> FakeDriveService::RemoteName(char letter) const {
  return At(letter).remoteName;
}

platform::DriveType FakeDriveService::TypeOf(char letter) const { return At(letter).type; }

int FakeDriveService::Connect(const platform::ConnectRequest& request) {
  connects_.push_back(request);
  const int result = NextConnectResult(request);
  if (result == kSuccess && IndexOf(request.letter)) MapRemote(request.letter, request.remoteName);
  return result;
}

int FakeDriveService::CancelConnection(std::string_view driveName, bool force, bool updateProfile) {
  cancels_.push_back({std::string(driveName), force, updateProfile});
  if (driveName.size() != 2 || driveName[1] != ':' || !IndexOf(driveName[0])) return kNotConnected;
  Drive& drive = Slot(driveName[0]);
  if (!drive.remoteName) return kNotConnected;
  drive = Drive{};
  return kSuccess;
}

FakeDriveService::Drive& FakeDriveService::Slot(char letter) {
  const auto index = IndexOf(letter);
  return index ? drives_[*index] : outside_;
}

int FakeDriveService::NextConnectResult(const platform::ConnectRequest& request) {
  if (!connectResults_.empty()) {
    const int result = connectResults_.front();
    connectResults_.pop_front();
    return result;
  }
  if (accepts_) return accepts_(request) ? kSuccess : kLogonFailure;
  return defaultConnectResult_;
}

}  // namespace tarvix::testing
