#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "settings/DeviceRow.h"

namespace tarvix::settings {

// The main window's device list, details panel and drive lists, as the
// settings flows use them.
class PanelView {
 public:
  virtual ~PanelView() = default;

  // deviceSelected: set by a click on a device row, cleared by a search.
  virtual bool DeviceSelected() const = 0;
  virtual void ClearDeviceSelected() = 0;
  // The selected device row as FindSelectedRow finds it; none when no row is.
  virtual std::optional<DeviceRow> SelectedDeviceRow() const = 0;
  // "Volume Name" of the selected volume row; none when no row is selected.
  virtual std::optional<std::string> SelectedVolumeName() const = 0;
  // "Location" of the selected volume row (possibly empty); none when no row is selected.
  virtual std::optional<std::string> SelectedVolumeLocation() const = 0;
  // Text of the drive letter combo's current item; none when it has none.
  virtual std::optional<std::string> DriveComboText() const = 0;

  virtual void SetSelectedHost(std::string_view address) = 0;
  virtual void RefreshMappedDrives() = 0;
  virtual void FillDriveLetterCombo() = 0;
  virtual void FillVolumeList(const DeviceRow& row) = 0;
  // The device search of the main window (OnSearch).
  virtual void Search() = 0;
};

}  // namespace tarvix::settings
