#include "app/CMainDlgPanelView.h"

#include <QComboBox>

#include "app/CMainDlg.h"
#include "skin/CSkinListCtrl.h"

using tarvix::settings::DeviceRow;

bool CMainDlgPanelView::DeviceSelected() const { return window_.deviceSelected() != 0; }

void CMainDlgPanelView::ClearDeviceSelected() { window_.setDeviceSelected(0); }

std::optional<std::string> CMainDlgPanelView::SelectedText(const CSkinListCtrl& list,
                                                           int column) const {
  // FindSelectedRow answers the row count when no row qualifies.
  const int row = window_.FindSelectedRow(list);
  if (row < 0 || row >= list.GetItemCount()) return std::nullopt;
  return list.GetItemText(row, column).toStdString();
}

std::optional<DeviceRow> CMainDlgPanelView::SelectedDeviceRow() const {
  const CSkinListCtrl& devices = *window_.deviceList_;
  auto name = SelectedText(devices, 0);
  if (!name) return std::nullopt;
  return DeviceRow{std::move(*name), SelectedText(devices, 1).value_or(std::string())};
}

std::optional<std::string> CMainDlgPanelView::SelectedVolumeName() const {
  return SelectedText(*window_.volumeList_, 0);
}

std::optional<std::string> CMainDlgPanelView::SelectedVolumeLocation() const {
  return SelectedText(*window_.volumeList_, 1);
}

std::optional<std::string> CMainDlgPanelView::DriveComboText() const {
  const QComboBox& combo = *window_.driveCombo_;
  if (combo.currentIndex() < 0) return std::nullopt;
  return combo.currentText().toStdString();
}

void CMainDlgPanelView::SetSelectedHost(std::string_view address) {
  window_.setSelectedHost(std::string(address));
}

void CMainDlgPanelView::RefreshMappedDrives() { window_.RefreshMappedDrives(); }

void CMainDlgPanelView::FillDriveLetterCombo() { window_.FillDriveLetterCombo(); }

void CMainDlgPanelView::FillVolumeList(const DeviceRow& row) {
  window_.FillVolumeList(row.name, row.address);
}

void CMainDlgPanelView::Search() { window_.OnSearch(); }
