#pragma once
#include <optional>
#include <string>
#include <vector>

#include "settings/PanelView.h"

namespace tarvix::testing {

// The main window's panel as values a test sets; every call that changes the
// window is logged by name.
class FakePanel final : public settings::PanelView {
 public:
  bool DeviceSelected() const override { return deviceSelected; }
  void ClearDeviceSelected() override {
    deviceSelected = false;
    log.push_back("ClearDeviceSelected");
  }
  std::optional<settings::DeviceRow> SelectedDeviceRow() const override { return deviceRow; }
  std::optional<std::string> SelectedVolumeName() const override { return volumeName; }
  std::optional<std::string> SelectedVolumeLocation() const override { return volumeLocation; }
  std::optional<std::string> DriveComboText() const override { return driveItem; }
  void SetSelectedHost(std::string_view address) override { selectedHost = address; }
  void RefreshMappedDrives() override { log.push_back("RefreshMappedDrives"); }
  void FillDriveLetterCombo() override { log.push_back("FillDriveLetterCombo"); }
  void FillVolumeList(const settings::DeviceRow& row) override {
    log.push_back("FillVolumeList " + row.name + " " + row.address);
  }
  void Search() override { log.push_back("Search"); }

  bool deviceSelected = true;
  std::optional<settings::DeviceRow> deviceRow = settings::DeviceRow{"NAS", "10.77.1.2"};
  std::optional<std::string> volumeName = "HDD_1";
  std::optional<std::string> volumeLocation;
  std::optional<std::string> driveItem = "K:";
  std::string selectedHost;
  std::vector<std::string> log;
};

}  // namespace tarvix::testing
