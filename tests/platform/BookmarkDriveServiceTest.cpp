#include "platform/linux/BookmarkDriveService.h"

#include <gtest/gtest.h>

#include "platform/linux/EffectiveUser.h"
#include "tests/mock/FakeSmbAuthenticator.h"
#include "tests/platform/support/TempDir.h"

namespace tarvix::platform {
namespace {

using testing::FakeSmbAuthenticator;
using testsupport::TempDir;

ConnectRequest Request(char letter, std::string account, std::optional<std::string> password) {
  return ConnectRequest{
      letter, R"(\\10.0.0.2\HDD_1)", std::move(account), std::move(password), true, false};
}

class BookmarkDriveServiceTest : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return dir_.Path() / "gtk-3.0" / "bookmarks"; }

  TempDir dir_;
  FakeSmbAuthenticator auth_;
  BookmarkDriveService drives_{File(), auth_};
};

TEST_F(BookmarkDriveServiceTest, AcceptedConnectionBecomesABookmarkOfTheLetter) {
  dir_.Write("gtk-3.0/bookmarks", "file:///tmp Temp\n");
  auth_.Accept(R"(WORKGROUP\alice)", "secret");
  ASSERT_EQ(drives_.Connect(Request('k', R"(WORKGROUP\alice)", "secret")), DriveResult::Done);
  EXPECT_EQ(dir_.Read("gtk-3.0/bookmarks"),
            "file:///tmp Temp\nsmb://10.0.0.2/HDD_1 K: HDD_1 on 10.0.0.2\n");
  EXPECT_EQ(drives_.RemoteName('K'), R"(\\10.0.0.2\HDD_1)");
  EXPECT_EQ(drives_.TypeOf('K'), DriveType::Remote);
  EXPECT_EQ(drives_.TypeOf('J'), DriveType::NoRootDir);
  EXPECT_EQ(drives_.RemoteName('J'), std::nullopt);
  ASSERT_EQ(auth_.Attempts().size(), 1u);
  EXPECT_EQ(auth_.Attempts()[0].credentials.account, (SmbAccount{"WORKGROUP", "alice"}));
}

TEST_F(BookmarkDriveServiceTest, RefusedOrInvalidConnectionsWriteNothing) {
  auth_.Accept("", "");
  dir_.Write("gtk-3.0/bookmarks", "smb://NAS/A G: A on NAS\n");
  const std::pair<ConnectRequest, DriveResult> cases[] = {
      {Request('K', "bob", "wrong"), DriveResult::RefusedCredentials},
      {Request('G', "", ""), DriveResult::LetterInUse},
      {Request('1', "", ""), DriveResult::BadLetter},
      {ConnectRequest{'K', "//NAS/A", "", "", true, false}, DriveResult::NoSuchShare},
  };
  for (const auto& [request, result] : cases)
    EXPECT_EQ(drives_.Connect(request), result) << request.letter;
  EXPECT_EQ(dir_.Read("gtk-3.0/bookmarks"), "smb://NAS/A G: A on NAS\n");
}

TEST_F(BookmarkDriveServiceTest, AbsentPasswordReachesTheAuthenticatorAsAbsent) {
  auth_.Accept(R"(DOM\user)", std::nullopt);
  EXPECT_EQ(drives_.Connect(Request('K', R"(DOM\user)", std::nullopt)), DriveResult::Done);
  EXPECT_FALSE(auth_.Attempts().back().credentials.password.has_value());
}

TEST_F(BookmarkDriveServiceTest, InteractiveConnectionAsksOnceAfterARefusal) {
  auth_.Accept(R"(DOM\carol)", "pw");
  int asked = 0;
  drives_.SetCredentialPrompt([&](const std::string& remote, const std::string& account) {
    ++asked;
    EXPECT_EQ(remote, R"(\\10.0.0.2\HDD_1)");
    EXPECT_EQ(account, "");
    return std::optional<PromptedCredentials>({R"(DOM\carol)", "pw"});
  });
  ConnectRequest request = Request('K', "", "");
  request.interactive = true;
  EXPECT_EQ(drives_.Connect(request), DriveResult::Done);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(auth_.Attempts().size(), 2u);
}

TEST_F(BookmarkDriveServiceTest, PromptIsNotUsedWithoutInteractiveAndCancelStops) {
  int asked = 0;
  drives_.SetCredentialPrompt([&](const std::string&, const std::string&) {
    ++asked;
    return std::optional<PromptedCredentials>();
  });
  EXPECT_EQ(drives_.Connect(Request('K', "", "")), DriveResult::RefusedCredentials);
  EXPECT_EQ(asked, 0);
  ConnectRequest request = Request('K', "", "");
  request.interactive = true;
  EXPECT_EQ(drives_.Connect(request), DriveResult::Cancelled);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(drives_.RemoteName('K'), std::nullopt);
}

TEST_F(BookmarkDriveServiceTest, ConnectionWithoutLetterOnlyAuthenticates) {
  auth_.Accept("", "");
  EXPECT_EQ(drives_.Connect(Request('\0', "", "")), DriveResult::Done);
  EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(BookmarkDriveServiceTest, SessionConnectionLeavesTheBookmarksAlone) {
  auth_.Accept("", "");
  ConnectRequest request = Request('M', "", "");
  request.persistent = false;
  ASSERT_EQ(drives_.Connect(request), DriveResult::Done);
  EXPECT_EQ(drives_.RemoteName('M'), R"(\\10.0.0.2\HDD_1)");
  EXPECT_FALSE(std::filesystem::exists(File()));
  EXPECT_EQ(drives_.Disconnect("M:"), DriveResult::Done);
  EXPECT_EQ(drives_.RemoteName('M'), std::nullopt);
}

TEST_F(BookmarkDriveServiceTest, DisconnectRemovesTheBookmarkAndRefusesUnknownDrives) {
  dir_.Write("gtk-3.0/bookmarks", "smb://NAS/A G: A on NAS\nfile:///x X\n");
  const std::pair<const char*, DriveResult> cases[] = {
      {"g:", DriveResult::Done},         {"G:", DriveResult::NotConnected},
      {"H:", DriveResult::NotConnected}, {"", DriveResult::NotConnected},
      {"GG", DriveResult::NotConnected},
  };
  for (const auto& [name, result] : cases) EXPECT_EQ(drives_.Disconnect(name), result) << name;
  EXPECT_EQ(dir_.Read("gtk-3.0/bookmarks"), "file:///x X\n");
}

TEST_F(BookmarkDriveServiceTest, NetworkUserIsTheEffectiveLoginName) {
  EXPECT_EQ(drives_.CurrentNetworkUser(), EffectiveUserName());
}

}  // namespace
}  // namespace tarvix::platform
