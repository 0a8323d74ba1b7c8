#pragma once

#include <filesystem>
#include <map>

#include "platform/CredentialPrompt.h"
#include "platform/DriveService.h"
#include "platform/SmbAuthenticator.h"

namespace tarvix::platform {

// Linux drive letters: a mapped letter is a file manager bookmark of the
// share ("smb://SERVER/SHARE L: SHARE on SERVER"); a connection that is not
// persistent lives only as long as this object.
class BookmarkDriveService final : public DriveService {
 public:
  BookmarkDriveService(std::filesystem::path bookmarksFile, SmbAuthenticator& authenticator,
                       CredentialPrompt prompt = {});

  void SetCredentialPrompt(CredentialPrompt prompt) { prompt_ = std::move(prompt); }

  std::optional<std::string> RemoteName(char letter) const override;
  DriveType TypeOf(char letter) const override;
  DriveResult Connect(const ConnectRequest& request) override;
  DriveResult Disconnect(std::string_view driveName) override;
  std::string CurrentNetworkUser() const override;

 private:
  DriveResult Authenticate(const UncPath& share, const ConnectRequest& request);
  DriveResult AskAndRetry(const UncPath& share, const ConnectRequest& request);
  DriveResult Remember(char letter, const UncPath& share, bool persistent);
  std::optional<UncPath> Lookup(char letter) const;

  std::filesystem::path bookmarksFile_;
  SmbAuthenticator& authenticator_;
  CredentialPrompt prompt_;
  std::map<char, UncPath> sessionDrives_;
};

}  // namespace tarvix::platform
