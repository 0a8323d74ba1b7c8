// The settings buttons of the main window, wired to the device settings flows,
// on the scripted network with recording message boxes and dialogs.
#include <gtest/gtest.h>

#include <QComboBox>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/CIpAddressCtrl.h"
#include "skin/CSkinButton.h"
#include "app/ControlIds.h"
#include "settings/DriveInUseDialogRunner.h"
#include "settings/LoginDialogRunner.h"
#include "tests/app/MainWindowFixture.h"
#include "settings/MessageBoxes.h"
#include "settings/SettingsMessages.h"
#include "platform/testing/FakeBrowserService.h"
#include "platform/testing/FakeProcessLauncher.h"
#include "platform/testing/FakeReachabilityChecker.h"

namespace tarvix::testing {
namespace {

struct Shown {
  std::string text;
  std::string caption;
};

class RecordingMessages final : public settings::MessageBoxes {
 public:
  void Show(std::string_view text, std::string_view caption, settings::MessageIcon) override {
    shown.push_back({std::string(text), std::string(caption)});
  }
  std::vector<Shown> shown;
};

// Every login dialog is cancelled; the tests' devices need none.
class CancellingLogin final : public settings::LoginDialogRunner {
 public:
  std::optional<settings::LoginEntry> Run(const settings::LoginPreset&) override {
    ++runs;
    return std::nullopt;
  }
  int runs = 0;
};

class CancellingDriveInUse final : public settings::DriveInUseDialogRunner {
 public:
  int Run() override { return 0; }
};

class MainWindowSettingsTest : public MainWindowFixture {
 protected:
  CMainDlg& OpenWithSettings() {
    CMainDlg& opened = Open();
    opened.AttachSettings({reachability, browsers, launcher}, {&messages, &login, &driveInUse});
    return opened;
  }

  void Click(int id) { qobject_cast<CSkinButton*>(window->Control(id))->click(); }

  std::vector<std::string> ShownTexts() const {
    std::vector<std::string> texts;
    for (const Shown& s : messages.shown) texts.push_back(s.text);
    return texts;
  }

  platform::testing::FakeReachabilityChecker reachability;
  platform::testing::FakeBrowserService browsers;
  platform::testing::FakeProcessLauncher launcher;
  RecordingMessages messages;
  CancellingLogin login;
  CancellingDriveInUse driveInUse;
};

bool Contains(const std::vector<uint8_t>& bytes, const std::string& text) {
  return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
}

TEST_F(MainWindowSettingsTest, ApplyWithoutASelectedDeviceAsksForOne) {
  OpenWithSettings();
  Click(app::kApplyButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, settings::text::kSelectDevice);
  EXPECT_EQ(messages.shown[0].caption, settings::text::kCaptionError);
  EXPECT_TRUE(sockets.setRequests.empty());
}

TEST_F(MainWindowSettingsTest, ApplySendsTheFixedAddressAndSearchesAgain) {
  sockets.devices[0].acceptsAdmin = true;
  OpenWithSettings();
  ClickDeviceRow(RowOf("10.77.1.2"));
  window->AddressField()->SetAddress(0x0A4D0132);  // 10.77.1.50
  const int searchesBefore = sockets.discoveries;
  Click(app::kApplyButton);
  EXPECT_EQ(login.runs, 0);
  EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
  ASSERT_EQ(sockets.setRequests.size(), 1u);
  EXPECT_TRUE(Contains(sockets.setRequests[0], "10.77.1.50"));
  EXPECT_EQ(sockets.discoveries, searchesBefore + 1);
  EXPECT_FALSE(window->Operations().IsBusy());
}

TEST_F(MainWindowSettingsTest, WebManagementStartsTheDefaultBrowserOnTheDevice) {
  browsers.SetDefault("firefox");
  browsers.SetCommand("firefox", "/usr/bin/firefox");
  reachability.Open("10.77.1.2", 80);
  OpenWithSettings();
  ClickDeviceRow(RowOf("10.77.1.2"));
  Click(app::kWebButton);
  EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
  ASSERT_EQ(launcher.Execs().size(), 1u);
  EXPECT_EQ(launcher.Execs()[0].commandLine, "/usr/bin/firefox http://10.77.1.2");
  EXPECT_EQ(window->selectedHost(), "10.77.1.2");
}

TEST_F(MainWindowSettingsTest, MapWithoutASelectedVolumeWarns) {
  OpenWithSettings();
  ClickDeviceRow(RowOf("10.77.1.2"));
  Click(app::kMapButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, settings::text::kSelectDevice);
  EXPECT_EQ(messages.shown[0].caption, settings::text::kCaptionWarning);
  EXPECT_TRUE(drives.Connects().empty());
}

}  // namespace
}  // namespace tarvix::testing
