// The settings buttons of the main window, wired to the device settings flows,
// on the scripted network with recording message boxes and dialogs.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/CIpAddressCtrl.h"
#include "app/ControlIds.h"
#include "protocol/FixedText.h"
#include "settings/LoginDialogRunner.h"
#include "settings/SettingsMessages.h"
#include "skin/CSkinButton.h"
#include "skin/CSkinListCtrl.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowControls.h"
#include "tests/mock/FakeBrowserService.h"
#include "tests/mock/FakeDriveInUseRunner.h"
#include "tests/mock/FakeLoginRunner.h"
#include "tests/mock/FakeMessageBoxes.h"
#include "tests/mock/FakeProcessLauncher.h"
#include "tests/mock/FakeReachabilityChecker.h"
#include "tests/mock/FakeWorkers.h"

namespace tarvix::testing {
namespace {

// The login dialogs are answered from `login.script`, then cancelled; a letter in
// use is never taken over; the reachability probe runs at once, so its answer is
// in before the window's wait first looks (the counting clock does not really
// wait for a thread).
class MainWindowSettingsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    driveInUse.answer = 0;
  }

  CMainDlg& OpenWithSettings() {
    CMainDlg& opened = Open();
    opened.AttachSettings({reachability, browsers, launcher, &workers},
                          {&messages, &login, &driveInUse});
    return opened;
  }

  void Click(int id) {
    auto* button = qobject_cast<CSkinButton*>(window->Control(id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
  }

  std::vector<std::string> ShownTexts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& s : messages.shown) texts.push_back(s.text);
    return texts;
  }

