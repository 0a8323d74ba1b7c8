// The main window against simulated devices, inside the network lab. Run through
//   lab.sh run 1 -- tarvix_app_lab_test [SCREENSHOT]
// Without a lab the test reports itself skipped (exit status 77).
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <optional>
#include <string>

#include "app/CIpAddressCtrl.h"
#include "app/CMainDlg.h"
#include "app/ControlIds.h"
#include "app/QtEventClock.h"
#include "platform/linux/LinuxSystemInfo.h"
#include "protocol/PosixSocketApi.h"
#include "protocol/Protocol.h"
#include "skin/CSkinButton.h"
#include "skin/CSkinListCtrl.h"
#include "tests/app/WindowControls.h"
#include "tests/mock/FakeBrowserService.h"
#include "tests/mock/FakeDriveService.h"
#include "tests/mock/FakeProcessLauncher.h"
#include "tests/mock/FakeReachabilityChecker.h"
#include "tests/mock/UnexpectedTalkers.h"
#include "tests/support/LabGuard.h"

using namespace tarvix::testing;

namespace {

constexpr int kSkipped = 77;
const char* screenshotPath = nullptr;

bool StartSimulator() {
  const std::string command = std::string("\"") + std::getenv("TARVIX_LAB_SCRIPT") + "\" sim \"" +
                              std::getenv("TARVIX_LAB") +
                              "\" 1 \"" TARVIX_LAB_DEVICES "\" >/dev/null";
  return std::system(command.c_str()) == 0;
}

int RowOf(const CSkinListCtrl& list, const QString& name) {
  for (int row = 0; row < list.GetItemCount(); ++row) {
    if (list.GetItemText(row, 0) == name) return row;
  }
  return -1;
}

QString AddressText(const CIpAddressCtrl* field) {
  QStringList octets;
  for (int i = 0; i < CIpAddressCtrl::kFieldCount; ++i) octets << field->Field(i)->text();
  return octets.join(QLatin1Char('.'));
}

void ClickRow(CSkinListCtrl& list, int row) {
  const QRect rect = list.visualItemRect(list.topLevelItem(row));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
}

// The lab's simulated devices and the window's protocol on the lab's real sockets.
class MainWindowInLab : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartSimulator());
    ASSERT_TRUE(protocol.network.StartNetwork());
    protocol.commands.SetTraceSink({});
  }

  tarvix::PosixSocketApi sockets;
  tarvix::app::QtEventClock clock;
  tarvix::Protocol protocol{sockets, clock};
  tarvix::testing::FakeDriveService drives;
  tarvix::platform::LinuxSystemInfo system;
};

TEST_F(MainWindowInLab, ListsTheDevicesAndShowsTheClickedOne) {
  drives.MapRemote('M', "\\\\10.77.1.20\\Public");
  CMainDlg window(protocol, drives, system);
  window.show();

  CSkinListCtrl& devices = *DeviceListOf(window);
  ASSERT_EQ(devices.GetItemCount(), 2);
  const int nas = RowOf(devices, QStringLiteral("Office-NAS"));
  ASSERT_GE(nas, 0);
  ClickRow(devices, nas);
  EXPECT_EQ(window.deviceSelected(), 1);
  EXPECT_EQ(AddressText(AddressFieldOf(window)), QStringLiteral("10.77.1.20"));
  EXPECT_EQ(AddressText(GatewayFieldOf(window)), QStringLiteral("10.77.1.1"));
  EXPECT_EQ(DhcpComboOf(window)->currentText(), QStringLiteral("Disable"));
  EXPECT_EQ(PortComboOf(window)->count(), 2);
  EXPECT_EQ(PortComboOf(window)->currentIndex(), 0);
  ASSERT_EQ(VolumeListOf(window)->GetItemCount(), 3);
  EXPECT_EQ(VolumeListOf(window)->GetItemText(1, 0), QStringLiteral("Public"));
  EXPECT_EQ(VolumeListOf(window)->GetItemText(1, 1), QStringLiteral("M:"));
  EXPECT_STREQ(protocol.session.ssl, "1");
  if (screenshotPath) window.grab().save(QString::fromLocal8Bit(screenshotPath));

  ClickRow(devices, RowOf(devices, QStringLiteral("Basement")));
  EXPECT_EQ(DhcpComboOf(window)->currentText(), QStringLiteral("Enable"));
  EXPECT_FALSE(AddressFieldOf(window)->isEnabled());
  EXPECT_TRUE(GatewayFieldOf(window)->IsBlank());
  EXPECT_EQ(VolumeListOf(window)->GetItemText(1, 0), QStringLiteral("Backup"));
}

// Any message or login dialog fails the test: the simulated administrator has
// an empty password and the new address is valid.
TEST_F(MainWindowInLab, AppliedFixedAddressMovesTheDeviceAndTheSearchFindsItThere) {
  tarvix::testing::FakeReachabilityChecker reachability;
  tarvix::testing::FakeBrowserService browsers;
  tarvix::testing::FakeProcessLauncher launcher;
  tarvix::testing::UnexpectedMessages messages;
  tarvix::testing::UnexpectedLogin login;
  CMainDlg window(protocol, drives, system);
  window.AttachSettings({reachability, browsers, launcher}, {&messages, &login, nullptr});
  window.show();

  CSkinListCtrl& devices = *DeviceListOf(window);
  const int nas = RowOf(devices, QStringLiteral("Office-NAS"));
  ASSERT_GE(nas, 0);
  ClickRow(devices, nas);
  ASSERT_EQ(devices.GetItemText(nas, 1), QStringLiteral("10.77.1.20"));
  AddressFieldOf(window)->SetAddress(0x0A4D0128);  // 10.77.1.40
  auto* apply = qobject_cast<CSkinButton*>(window.Control(tarvix::app::kApplyButton));
  ASSERT_NE(apply, nullptr);
  apply->click();

  const int moved = RowOf(devices, QStringLiteral("Office-NAS"));
  ASSERT_GE(moved, 0);
  EXPECT_EQ(devices.GetItemText(moved, 1), QStringLiteral("10.77.1.40"));
  EXPECT_EQ(devices.GetItemText(moved, 3), QStringLiteral("10.77.1.1"));
  EXPECT_EQ(devices.GetItemCount(), 2);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  std::string why;
  if (!tarvix::lab::InsideLab(&why)) {
    std::printf("SKIPPED: %s\n", why.c_str());
    return kSkipped;
  }
  if (argc > 1) screenshotPath = argv[1];
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
