#include "settings/AdministratorCheck.h"

#include <gtest/gtest.h>

#include "tests/settings/support/SettingsHarness.h"

namespace tarvix::settings {
namespace {

using testing::ShownMessage;

class AdministratorCheck : public ::testing::Test {
 protected:
  void SetUp() override { h.state.adminLoginMode = 1; }
  testing::SettingsHarness h;
  const ShownMessage wrong{"Wrong administrator password input!", "Error", MessageIcon::Stop};
};

TEST_F(AdministratorCheck, EmptyPasswordAcceptedWithoutDialog) {
  CopyField(h.session.loginPassword, "stale");
  EXPECT_TRUE(VerifyAdministrator(h.context));
  EXPECT_TRUE(h.login.presets.empty());
  EXPECT_EQ(h.operations.log, std::vector<std::string>{"VerifyLogin admin/"});
}

TEST_F(AdministratorCheck, TypedPasswordIsTriedAfterTheEmptyOne) {
  h.operations.adminPassword = "secret";
  h.login.script.push_back(LoginEntry{"admin", "secret"});
  EXPECT_TRUE(VerifyAdministrator(h.context));
  EXPECT_EQ(h.login.presets, std::vector<LoginPreset>{(LoginPreset{"admin", true})});
  EXPECT_EQ(h.operations.log,
            (std::vector<std::string>{"VerifyLogin admin/", "VerifyLogin admin/secret"}));
  EXPECT_TRUE(h.messages.shown.empty());
}

TEST_F(AdministratorCheck, CancelSendsTheDefaultsAgainAndComplains) {
  h.operations.adminPassword = "secret";
  EXPECT_FALSE(VerifyAdministrator(h.context));
  EXPECT_EQ(h.operations.log,
            (std::vector<std::string>{"VerifyLogin admin/", "VerifyLogin admin/"}));
  EXPECT_EQ(h.messages.shown, std::vector<ShownMessage>{wrong});
}

TEST_F(AdministratorCheck, WrongPasswordOrSilentDeviceIsRefused) {
  h.operations.adminPassword = "secret";
  h.login.script.push_back(LoginEntry{"admin", "guess"});
  EXPECT_FALSE(VerifyAdministrator(h.context));
  h.operations.answers = false;
  h.login.script.push_back(LoginEntry{"admin", "secret"});
  EXPECT_FALSE(VerifyAdministrator(h.context));
  EXPECT_EQ(h.messages.shown, (std::vector<ShownMessage>{wrong, wrong}));
}

}  // namespace
}  // namespace tarvix::settings
