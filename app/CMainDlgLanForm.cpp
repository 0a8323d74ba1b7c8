#include "app/CMainDlgLanForm.h"

#include <QComboBox>

#include "app/CIpAddressCtrl.h"
#include "app/CMainDlg.h"

using tarvix::settings::LanField;

CIpAddressCtrl& CMainDlgLanForm::FieldOf(const CMainDlg& window, LanField field) {
  switch (field) {
    case LanField::Netmask: return *window.netmaskField_;
    case LanField::Gateway: return *window.gatewayField_;
    case LanField::Address: break;
  }
  return *window.addressField_;
}

bool CMainDlgLanForm::IsBlank(LanField field) const { return FieldOf(window_, field).IsBlank(); }

tarvix::settings::Octets CMainDlgLanForm::Read(LanField field) const {
  std::array<std::uint8_t, 4> bytes{};
  FieldOf(window_, field).GetAddress(bytes);
  return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

void CMainDlgLanForm::SetFieldFocus(LanField field, int octet) {
  FieldOf(window_, field).SetFieldFocus(octet);
}

int CMainDlgLanForm::DhcpChoice() const {
  // The combo's items are "Disable" then "Enable", the order of the flow's choices.
  const int index = window_.dhcpCombo_->currentIndex();
  if (index == tarvix::settings::kDhcpDisable || index == tarvix::settings::kDhcpEnable)
    return index;
  return tarvix::settings::kDhcpNoChoice;
}

std::string CMainDlgLanForm::PortSelectorText() const {
  const QComboBox& ports = *window_.portCombo_;
  if (ports.currentIndex() < 0) return {};
  return ports.currentText().toStdString();
}
