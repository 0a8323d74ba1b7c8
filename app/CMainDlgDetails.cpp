// The details panel of the main window: what a click on a device row shows.
#include <QComboBox>

#include "app/CIpAddressCtrl.h"
#include "app/CMainDlg.h"
#include "app/COperationScope.h"
#include "app/DriveLetterItems.h"
#include "app/SelectedRow.h"
#include "app/VolumeRows.h"
#include "platform/SystemInfo.h"
#include "protocol/FixedText.h"
#include "protocol/Protocol.h"
#include "settings/PortSelection.h"
#include "skin/CSkinListCtrl.h"

using namespace tarvix::app;

namespace {

std::string RowText(const CSkinListCtrl& list, int row, int column) {
  return list.GetItemText(row, column).toStdString();
}

QString FromBytes(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

int CMainDlg::FindSelectedRow(const CSkinListCtrl& list) const {
  return tarvix::app::FindSelectedRow(list.GetTopIndex(), list.GetItemCount(),
                                      [&list](int row) { return list.IsRowSelected(row); });
}

void CMainDlg::OnClickDeviceList() {
  deviceList_->setFocus(Qt::MouseFocusReason);
  const int row = FindSelectedRow(*deviceList_);
  // A click beside the rows, or on a device that a change of address has moved away
  // from its row, leaves the window as it was.
  if (row >= deviceList_->GetItemCount()) return;
  const std::string address = RowText(*deviceList_, row, 1);
  if (!protocol_.devices.FindByAddress(address)) return;
  deviceSelected_ = 1;
  ShowDevice(row);
}

void CMainDlg::ShowDevice(int row) {
  COperationScope operation(operations_);
  const std::string name = RowText(*deviceList_, row, 0);
  const std::string address = RowText(*deviceList_, row, 1);
  const std::string netmask = RowText(*deviceList_, row, 2);
  const std::string gateway = RowText(*deviceList_, row, 3);
  selectedHost_ = address;
  tarvix::DeviceSession& session = protocol_.session;
  tarvix::CopyField(session.selectedAddress, address);
  const tarvix::DeviceNode* node = protocol_.devices.FindByAddress(address);
  selectedModel_ = std::string(tarvix::FieldText(node->model));
  const std::string dhcpFlag(tarvix::FieldText(node->dhcpFlag));

  session.lanInfo.ports[0].name[0] = '\0';
  protocol_.commands.QueryLanInfo();
  FillPortCombo(address, netmask, gateway, dhcpFlag);
  SetDhcpChoice(dhcpFlag);
  SetAddressFields(address, netmask, gateway);
  protocol_.commands.QueryShareList();
  tarvix::CopyField(session.ssl, "");
  protocol_.commands.QuerySsl();
  FillVolumeList(name, address);
}

void CMainDlg::FillPortCombo(const std::string& address, const std::string& netmask,
                             const std::string& gateway, const std::string& dhcpFlag) {
  const tarvix::settings::PortSelection ports = tarvix::settings::SelectPorts(
      protocol_.session.lanInfo, {address, netmask, gateway, dhcpFlag});
  portCombo_->clear();
  for (const std::string& item : ports.items) portCombo_->addItem(FromBytes(item));
  portCombo_->setCurrentIndex(ports.selected);
  portCombo_->setEnabled(ports.enabled);
}

void CMainDlg::SetDhcpChoice(const std::string& dhcpFlag) {
  const bool dhcp = !dhcpFlag.empty() && dhcpFlag[0] == '1';
  dhcpCombo_->setCurrentIndex(dhcp ? 1 : 0);
  SetAddressFieldsEnabled(!dhcp);
}

void CMainDlg::SetAddressFields(const std::string& address, const std::string& netmask,
                                const std::string& gateway) {
  addressField_->SetAddress(system_.ParseDottedAddress(address));
  netmaskField_->SetAddress(system_.ParseDottedAddress(netmask));
  const std::uint32_t gatewayValue = gateway.empty() ? 0 : system_.ParseDottedAddress(gateway);
  if (gatewayValue == 0)
    gatewayField_->ClearAddress();
  else
    gatewayField_->SetAddress(gatewayValue);
}

void CMainDlg::SetAddressFieldsEnabled(bool enabled) {
  addressField_->setEnabled(enabled);
  netmaskField_->setEnabled(enabled);
  gatewayField_->setEnabled(enabled);
}

void CMainDlg::OnDhcpChoice() {
  if (dhcpCombo_->currentIndex() < 0) return;
  SetAddressFieldsEnabled(dhcpCombo_->currentText() != QStringLiteral("Enable"));
}

void CMainDlg::RefreshMappedDrives() { mappedDrives_.RefreshMappedDrives(drives_); }

void CMainDlg::FillDriveLetterCombo() {
  const DriveLetterItems items = BuildDriveLetterItems(mappedDrives_, drives_);
  driveCombo_->clear();
  for (const std::string& text : items.texts) driveCombo_->addItem(FromBytes(text));
  driveCombo_->setCurrentIndex(items.selected);
}

void CMainDlg::FillVolumeList(const std::string& deviceName, const std::string& deviceAddress) {
  volumeList_->DeleteAllItems();
  volumeList_->update();
  for (const VolumeRow& volume :
       BuildVolumeRows(protocol_.shares, mappedDrives_, system_, deviceName, deviceAddress)) {
    int row = volumeList_->InsertItem(FromBytes(volume.name));
    volumeList_->SetItemText(row, 1, FromBytes(volume.location));
  }
}
