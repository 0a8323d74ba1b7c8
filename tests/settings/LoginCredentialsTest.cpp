#include "settings/LoginCredentials.h"

#include <gtest/gtest.h>

#include "tests/settings/support/SettingsHarness.h"

namespace tarvix::settings {
namespace {

TEST(LoginPreset, AdministratorModeFixesAdmin) {
  testing::FakeSystemInfo system;
  system.SetVersionName("Windows ME");
  EXPECT_EQ(LoginPresetFor(1, system), (LoginPreset{"admin", true}));
}

TEST(LoginPreset, Windows98AndMeFixTheLogonName) {
  testing::FakeSystemInfo system;
  for (const char* name : {"Windows 98", "Windows ME"}) {
    system.SetVersionName(name);
    EXPECT_EQ(LoginPresetFor(0, system), (LoginPreset{"winuser", true}));
  }
}

TEST(LoginPreset, OtherSystemsStartEmptyAndEditable) {
  testing::FakeSystemInfo system;
  for (const char* name : {"Linux", "Windows XP", "Vista", "Windows NT 4"}) {
    system.SetVersionName(name);
    EXPECT_EQ(LoginPresetFor(0, system), (LoginPreset{"", false}));
  }
}

TEST(LoginPreset, LongLogonNameIsHeldToItsBuffer) {
  testing::FakeSystemInfo system;
  system.SetVersionName("Windows ME");
  system.SetUserName(std::string(300, 'u'));
  EXPECT_EQ(LoginPresetFor(0, system).userName.size(), 127u);
}

TEST(StoreLoginEntry, SixteenCharactersAreCutToTheFifteenTheFieldHolds) {
  DeviceSession session;
  StoreLoginEntry({"abcdefghijklmnop", "0123456789ABCDEF"}, session);
  EXPECT_EQ(FieldText(session.loginUser), "abcdefghijklmno");
  EXPECT_EQ(FieldText(session.loginPassword), "0123456789ABCDE");
}

TEST(StoreLoginEntry, CutNeverSplitsACharacter) {
  DeviceSession session;
  StoreLoginEntry({"abcdefghijklmn\xC3\xA9", ""}, session);  // 'é' would end at byte 16
  EXPECT_EQ(FieldText(session.loginUser), "abcdefghijklmn");
}

TEST(RunLoginDialog, CancelKeepsWhatTheCallerSet) {
  DeviceSession session;
  ResetLogin(session, "admin", "");
  testing::FakeLoginRunner runner;
  RunLoginDialog(runner, {"admin", true}, session);
  EXPECT_EQ(FieldText(session.loginUser), "admin");
  EXPECT_EQ(FieldText(session.loginPassword), "");
}

}  // namespace
}  // namespace tarvix::settings
