#pragma once
#include "settings/PanelView.h"

class CMainDlg;
class CSkinListCtrl;

// The window's device list, details panel and drive lists as the settings flows
// use them. Made per click; holds nothing but the window.
class CMainDlgPanelView final : public tarvix::settings::PanelView {
 public:
  explicit CMainDlgPanelView(CMainDlg& window) : window_(window) {}

  bool DeviceSelected() const override;
  void ClearDeviceSelected() override;
  std::optional<tarvix::settings::DeviceRow> SelectedDeviceRow() const override;
  std::optional<std::string> SelectedVolumeName() const override;
  std::optional<std::string> SelectedVolumeLocation() const override;
  std::optional<std::string> DriveComboText() const override;

  void SetSelectedHost(std::string_view address) override;
  void RefreshMappedDrives() override;
  void FillDriveLetterCombo() override;
  void FillVolumeList(const tarvix::settings::DeviceRow& row) override;
  void Search() override;

 private:
  // Text of `column` in the list's selected row; none when no row is selected.
  std::optional<std::string> SelectedText(const CSkinListCtrl& list, int column) const;

  CMainDlg& window_;
};
