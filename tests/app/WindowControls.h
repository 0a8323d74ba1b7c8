#pragma once
#include <QComboBox>

#include "app/CIpAddressCtrl.h"
#include "app/CMainDlg.h"
#include "app/ControlIds.h"
#include "skin/CSkinListCtrl.h"

namespace tarvix::testing {

// The main window's controls as a test finds them: by their template id, as a user
// names them, never through the window's members.
template <typename Control>
Control* ControlOf(const CMainDlg& window, int id) {
  return qobject_cast<Control*>(window.Control(id));
}

inline CSkinListCtrl* DeviceListOf(const CMainDlg& w) {
  return ControlOf<CSkinListCtrl>(w, app::kDeviceList);
}
inline CSkinListCtrl* VolumeListOf(const CMainDlg& w) {
  return ControlOf<CSkinListCtrl>(w, app::kVolumeList);
}
inline CIpAddressCtrl* AddressFieldOf(const CMainDlg& w) {
  return ControlOf<CIpAddressCtrl>(w, app::kAddressField);
}
inline CIpAddressCtrl* NetmaskFieldOf(const CMainDlg& w) {
  return ControlOf<CIpAddressCtrl>(w, app::kNetmaskField);
}
inline CIpAddressCtrl* GatewayFieldOf(const CMainDlg& w) {
  return ControlOf<CIpAddressCtrl>(w, app::kGatewayField);
}
inline QComboBox* PortComboOf(const CMainDlg& w) {
  return ControlOf<QComboBox>(w, app::kPortCombo);
}
inline QComboBox* DhcpComboOf(const CMainDlg& w) {
  return ControlOf<QComboBox>(w, app::kDhcpCombo);
}
inline QComboBox* DriveComboOf(const CMainDlg& w) {
  return ControlOf<QComboBox>(w, app::kDriveCombo);
}

}  // namespace tarvix::testing
