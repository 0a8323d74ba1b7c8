#pragma once
#include "settings/LanForm.h"

class CIpAddressCtrl;
class CMainDlg;

// The window's three address controls, its "Receive DHCP" combo (1015) and its
// hidden port selector (1016), as the LAN settings flow reads and steers them.
// Made per click; holds nothing but the window.
class CMainDlgLanForm final : public tarvix::settings::LanForm {
 public:
  explicit CMainDlgLanForm(CMainDlg& window) : window_(window) {}

  bool IsBlank(tarvix::settings::LanField field) const override;
  tarvix::settings::Octets Read(tarvix::settings::LanField field) const override;
  void SetFieldFocus(tarvix::settings::LanField field, int octet) override;
  int DhcpChoice() const override;
  std::string PortSelectorText() const override;

 private:
  static CIpAddressCtrl& FieldOf(const CMainDlg& window, tarvix::settings::LanField field);

  CMainDlg& window_;
};
