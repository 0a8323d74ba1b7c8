#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowControls.h"

#include <QApplication>

#include "skin/CSkinListCtrl.h"

namespace tarvix::testing {

void MainWindowFixture::SetUp() {
  ScriptedDevice nas = MakeDevice("NAS", "10.77.1.2", "10.77.1.1");
  nas.portText = "LAN:10.77.1.2:255.255.255.0:10.77.1.1:0";
  nas.shareText = "music:photo";
  sockets.devices = {nas, MakeDevice("Office", "10.77.1.3", "0.0.0.0", '1')};
}

void MainWindowFixture::TearDown() {
  window.reset();
  protocol.reset();
  // Every request the window sent was well formed and went where its device is.
  for (const std::string& violation : sockets.violations) ADD_FAILURE() << violation;
}

ScriptedDevice MainWindowFixture::TwoPortDevice() {
  // Reached through its second port: the first port lives on another network.
  ScriptedDevice dual = MakeDevice("Dual", "10.77.1.12", "10.77.1.1");
  dual.portText =
      "LAN1:10.77.2.2:255.255.255.0:10.77.2.1:0:LAN2:10.77.1.12:255.255.255.0:10.77.1.1:0";
  dual.shareText = "HDD_1";
  return dual;
}

CMainDlg& MainWindowFixture::Open() {
  protocol = std::make_unique<Protocol>(sockets, clock);
  EXPECT_TRUE(protocol->network.StartNetwork());
  window = std::make_unique<CMainDlg>(*protocol, drives, system);
  window->show();
  QApplication::processEvents();
  return *window;
}

void MainWindowFixture::ClickDeviceRow(int row) {
  CSkinListCtrl* list = DeviceListOf(*window);
  QTreeWidgetItem* item = list->topLevelItem(row);
  // A row that is not there would click nothing and let the test go on quietly.
  ASSERT_NE(item, nullptr) << "no device row " << row;
  list->setCurrentItem(item);
  window->OnClickDeviceList();
}

int MainWindowFixture::RowOf(const std::string& address) const {
  CSkinListCtrl* list = DeviceListOf(*window);
  for (int row = 0; row < list->GetItemCount(); ++row) {
    if (list->GetItemText(row, 1).toStdString() == address) return row;
  }
  return -1;
}

}  // namespace tarvix::testing
