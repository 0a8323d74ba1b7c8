#pragma once
#include "settings/PanelView.h"

namespace tarvix::cli {

// The details panel as the tool stands in for it: the device is selected by its
// address and nothing else of the panel is used. The window searches again after
// a change to show the new list; the tool ends right after, so its search is
// left out.
class SelectedDevicePanel final : public settings::PanelView {
 public:
  bool DeviceSelected() const override { return true; }
  void ClearDeviceSelected() override {}
  std::optional<settings::DeviceRow> SelectedDeviceRow() const override { return {}; }
  std::optional<std::string> SelectedVolumeName() const override { return {}; }
  std::optional<std::string> SelectedVolumeLocation() const override { return {}; }
  std::optional<std::string> DriveComboText() const override { return {}; }
  void SetSelectedHost(std::string_view) override {}
  void RefreshMappedDrives() override {}
  void FillDriveLetterCombo() override {}
  void FillVolumeList(const settings::DeviceRow&) override {}
  void Search() override {}
};

}  // namespace tarvix::cli
