#pragma once
#include <optional>
#include <string>

namespace tarvix::addons {

// The main window as the add-on flows use it.
class AddonWindow {
 public:
  virtual ~AddonWindow() = default;

  // deviceSelected: set by a click on a device row, cleared by a search.
  virtual bool DeviceSelected() const = 0;
  virtual void ClearDeviceSelected() = 0;
  // The clicked device's address, for its share paths and web pages.
  virtual std::string SelectedHost() const = 0;
  // The clicked device's model name.
  virtual std::string SelectedModel() const = 0;
  // Gives the device list the keyboard focus and reads the "IP" column of the
  // row that FindSelectedRow finds; none when no row is found.
  virtual std::optional<std::string> FocusedRowAddress() = 0;
  virtual void RefreshMappedDrives() = 0;
  virtual void FillDriveLetterCombo() = 0;
  // The main window's device search.
  virtual void Search() = 0;
};

}  // namespace tarvix::addons
