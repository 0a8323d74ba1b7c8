#include "platform/linux/BookmarkDriveService.h"

#include <utility>

#include "platform/linux/EffectiveUser.h"
#include "platform/linux/GtkBookmarks.h"

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

DriveResult ResultOf(SmbAuthResult result) {
  switch (result) {
    case SmbAuthResult::Accepted: return DriveResult::Done;
    case SmbAuthResult::Refused: return DriveResult::RefusedCredentials;
    case SmbAuthResult::NoSuchShare: return DriveResult::NoSuchShare;
    case SmbAuthResult::Unreachable: return DriveResult::Unreachable;
    case SmbAuthResult::Failed: break;
  }
  return DriveResult::Failed;
}

}  // namespace

BookmarkDriveService::BookmarkDriveService(std::filesystem::path bookmarksFile,
                                           SmbAuthenticator& authenticator, CredentialPrompt prompt)
    : bookmarksFile_(std::move(bookmarksFile)),
      authenticator_(authenticator),
      prompt_(std::move(prompt)) {}

std::optional<std::string> BookmarkDriveService::RemoteName(char letter) const {
  const auto share = Lookup(letter);
  if (!share) return std::nullopt;
  return share->ToUnc();
}

DriveType BookmarkDriveService::TypeOf(char letter) const {
  return Lookup(letter) ? DriveType::Remote : DriveType::NoRootDir;
}

DriveResult BookmarkDriveService::Connect(const ConnectRequest& request) {
  const auto letter = NormalLetter(request.letter);
  if (request.letter != '\0' && !letter) return DriveResult::BadLetter;
  if (letter && Lookup(*letter)) return DriveResult::LetterInUse;
  const auto share = UncPath::Parse(request.remoteName);
  if (!share) return DriveResult::NoSuchShare;
  DriveResult result = Authenticate(*share, request);
  if (result == DriveResult::RefusedCredentials && request.interactive && prompt_) {
    result = AskAndRetry(*share, request);
  }
  if (result != DriveResult::Done || !letter) return result;
  return Remember(*letter, *share, request.persistent);
}

DriveResult BookmarkDriveService::Disconnect(std::string_view driveName) {
  // Nothing holds files open on a bookmark, so there is nothing to force; the
  // bookmark is what the next logon would restore, so it always goes.
  const auto letter = LetterOfDriveName(driveName);
  if (!letter) return DriveResult::NotConnected;
  if (sessionDrives_.erase(*letter) > 0) return DriveResult::Done;
  GtkBookmarks bookmarks;
  if (!bookmarks.Load(bookmarksFile_)) return DriveResult::ProfileNotSaved;
  if (!bookmarks.Remove(*letter)) return DriveResult::NotConnected;
  return bookmarks.Save(bookmarksFile_) ? DriveResult::Done : DriveResult::ProfileNotSaved;
}

std::string BookmarkDriveService::CurrentNetworkUser() const { return EffectiveUserName(); }

DriveResult BookmarkDriveService::Authenticate(const UncPath& share,
                                               const ConnectRequest& request) {
  const SmbCredentials credentials{SmbAccount::Split(request.account), request.password};
  return ResultOf(authenticator_.Authenticate(share, credentials));
}

DriveResult BookmarkDriveService::AskAndRetry(const UncPath& share, const ConnectRequest& request) {
  const auto answer = prompt_(share.ToUnc(), request.account);
  if (!answer) return DriveResult::Cancelled;
  ConnectRequest retry = request;
  retry.account = answer->account;
  retry.password = answer->password;
  return Authenticate(share, retry);
}

DriveResult BookmarkDriveService::Remember(char letter, const UncPath& share, bool persistent) {
  if (!persistent) {
    sessionDrives_[letter] = share;
    return DriveResult::Done;
  }
  GtkBookmarks bookmarks;
  if (!bookmarks.Load(bookmarksFile_)) return DriveResult::ProfileNotSaved;
  bookmarks.Add(letter, share);
  return bookmarks.Save(bookmarksFile_) ? DriveResult::Done : DriveResult::ProfileNotSaved;
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
