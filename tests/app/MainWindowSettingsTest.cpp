// The settings buttons of the main window, wired to the device settings flows,
// on the scripted network with recording message boxes and dialogs.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "CIpAddressCtrl.h"
#include "CSkinButton.h"
#include "ControlIds.h"
#include "DriveInUseDialogRunner.h"
#include "FixedText.h"
#include "LoginDialogRunner.h"
#include "MainWindowFixture.h"
#include "MessageBoxes.h"
#include "SettingsMessages.h"
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

// What an address control shows, its four octets joined by dots.
std::string Displayed(const CIpAddressCtrl& field) {
  QStringList octets;
  for (int i = 0; i < CIpAddressCtrl::kFieldCount; ++i) octets << field.Field(i)->text();
  return octets.join('.').toStdString();
}

// Types each octet afresh, key by key, as a user does.
void Type(CIpAddressCtrl& field, const std::array<const char*, 4>& octets) {
  for (int i = 0; i < CIpAddressCtrl::kFieldCount; ++i) {
    field.Field(i)->clear();
    QTest::keyClicks(field.Field(i), QString::fromLatin1(octets[static_cast<size_t>(i)]));
  }
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

TEST_F(MainWindowSettingsTest, ApplySendsExactlyWhatTheAddressFieldsShow) {
  sockets.devices[0].acceptsAdmin = true;
  OpenWithSettings();
  ClickDeviceRow(RowOf("10.77.1.2"));
  // Octets above 255 typed into the fields read 255: a broadcast-style address
  // (which the checks allow) and a valid netmask, nothing wrapped round.
  Type(*window->AddressField(), {"10", "77", "1", "300"});
  Type(*window->NetmaskField(), {"999", "256", "300", "0"});
  const std::string address = Displayed(*window->AddressField());
  const std::string netmask = Displayed(*window->NetmaskField());
  const std::string gateway = Displayed(*window->GatewayField());
  EXPECT_EQ(address, "10.77.1.255");
  EXPECT_EQ(netmask, "255.255.255.0");
  Click(app::kApplyButton);
  EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
  const DeviceSession& session = protocol->session;
  EXPECT_EQ(FieldText(session.lanInfo.ports[0].address), address);
  EXPECT_EQ(FieldText(session.lanInfo.ports[0].netmask), netmask);
  EXPECT_EQ(FieldText(session.lanInfo.ports[0].gateway), gateway);
  EXPECT_EQ(FieldText(session.pendingAddress), address);
  EXPECT_EQ(FieldText(session.pendingNetmask), netmask);
  EXPECT_EQ(FieldText(session.pendingGateway), gateway);
  ASSERT_EQ(sockets.setRequests.size(), 1u);
  for (const std::string& shown : {address, netmask, gateway})
    EXPECT_TRUE(Contains(sockets.setRequests[0], shown)) << shown;
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
