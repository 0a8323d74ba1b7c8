#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>

#include "app/CIpAddressCtrl.h"
#include "app/ControlIds.h"
#include "app/MainDlgTemplate.h"
#include "skin/CSkinButton.h"
#include "skin/CSkinListCtrl.h"
#include "skin/DialogUnits.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowControls.h"

namespace tarvix::testing {
namespace {

using app::ControlId;

QString AddressText(const CIpAddressCtrl* field) {
  QStringList octets;
  for (int i = 0; i < CIpAddressCtrl::kFieldCount; ++i) octets << field->Field(i)->text();
  return octets.join(QLatin1Char('.'));
}

QStringList ComboItems(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

void Click(CMainDlg& window, int id) {
  auto* button = qobject_cast<CSkinButton*>(window.Control(id));
  ASSERT_NE(button, nullptr) << id;
  button->click();
}

class MainWindowTest : public MainWindowFixture {};

TEST_F(MainWindowTest, FirstSearchEndsBeforeTheWindowFirstShows) {
  struct ShowProbe : QObject {
    int rowsAtShow = -1;
    bool searchEnabledAtShow = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Show && rowsAtShow < 0) {
        auto* window = static_cast<CMainDlg*>(watched);
        rowsAtShow = DeviceListOf(*window)->GetItemCount();
        // Checked, not assumed: a missing button leaves the flag false and fails below.
        QWidget* search = window->Control(app::kSearchButton);
        searchEnabledAtShow = search && search->isEnabled();
      }
      return false;
    }
  } probe;
  protocol = std::make_unique<Protocol>(sockets, clock);
  protocol->network.StartNetwork();
  window = std::make_unique<CMainDlg>(*protocol, drives, system);
  window->installEventFilter(&probe);
  EXPECT_EQ(sockets.discoveries, 0);
  window->show();
  EXPECT_EQ(sockets.discoveries, 1);
  EXPECT_EQ(probe.rowsAtShow, 2);
  EXPECT_TRUE(probe.searchEnabledAtShow);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tarvix Storage Utility"));
  EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(MainWindowTest, SearchEmptiesThePanelFirstAndResetsTheSelection) {
  CMainDlg& w = Open();
  ClickDeviceRow(RowOf("10.77.1.2"));
  ASSERT_EQ(w.deviceSelected(), 1);
  ASSERT_EQ(VolumeListOf(w)->GetItemCount(), 2);
  ASSERT_FALSE(AddressFieldOf(w)->IsBlank());

  QWidget* search = w.Control(app::kSearchButton);
  ASSERT_NE(search, nullptr);
  bool emptiedBeforeSearch = false;
  sockets.onDiscover = [&] {
    emptiedBeforeSearch = DeviceListOf(w)->GetItemCount() == 0 &&
                          VolumeListOf(w)->GetItemCount() == 0 && AddressFieldOf(w)->IsBlank() &&
                          NetmaskFieldOf(w)->IsBlank() && GatewayFieldOf(w)->IsBlank() &&
                          PortComboOf(w)->count() == 0 && !PortComboOf(w)->isEnabled() &&
                          !search->isEnabled();
  };
  Click(w, app::kSearchButton);
  EXPECT_TRUE(emptiedBeforeSearch);
  EXPECT_EQ(w.deviceSelected(), 0);
  EXPECT_EQ(DeviceListOf(w)->GetItemCount(), 2);
  EXPECT_TRUE(search->isEnabled());
}

TEST_F(MainWindowTest, DeviceRowsShowNameAddressNetmaskGateway) {
  CMainDlg& w = Open();
  const int row = RowOf("10.77.1.2");
  ASSERT_GE(row, 0);
  EXPECT_EQ(DeviceListOf(w)->GetItemText(row, 0), QStringLiteral("NAS"));
  EXPECT_EQ(DeviceListOf(w)->GetItemText(row, 2), QStringLiteral("255.255.255.0"));
  EXPECT_EQ(DeviceListOf(w)->GetItemText(row, 3), QStringLiteral("10.77.1.1"));
}

TEST_F(MainWindowTest, ClickShowsTheDevicesDetails) {
  CMainDlg& w = Open();
  ClickDeviceRow(RowOf("10.77.1.2"));
  EXPECT_EQ(w.selectedHost(), "10.77.1.2");
  EXPECT_STREQ(protocol->session.selectedAddress, "10.77.1.2");
  EXPECT_EQ(w.selectedModel(), "NAS-2");
  EXPECT_EQ(AddressText(AddressFieldOf(w)), QStringLiteral("10.77.1.2"));
  EXPECT_EQ(AddressText(NetmaskFieldOf(w)), QStringLiteral("255.255.255.0"));
  EXPECT_EQ(AddressText(GatewayFieldOf(w)), QStringLiteral("10.77.1.1"));
  EXPECT_EQ(ComboItems(PortComboOf(w)), QStringList{QStringLiteral("LAN")});
  EXPECT_EQ(PortComboOf(w)->currentIndex(), 0);
  EXPECT_EQ(DhcpComboOf(w)->currentText(), QStringLiteral("Disable"));
  EXPECT_TRUE(AddressFieldOf(w)->isEnabled());
  EXPECT_EQ(VolumeListOf(w)->GetItemText(1, 0), QStringLiteral("photo"));
  EXPECT_EQ(sockets.queries, (std::vector<uint8_t>{20, 3, 19}));
}

TEST_F(MainWindowTest, TwoPortDeviceFoundThroughItsSecondPort) {
  sockets.devices.push_back(TwoPortDevice());
  CMainDlg& w = Open();
  ClickDeviceRow(RowOf("10.77.1.12"));
  EXPECT_EQ(ComboItems(PortComboOf(w)),
            (QStringList{QStringLiteral("LAN1"), QStringLiteral("LAN2")}));
  EXPECT_EQ(PortComboOf(w)->currentIndex(), 1);
  EXPECT_TRUE(PortComboOf(w)->isEnabled());
  EXPECT_EQ(AddressText(AddressFieldOf(w)), QStringLiteral("10.77.1.12"));
}

TEST_F(MainWindowTest, DeviceWithoutPortsDisablesThePortSelector) {
  CMainDlg& w = Open();
  ClickDeviceRow(RowOf("10.77.1.3"));
  EXPECT_EQ(PortComboOf(w)->count(), 0);
  EXPECT_FALSE(PortComboOf(w)->isEnabled());
  EXPECT_STREQ(protocol->session.lanInfo.ports[0].address, "10.77.1.3");
  EXPECT_STREQ(protocol->session.lanInfo.ports[0].dhcpFlag, "1");
}

TEST_F(MainWindowTest, DhcpOnDisablesTheAddressFieldsUntilTheUserChoosesDisable) {
  CMainDlg& w = Open();
  ClickDeviceRow(RowOf("10.77.1.3"));
  EXPECT_EQ(DhcpComboOf(w)->currentIndex(), 1);
  for (CIpAddressCtrl* f : {AddressFieldOf(w), NetmaskFieldOf(w), GatewayFieldOf(w)})
    EXPECT_FALSE(f->isEnabled());
  DhcpComboOf(w)->setCurrentIndex(0);
  emit DhcpComboOf(w)->activated(0);
  for (CIpAddressCtrl* f : {AddressFieldOf(w), NetmaskFieldOf(w), GatewayFieldOf(w)})
    EXPECT_TRUE(f->isEnabled());
}

TEST_F(MainWindowTest, GatewayOfZeroOrNothingLeavesItsFieldBlank) {
  sockets.devices.push_back(MakeDevice("NoGateway", "10.77.1.4"));
  CMainDlg& w = Open();
  for (const char* address : {"10.77.1.3", "10.77.1.4"}) {
    ClickDeviceRow(RowOf("10.77.1.2"));
    ClickDeviceRow(RowOf(address));
    EXPECT_TRUE(GatewayFieldOf(w)->IsBlank()) << address;
    EXPECT_FALSE(AddressFieldOf(w)->IsBlank()) << address;
  }
}

TEST_F(MainWindowTest, VolumeLocationShowsTheLetterThatMapsTheShare) {
  struct Case {
    std::vector<std::pair<char, std::string>> mappings;
    QString expected;
  };
  const Case cases[] = {
      {{{'K', "\\\\10.77.1.2\\music"}, {'G', "\\\\10.77.1.2\\music"}}, QStringLiteral("G:")},
      {{{'M', "\\\\nas\\MUSIC"}}, QStringLiteral("M:")},
      {{{'M', "\\\\other\\music"}}, QString()},
  };
  for (const Case& c : cases) {
    drives = {};
    for (const auto& [letter, remote] : c.mappings) drives.MapRemote(letter, remote);
    CMainDlg& w = Open();
    ClickDeviceRow(RowOf("10.77.1.2"));
    EXPECT_EQ(VolumeListOf(w)->GetItemText(0, 1), c.expected);
    window.reset();
  }
}

TEST_F(MainWindowTest, WithEveryLetterInUseNoDriveLetterIsSelected) {
  for (char letter = 'C'; letter <= 'Z'; ++letter) {
    if (letter < 'K')
      drives.SetDrive(letter, platform::DriveType::Fixed);
    else
      drives.MapRemote(letter, std::string("\\\\nas\\share") + letter);
  }
  CMainDlg& w = Open();
  ASSERT_EQ(DriveComboOf(w)->count(), 'Z' - 'K' + 1);
  EXPECT_EQ(DriveComboOf(w)->itemText(0), QStringLiteral("Z: \\\\nas\\shareZ"));
  EXPECT_EQ(DriveComboOf(w)->currentIndex(), -1);
}

TEST_F(MainWindowTest, FirstFreeLetterIsSelected) {
  drives.MapRemote('Z', "\\\\nas\\music");
  CMainDlg& w = Open();
  EXPECT_EQ(DriveComboOf(w)->itemText(1), QStringLiteral("Y:"));
  EXPECT_EQ(DriveComboOf(w)->currentIndex(), 1);
}

TEST_F(MainWindowTest, SelectedRowScrolledAboveTheTopIsNotFound) {
  for (int i = 10; i < 30; ++i)
    sockets.devices.push_back(MakeDevice("n", "10.77.1." + std::to_string(i)));
  CMainDlg& w = Open();
  CSkinListCtrl* list = DeviceListOf(w);
  list->setCurrentItem(list->topLevelItem(0));
  EXPECT_EQ(w.FindSelectedRow(*list), 0);
  list->scrollToItem(list->topLevelItem(list->GetItemCount() - 1));
  QApplication::processEvents();
  ASSERT_GT(list->GetTopIndex(), 0);
  EXPECT_EQ(w.FindSelectedRow(*list), list->GetItemCount());
}

TEST_F(MainWindowTest, ClickWithoutARowOrOnAVanishedDeviceChangesNothing) {
  CMainDlg& w = Open();
  DeviceListOf(w)->clearSelection();
  w.OnClickDeviceList();
  EXPECT_EQ(w.deviceSelected(), 0);
  EXPECT_TRUE(sockets.queries.empty());

  DeviceListOf(w)->setCurrentItem(DeviceListOf(w)->topLevelItem(0));
  protocol->devices.ClearDevices();
  w.OnClickDeviceList();
  EXPECT_EQ(w.deviceSelected(), 0);
  EXPECT_TRUE(sockets.queries.empty());
  EXPECT_TRUE(w.selectedHost().empty());
  EXPECT_TRUE(AddressFieldOf(w)->IsBlank());
}

TEST_F(MainWindowTest, HiddenControlsAreNeverVisible) {
  sockets.devices.push_back(TwoPortDevice());
  CMainDlg& w = Open();
  ClickDeviceRow(RowOf("10.77.1.12"));
  Click(w, app::kSearchButton);
  for (int id : {app::kLanguageButton, app::kBtButton, app::kWidgetButton, app::kPortCombo,
                 app::kDeviceList}) {
    QWidget* control = w.Control(id);
    ASSERT_NE(control, nullptr) << id;
    EXPECT_EQ(control->isVisible(), id == app::kDeviceList) << id;
  }
}

TEST_F(MainWindowTest, ControlsSitWhereTheTemplatePutsThem) {
  CMainDlg& w = Open();
  EXPECT_EQ(w.size(), app::kMainWindowSize);
  for (const app::TemplateControl& c : app::MainDialogTemplate().controls) {
    if (c.id == app::kNoId) continue;
    QWidget* control = w.Control(c.id);
    ASSERT_NE(control, nullptr) << c.id;
    EXPECT_EQ(control->property(app::kControlIdProperty).toInt(), c.id);
    const QRect expected = skin::DluToPixels(c.x, c.y, c.w, c.h);
    EXPECT_EQ(control->pos(), expected.topLeft()) << c.id;
    if (c.kind != app::ControlKind::DropDown) {
      EXPECT_EQ(control->size(), expected.size()) << c.id;
    }
  }
  EXPECT_EQ(ComboItems(DhcpComboOf(w)),
            (QStringList{QStringLiteral("Disable"), QStringLiteral("Enable")}));
  EXPECT_EQ(DeviceListOf(w)->columnWidth(1), 85);
  QTreeWidgetItem* header = VolumeListOf(w)->headerItem();
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->text(1), QStringLiteral("Location"));
}

TEST_F(MainWindowTest, ExitClosesTheSocketsAndTheCloseButtonDoesNot) {
  CMainDlg& w = Open();
  Click(w, app::kCloseButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(sockets.closedSockets, 0);
  EXPECT_EQ(protocol->devices.Count(), 2);

  window.reset();
  CMainDlg& again = Open();
  Click(again, app::kExitButton);
  EXPECT_FALSE(again.isVisible());
  EXPECT_EQ(sockets.closedSockets, 2);  // one sending and one receiving socket
  EXPECT_TRUE(protocol->devices.IsEmpty());
}

TEST_F(MainWindowTest, SystemCloseRequestStopsTheNetwork) {
  CMainDlg& w = Open();
  w.close();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(sockets.OpenSocketCount(), 0);
}

TEST_F(MainWindowTest, DuringAnOperationInputIsHeldBackAndCloseWaits) {
  CMainDlg& w = Open();
  bool busyCursor = false;
  sockets.onQuery = [&](uint8_t command) {
    if (command != 20) return;
    busyCursor = QGuiApplication::overrideCursor() &&
                 QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    Click(w, app::kSearchButton);
    w.close();
  };
  ClickDeviceRow(RowOf("10.77.1.2"));
  EXPECT_TRUE(busyCursor);
  EXPECT_EQ(sockets.discoveries, 1);
  EXPECT_EQ(VolumeListOf(w)->GetItemCount(), 2);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  QApplication::processEvents();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(sockets.OpenSocketCount(), 0);
}

TEST_F(MainWindowTest, WindowShapeFollowsTheSize) {
  CMainDlg& w = Open();
  w.resize(400, 300);
  QApplication::processEvents();
  const QRegion shape = w.mask();
  EXPECT_TRUE(shape.contains(QPoint(200, 1)));
  EXPECT_FALSE(shape.contains(QPoint(0, 0)));
  EXPECT_FALSE(shape.contains(QPoint(200, 0)));
}

}  // namespace
}  // namespace tarvix::testing
