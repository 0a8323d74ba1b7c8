// Against a private smbd on 127.0.0.1: the SMB authentication and a drive
// connection end to end.
#include <gtest/gtest.h>

#include <memory>

#include "platform/linux/BookmarkDriveService.h"
#include "platform/linux/LibSmbAuthenticator.h"
#include "tests/platform/support/SmbdServer.h"
#include "tests/platform/support/TempDir.h"

namespace tarvix::platform {
namespace {

using testsupport::SmbdServer;
using testsupport::TempDir;

constexpr const char* kUser = "tarvixsmbuser";
constexpr const char* kPassword = "Secret-123";

class SmbdAuthenticationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (SmbdServer::WhyUnavailable()) return;
    shares_ = std::make_unique<TempDir>();
    std::filesystem::create_directories(shares_->Path() / "public");
    std::filesystem::create_directories(shares_->Path() / "private");
    std::filesystem::permissions(shares_->Path(), std::filesystem::perms::all);
    std::filesystem::permissions(shares_->Path() / "public", std::filesystem::perms::all);
    std::filesystem::permissions(shares_->Path() / "private", std::filesystem::perms::all);
    testsupport::SmbdOptions options;
    options.shares = {{"HDD_1", shares_->Path() / "public", true, {}},
                      {"Private", shares_->Path() / "private", false, {kUser}}};
    options.users = {{kUser, kPassword}};
    server_ = std::make_unique<SmbdServer>(options);
    startError_ = server_->Start();
  }
  static void TearDownTestSuite() {
    server_.reset();
    shares_.reset();
  }

  void SetUp() override {
    if (auto why = SmbdServer::WhyUnavailable()) GTEST_SKIP() << *why;
    ASSERT_EQ(startError_, "");
  }

  SmbAuthResult Authenticate(const char* share, const std::string& account,
                             std::optional<std::string> password) {
    LibSmbAuthenticator auth({server_->Port(), 10000});
    return auth.Authenticate(UncPath{"127.0.0.1", share, ""},
                             SmbCredentials{SmbAccount::Split(account), std::move(password)});
  }

  static inline std::unique_ptr<TempDir> shares_;
  static inline std::unique_ptr<SmbdServer> server_;
  static inline std::string startError_;
};

TEST_F(SmbdAuthenticationTest, AcceptsRightCredentialsAndRefusesWrongOnes) {
  struct Case {
    const char* share;
    std::string account;
    std::optional<std::string> password;
    SmbAuthResult expected;
  };
  const Case cases[] = {
      {"Private", kUser, kPassword, SmbAuthResult::Accepted},
      {"Private", std::string("WORKGROUP\\") + kUser, kPassword, SmbAuthResult::Accepted},
      {"Private", kUser, "wrong", SmbAuthResult::Refused},
      {"Private", "nosuchuser", kPassword, SmbAuthResult::Refused},
      {"Private", "", "", SmbAuthResult::Refused},
      {"HDD_1", "", "", SmbAuthResult::Accepted},
      {"HDD_1", kUser, kPassword, SmbAuthResult::Accepted},
      {"Missing", kUser, kPassword, SmbAuthResult::NoSuchShare},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Authenticate(c.share, c.account, c.password), c.expected)
        << c.share << " as '" << c.account << "' / " << c.password.value_or("(absent)");
  }
}

TEST_F(SmbdAuthenticationTest, ClosedPortIsUnreachable) {
  LibSmbAuthenticator auth({testsupport::FreeLoopbackPort(), 10000});
  EXPECT_EQ(auth.Authenticate(UncPath{"127.0.0.1", "HDD_1", ""}, SmbCredentials{}),
            SmbAuthResult::Unreachable);
}

TEST_F(SmbdAuthenticationTest, InteractiveDriveConnectionWritesTheBookmark) {
  TempDir config;
  LibSmbAuthenticator auth({server_->Port(), 10000});
  BookmarkDriveService drives(config.Path() / "bookmarks", auth,
                              [](const std::string&, const std::string&) {
                                return std::optional<PromptedCredentials>({kUser, kPassword});
                              });
  const ConnectRequest request{'P', R"(\\127.0.0.1\Private)", "", "", true, true};
  ASSERT_EQ(drives.Connect(request), DriveResult::Done);
  EXPECT_EQ(config.Read("bookmarks"), "smb://127.0.0.1/Private P: Private on 127.0.0.1\n");
}

}  // namespace
}  // namespace tarvix::platform
