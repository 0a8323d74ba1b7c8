#include "platform/linux/BookmarkDriveService.h"

#include <utility>

#include "platform/linux/EffectiveUser.h"
#include "platform/linux/GtkBookmarks.h"
#include "platform/NetResult.h"

namespace tarvix::platform {
namespace {

std::optional<char> NormalLetter(char letter) {
  if (letter >= 'a' && letter <= 'z') return static_cast<char>(letter - 'a' + 'A');
  if (letter >= 'A' && letter <= 'Z') return letter;
  return std::nullopt;
}

// "K:" (any case) names a drive; anything else does not.
std::optional<char> LetterOfDriveName(std::string_view driveName) {
  if (driveName.size() != 2 || driveName[1] != ':') return std::nullopt;
  return NormalLetter(driveName[0]);
}

int ResultOf(SmbAuthResult result) {
  switch (result) {
    case SmbAuthResult::Accepted: return net_result::kSuccess;
    case SmbAuthResult::Refused: return net_result::kLogonFailure;
    case SmbAuthResult::NoSuchShare: return net_result::kBadNetName;
    case SmbAuthResult::Unreachable: return net_result::kBadNetPath;
    case SmbAuthResult::Failed: break;
  }
  return net_result::kNoNetwork;
}

}  // namespace

BookmarkDriveService::BookmarkDriveService(std::filesystem::path bookmarksFile,
                                           SmbAuthenticator& authenticator, CredentialPrompt prompt)
    : bookmarksFile_(std::move(bookmarksFile)), authenticator_(authenticator), prompt_(std::move(prompt)) {}

std::optional<std::string> BookmarkDriveService::RemoteName(char letter) const {
  const auto share = Lookup(letter);
  if (!share) return std::nullopt;
  return share->ToUnc();
}

DriveType BookmarkDriveService::TypeOf(char letter) const {
  return Lookup(letter) ? DriveType::Remote : DriveType::NoRootDir;
}

int BookmarkDriveService::Connect(const ConnectRequest& request) {
  const auto letter = NormalLetter(request.letter);
  if (request.letter != '\0' && !letter) return net_result::kBadDevice;
  if (letter && Lookup(*letter)) return net_result::kAlreadyAssigned;
  const auto share = UncPath::Parse(request.remoteName);
  if (!share) return net_result::kBadNetName;
  int result = Authenticate(*share, request);
  if (result == net_result::kLogonFailure && request.interactive && prompt_) {
    result = AskAndRetry(*share, request);
  }
  if (result != net_result::kSuccess || !letter) return result;
  return Remember(*letter, *share, request.persistent);
}

int BookmarkDriveService::CancelConnection(std::string_view driveName, bool /*force*/,
                                           bool /*updateProfile*/) {
  // Nothing holds files open on a bookmark, so forcing changes nothing; the
  // bookmark is the profile, so it always goes.
  const auto letter = LetterOfDriveName(driveName);
  if (!letter) return net_result::kNotConnected;
  if (sessionDrives_.erase(*letter) > 0) return net_result::kSuccess;
  GtkBookmarks bookmarks;
  if (!bookmarks.Load(bookmarksFile_)) return net_result::kBadProfile;
  if (!bookmarks.Remove(*letter)) return net_result::kNotConnected;
  return bookmarks.Save(bookmarksFile_) ? net_result::kSuccess : net_result::kBadProfile;
}

std::string BookmarkDriveService::CurrentNetworkUser() const { return EffectiveUserName(); }

int BookmarkDriveService::Authenticate(const UncPath& share, const ConnectRequest& request) {
  const SmbCredentials credentials{SmbAccount::Split(request.account), request.password};
  return ResultOf(authenticator_.Authenticate(share, credentials));
}

int BookmarkDriveService::AskAndRetry(const UncPath& share, const ConnectRequest& request) {
  const auto answer = prompt_(share.ToUnc(), request.account);
  if (!answer) return net_result::kCancelled;
  ConnectRequest retry = request;
  retry.account = answer->account;
  retry.password = answer->password;
  return Authenticate(share, retry);
}

int BookmarkDriveService::Remember(char letter, const UncPath& share, bool persistent) {
  if (!persistent) {
    sessionDrives_[letter] = share;
    return net_result::kSuccess;
  }
  GtkBookmarks bookmarks;
  if (!bookmarks.Load(bookmarksFile_)) return net_result::kBadProfile;
  bookmarks.Add(letter, share);
  return bookmarks.Save(bookmarksFile_) ? net_result::kSuccess : net_result::kBadProfile;
}

std::optional<UncPath> BookmarkDriveService::Lookup(char letter) const {
  const auto normal = NormalLetter(letter);
  if (!normal) return std::nullopt;
  if (const auto found = sessionDrives_.find(*normal); found != sessionDrives_.end()) {
    return found->second;
  }
  GtkBookmarks bookmarks;
  if (!bookmarks.Load(bookmarksFile_)) return std::nullopt;
  return bookmarks.ShareOf(*normal);
}

}  // namespace tarvix::platform
