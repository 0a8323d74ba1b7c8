#include "tests/mock/FakeDriveService.h"

namespace tarvix::testing {
namespace {

using platform::DriveResult;

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

void FakeDriveService::QueueConnectResults(std::vector<DriveResult> results) {
  connectResults_.insert(connectResults_.end(), results.begin(), results.end());
}

std::optional<std::string> FakeDriveService::RemoteName(char letter) const {
  return At(letter).remoteName;
}

platform::DriveType FakeDriveService::TypeOf(char letter) const { return At(letter).type; }

DriveResult FakeDriveService::Connect(const platform::ConnectRequest& request) {
  connects_.push_back(request);
  const DriveResult result = NextConnectResult(request);
  if (result == DriveResult::Done && IndexOf(request.letter)) {
    MapRemote(request.letter, request.remoteName);
  }
  return result;
}

DriveResult FakeDriveService::Disconnect(std::string_view driveName) {
  disconnects_.emplace_back(driveName);
  if (driveName.size() != 2 || driveName[1] != ':' || !IndexOf(driveName[0])) {
    return DriveResult::NotConnected;
  }
  Drive& drive = Slot(driveName[0]);
  if (!drive.remoteName) return DriveResult::NotConnected;
  drive = Drive{};
  return DriveResult::Done;
}

FakeDriveService::Drive& FakeDriveService::Slot(char letter) {
  const auto index = IndexOf(letter);
  return index ? drives_[*index] : outside_;
}

DriveResult FakeDriveService::NextConnectResult(const platform::ConnectRequest& request) {
  if (!connectResults_.empty()) {
    const DriveResult result = connectResults_.front();
    connectResults_.pop_front();
    return result;
  }
  if (accepts_) return accepts_(request) ? DriveResult::Done : DriveResult::RefusedCredentials;
  return defaultConnectResult_;
}

}  // namespace tarvix::testing