  FakeReachabilityChecker reachability;
  FakeBrowserService browsers;
  FakeProcessLauncher launcher;
  FakeMessageBoxes messages;
  FakeLoginRunner login;
  FakeDriveInUseRunner driveInUse;
  FakeWorkers workers;
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
  sockets.devices[0].adminPassword = "";
  OpenWithSettings();
  ClickDeviceRow(RowOf("10.77.1.2"));
  AddressFieldOf(*window)->SetAddress(0x0A4D0132);  // 10.77.1.50
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
  sockets.devices[0].adminPassword = "";
  OpenWithSettings();
  ClickDeviceRow(RowOf("10.77.1.2"));
  // Octets above 255 typed into the fields read 255: a broadcast-style address
  // (which the checks allow) and a valid netmask, nothing wrapped round.
  Type(*AddressFieldOf(*window), {"10", "77", "1", "300"});
  Type(*NetmaskFieldOf(*window), {"999", "256", "300", "0"});
  const std::string address = Displayed(*AddressFieldOf(*window));
  const std::string netmask = Displayed(*NetmaskFieldOf(*window));
  const std::string gateway = Displayed(*GatewayFieldOf(*window));
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
  ASSERT_EQ(launcher.Starts().size(), 1u);
  EXPECT_EQ(launcher.Starts()[0].commandLine, "/usr/bin/firefox http://10.77.1.2");
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

// The fields of a set request as the device reads them.
uint32_t LengthField(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
         static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

std::string TextAt(const std::vector<uint8_t>& bytes, size_t at, size_t width) {
  std::string text(bytes.begin() + static_cast<long>(at),
                   bytes.begin() + static_cast<long>(at + width));
  return text.substr(0, text.find('\0'));
}

std::string PayloadOf(const std::vector<uint8_t>& set) {
  return std::string(set.begin() + 60, set.end());
}

// A device that reports no ports and accepts the administrator without a password.
ScriptedDevice PlainDevice() {
  ScriptedDevice plain = MakeDevice("Plain", "10.77.1.5", "10.77.1.1");
  plain.adminPassword = "";
  return plain;
}

// The second of two clicks in a row: a device without ports, or one that answers
// nothing. Both are shown from their row alone, and Apply must send nothing of
// the device clicked first.
struct SecondClick {
  const char* name;
  bool answers;
};
void PrintTo(const SecondClick& c, std::ostream* os) { *os << c.name; }

class ApplyAfterTwoClicks : public MainWindowSettingsTest,
                            public ::testing::WithParamInterface<SecondClick> {};

TEST_P(ApplyAfterTwoClicks, SendsNothingOfTheDeviceClickedFirst) {
  ScriptedDevice second = PlainDevice();
  second.answersQueries = GetParam().answers;
  sockets.devices.push_back(second);
  sockets.devices[0].adminPassword = "";
  OpenWithSettings();
  ClickDeviceRow(RowOf("10.77.1.2"));
  ASSERT_EQ(PortComboOf(*window)->count(), 1);  // the first device reported its port
  ClickDeviceRow(RowOf("10.77.1.5"));
  EXPECT_EQ(PortComboOf(*window)->count(), 0);
  EXPECT_FALSE(PortComboOf(*window)->isEnabled());
  EXPECT_STREQ(protocol->session.lanInfo.ports[0].name, "");
  EXPECT_STREQ(protocol->session.lanInfo.ports[0].address, "10.77.1.5");

  Click(app::kApplyButton);
  if (!GetParam().answers) {
    // No answer to the login check counts as a refusal: nothing at all is sent.
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{settings::text::kWrongAdminPassword});
    EXPECT_TRUE(sockets.setRequests.empty());
    return;
  }
  EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
  ASSERT_EQ(sockets.setRequests.size(), 1u);
  const std::vector<uint8_t>& set = sockets.setRequests[0];
  ASSERT_GE(set.size(), 60u);
  EXPECT_EQ(set[21], 1);  // a fixed address, not the port record (command 21)
  EXPECT_EQ(LengthField(set, 56), 9u);
  EXPECT_EQ(PayloadOf(set), "10.77.1.5");
  EXPECT_EQ(TextAt(set, 24, 16), "255.255.255.0");
  EXPECT_EQ(TextAt(set, 40, 16), "10.77.1.1");
  EXPECT_EQ((SentRequest{0, set}.TargetAddress()), "10.77.1.5");
}

INSTANTIATE_TEST_SUITE_P(SecondDevice, ApplyAfterTwoClicks,
                         ::testing::Values(SecondClick{"WithoutPorts", true},
                                           SecondClick{"Silent", false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(MainWindowSettingsTest, SecureFlagOfTheDeviceClickedBeforeIsNotCarriedOver) {
  sockets.devices[0].ssl = "1";
  ScriptedDevice silent = PlainDevice();
  silent.answersQueries = false;
  sockets.devices.push_back(silent);
  browsers.SetDefault("firefox");
  browsers.SetCommand("firefox", "/usr/bin/firefox");
  reachability.Open("10.77.1.5", 80);
  OpenWithSettings();
  ClickDeviceRow(RowOf("10.77.1.2"));
  ClickDeviceRow(RowOf("10.77.1.5"));
  Click(app::kWebButton);
  EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
  ASSERT_EQ(launcher.Starts().size(), 1u);
  EXPECT_EQ(launcher.Starts()[0].commandLine, "/usr/bin/firefox http://10.77.1.5");
}

TEST_F(MainWindowSettingsTest, MappingAfterAnApplyNeverOffersTheAdministratorsPassword) {
  sockets.devices[0].adminPassword = "pw";
  // The administrator's login is typed; the share login that follows is cancelled.
  login.script = {settings::LoginEntry{"admin", "pw"}};
  drives.SetDefaultConnectResult(platform::DriveResult::RefusedCredentials);  // every attempt
  OpenWithSettings();
  ClickDeviceRow(RowOf("10.77.1.2"));
  Click(app::kApplyButton);
  ASSERT_EQ(sockets.setRequests.size(), 1u);
  ASSERT_STREQ(protocol->session.loginPassword, "pw");  // what the Apply left behind

  ClickDeviceRow(RowOf("10.77.1.2"));
  CSkinListCtrl* volumes = VolumeListOf(*window);
  ASSERT_NE(volumes, nullptr);
  ASSERT_GT(volumes->GetItemCount(), 0);
  volumes->setCurrentItem(volumes->topLevelItem(0));
  Click(app::kMapButton);
  EXPECT_EQ(login.runs, 2);
  ASSERT_EQ(drives.Connects().size(), 2u);  // the silent attempt, then the cancelled login's
  for (const platform::ConnectRequest& request : drives.Connects()) {
    EXPECT_EQ(request.remoteName, "\\\\10.77.1.2\\music");
    EXPECT_EQ(request.account, "");
    EXPECT_EQ(request.password, std::optional<std::string>(""));
  }
  EXPECT_EQ(ShownTexts().back(), settings::text::kMapFailed);
}

TEST_F(MainWindowSettingsTest, AfterAMappingTheVolumeListIgnoresTheCaseOfTheServer) {
  drives.MapRemote('M', "\\\\nas\\MUSIC");  // made in the file manager, for the device NAS
  OpenWithSettings();
  ClickDeviceRow(RowOf("10.77.1.2"));
  CSkinListCtrl* volumes = VolumeListOf(*window);
  ASSERT_NE(volumes, nullptr);
  ASSERT_GT(volumes->GetItemCount(), 0);
  ASSERT_EQ(volumes->GetItemText(0, 1), QStringLiteral("M:"));
  volumes->setCurrentItem(volumes->topLevelItem(0));
  ASSERT_EQ(DriveComboOf(*window)->currentText(), QStringLiteral("Z:"));
  Click(app::kMapButton);
  EXPECT_EQ(ShownTexts(), std::vector<std::string>{settings::text::kMapped});
  EXPECT_EQ(DriveComboOf(*window)->itemText(0), QStringLiteral("Z: \\\\10.77.1.2\\music"));
  // Z: (by address) and M: (by name, in other letters) both map the volume; the
  // lowest letter is shown, as after a click.
  EXPECT_EQ(volumes->GetItemText(0, 1), QStringLiteral("M:"));
}

TEST_F(MainWindowSettingsTest, ApplyMovesTheDeviceEntryThenSearchesAgain) {
  ScriptedDevice& nas = sockets.devices[0];
  nas.adminPassword = "";
  const std::array<uint8_t, 6> identity = nas.identity;
  OpenWithSettings();
  ClickDeviceRow(RowOf("10.77.1.2"));
  AddressFieldOf(*window)->SetAddress(0x0A4D0132);  // 10.77.1.50

  // What the protocol holds when the search after the change begins: the window
  // empties its device list first, before the device list is rebuilt.
  struct Seen {
    bool found = false;
    bool oldAddressGone = false;
    std::vector<uint8_t> deviceId;
    std::string netmask, gateway, selectedAddress;
    int discoveries = 0;
  };
  std::optional<Seen> seen;
  // The connection ends with this test's locals, not with the window: tearing the
  // window down resets the list's model too.
  QObject scope;
  QObject::connect(DeviceListOf(*window)->model(), &QAbstractItemModel::modelAboutToBeReset, &scope,
                   [&] {
                     if (seen) return;
                     seen.emplace();
                     const DeviceNode* moved = protocol->devices.FindByAddress("10.77.1.50");
                     seen->found = moved != nullptr;
                     seen->oldAddressGone = !protocol->devices.FindByAddress("10.77.1.2");
                     if (moved) {
                       seen->deviceId.assign(moved->deviceId, moved->deviceId + 10);
                       seen->netmask = moved->netmask;
                       seen->gateway = moved->gateway;
                     }
                     seen->selectedAddress = protocol->session.selectedAddress;
                     seen->discoveries = sockets.discoveries;
                   });
  const int searchesBefore = sockets.discoveries;
  Click(app::kApplyButton);
  EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
  ASSERT_EQ(sockets.setRequests.size(), 1u);
  const std::vector<uint8_t>& set = sockets.setRequests[0];
  ASSERT_EQ(set.size(), 180u);
  EXPECT_EQ(set[21], 21);  // the device reported its port: the whole record goes
  EXPECT_EQ(TextAt(set, 60, 10), "LAN");
  EXPECT_EQ(TextAt(set, 70, 16), "10.77.1.50");

  ASSERT_TRUE(seen.has_value());
  EXPECT_EQ(seen->discoveries, searchesBefore);
  EXPECT_TRUE(seen->found);
  EXPECT_TRUE(seen->oldAddressGone);
  std::vector<uint8_t> expectedId(identity.begin(), identity.end());
  expectedId.insert(expectedId.end(), {10, 77, 1, 50});
  EXPECT_EQ(seen->deviceId, expectedId);
  EXPECT_EQ(seen->netmask, "255.255.255.0");
  EXPECT_EQ(seen->gateway, "10.77.1.1");
  EXPECT_EQ(seen->selectedAddress, "10.77.1.50");

  // The new search finds the device at its new address; nothing is selected.
  EXPECT_EQ(sockets.discoveries, searchesBefore + 1);
  EXPECT_EQ(RowOf("10.77.1.2"), -1);
  ASSERT_GE(RowOf("10.77.1.50"), 0);
  EXPECT_EQ(window->deviceSelected(), 0);
  EXPECT_STREQ(protocol->session.selectedAddress, "10.77.1.50");
  ClickDeviceRow(RowOf("10.77.1.50"));
  EXPECT_EQ(VolumeListOf(*window)->GetItemCount(), 2);
}

TEST_F(MainWindowSettingsTest, EachDeviceIsQueriedAndSetThroughItsOwnInterface) {
  sockets.localAddresses = {"10.77.1.1", "10.77.2.1"};
  ScriptedDevice far = MakeDevice("Far", "10.77.2.2", "10.77.2.1");
  far.interfaceIndex = 1;
  far.portText = "LAN:10.77.2.2:255.255.255.0:10.77.2.1:0";
  far.shareText = "films";
  far.ssl = "1";
  far.adminPassword = "";
  sockets.devices.push_back(far);
  OpenWithSettings();
  ASSERT_GE(RowOf("10.77.2.2"), 0);

  ClickDeviceRow(RowOf("10.77.1.2"));
  EXPECT_EQ(VolumeListOf(*window)->GetItemCount(), 2);
  ClickDeviceRow(RowOf("10.77.2.2"));
  ASSERT_EQ(VolumeListOf(*window)->GetItemCount(), 1);
  EXPECT_EQ(VolumeListOf(*window)->GetItemText(0, 0), QStringLiteral("films"));
  EXPECT_EQ(PortComboOf(*window)->count(), 1);
  EXPECT_STREQ(protocol->session.ssl, "1");
  Click(app::kApplyButton);
  EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
  ASSERT_EQ(sockets.setRequests.size(), 1u);

  int farRequests = 0;
  for (const SentRequest& request : sockets.sent) {
    if (request.Type() != 3 && request.Type() != 5) continue;
    const bool forFar = request.TargetAddress() == "10.77.2.2";
    farRequests += forFar;
    EXPECT_EQ(request.interfaceIndex, forFar ? 1 : 0)
        << "command " << int(request.Command()) << " for " << request.TargetAddress();
  }
  EXPECT_EQ(farRequests, 5);         // port text, shares, secure flag, login check, the set
  EXPECT_GE(RowOf("10.77.2.2"), 0);  // still there after the search that followed
}

}  // namespace
}  // namespace tarvix::testing
