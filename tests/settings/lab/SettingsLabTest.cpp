// Drive mapping and the web launch against a lab device: smbd serving "HDD_1"
// (guests welcome) and "Private" (one account), and a web server on port 80
// only. settings-lab.sh starts them and names the device's address.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/linux/BookmarkDriveService.h"
#include "platform/linux/LibSmbAuthenticator.h"
#include "platform/linux/TcpReachabilityChecker.h"
#include "settings/DriveMapping.h"
#include "settings/Reachability.h"
#include "settings/WebManagement.h"
#include "tests/settings/support/SettingsHarness.h"

namespace tarvix::settings {
namespace {

namespace fs = std::filesystem;
using testing::ShownMessage;

const char* LabDevice() { return std::getenv("TARVIX_SETTINGS_LAB_DEVICE"); }

class SettingsLab : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!LabDevice()) GTEST_SKIP() << "runs inside the lab (settings-lab.sh)";
    address = LabDevice();
    panel.deviceRow = DeviceRow{"NAS", address};
    panel.driveItem = "K:";
    fs::remove(bookmarks);
  }
  void TearDown() override { fs::remove(bookmarks); }

  bool Map(const std::string& volume) {
    panel.volumeName = volume;
    return MapNetworkDrive(h.context, panel, inUse, drives);
  }
  std::string Mapped(char letter) const { return drives.RemoteName(letter).value_or("(none)"); }

  std::string address;
  fs::path bookmarks =
      fs::temp_directory_path() / ("tarvix-settings-lab-" + std::to_string(getpid()));
  testing::SettingsHarness h;
  testing::FakePanel panel;
  testing::FakeDriveInUseRunner inUse;
  platform::LibSmbAuthenticator smb;
  platform::BookmarkDriveService drives{bookmarks, smb};
};

const ShownMessage kMapped{"Successfully mapped drive.", "Confirm", MessageIcon::Information};
const ShownMessage kMapFailed{"Failed to map drive.", "Error", MessageIcon::Stop};

TEST_F(SettingsLab, GuestShareIsMappedWithoutAsking) {
  EXPECT_TRUE(Map("HDD_1"));
  EXPECT_TRUE(h.login.presets.empty());
  EXPECT_EQ(Mapped('K'), "\\\\" + address + "\\HDD_1");
}

TEST_F(SettingsLab, PrivateShareNeedsTheRightPassword) {
  h.login.script.push_back(LoginEntry{"bob", "wrong"});
  EXPECT_FALSE(Map("Private"));
  EXPECT_EQ(Mapped('K'), "(none)");
  h.login.script.push_back(LoginEntry{"bob", "labpass"});
  EXPECT_TRUE(Map("Private"));
  EXPECT_EQ(Mapped('K'), "\\\\" + address + "\\Private");
  EXPECT_EQ(h.messages.shown, (std::vector<ShownMessage>{kMapFailed, kMapped}));
}

TEST_F(SettingsLab, TakingOverALetterReplacesItsShare) {
  ASSERT_TRUE(Map("HDD_1"));
  panel.driveItem = "K: \\\\" + address + "\\HDD_1";
  h.login.script.push_back(LoginEntry{"bob", "labpass"});
  EXPECT_TRUE(Map("Private"));
  EXPECT_EQ(inUse.runs, 1);
  EXPECT_EQ(Mapped('K'), "\\\\" + address + "\\Private");
}

TEST_F(SettingsLab, UnmapRemovesTheDrive) {
  ASSERT_TRUE(Map("HDD_1"));
  panel.volumeLocation = "K:";
  EXPECT_TRUE(UnmapNetworkDrive(h.context, panel, drives));
  EXPECT_EQ(Mapped('K'), "(none)");
  EXPECT_FALSE(UnmapNetworkDrive(h.context, panel, drives));
}

TEST_F(SettingsLab, ReachabilityFollowsTheWebPort) {
  platform::TcpReachabilityChecker checker;
  std::atomic<int> result{0};
  CheckReachability(checker, address, false, result);
  EXPECT_EQ(result.load(), 1);
  CheckReachability(checker, address, true, result);  // nothing serves https
  EXPECT_EQ(result.load(), -1);
}

TEST_F(SettingsLab, WebLaunchStartsTheBrowserOnlyForAnAnsweringDevice) {
  platform::TcpReachabilityChecker checker;
  testing::FakeBrowserService browsers;
  browsers.SetDefault("firefox-esr.desktop");
  browsers.SetCommand("firefox-esr.desktop", "firefox-esr");
  testing::FakeProcessLauncher launcher;
  SystemClock clock;
  WorkerThread workers;
  WebServices services{checker, browsers, launcher, clock, workers};
  EXPECT_TRUE(LaunchWebManagement(h.context, panel, services));
  EXPECT_EQ(launcher.CommandLines(), std::vector<std::string>{"firefox-esr http://" + address});
  CopyField(h.session.ssl, "1");
  EXPECT_FALSE(LaunchWebManagement(h.context, panel, services));
  EXPECT_EQ(launcher.Starts().size(), 1u);
  EXPECT_EQ(h.messages.shown.back().text, "Device is no longer available.");

  // The device on link 2 serves its pages over https only: with its secure flag
  // the browser is started on the https address.
  const char* secure = std::getenv("TARVIX_SETTINGS_LAB_SECURE_DEVICE");
  ASSERT_NE(secure, nullptr);
  panel.deviceRow = DeviceRow{"Secure", secure};
  EXPECT_TRUE(LaunchWebManagement(h.context, panel, services));
  EXPECT_EQ(launcher.CommandLines().back(), std::string("firefox-esr https://") + secure);
}

}  // namespace
}  // namespace tarvix::settings
