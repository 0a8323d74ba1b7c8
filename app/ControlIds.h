#pragma once
#include "skin/DialogUnits.h"

namespace tarvix::app {

// Control ids of the main window; tests and the settings flows find controls by them.
enum ControlId : int {
  kNoId = -1,  // static labels
  kDeviceList = 1000,
  kVolumeList = 1001,
  kSearchButton = 1002,
  kMapButton = 1003,
  kUnmapButton = 1004,
  kAddressField = 1006,
  kApplyButton = 1007,
  kWebButton = 1008,
  kExitButton = 1009,
  kNetmaskField = 1010,
  kGatewayField = 1011,
  kDriveCombo = 1013,
  kDhcpCombo = 1015,
  kPortCombo = 1016,
  kAboutButton = 1021,
  kLanguageButton = 1022,
  kBtButton = 1025,
  kMinimizeButton = 1027,
  kCloseButton = 1028,
  kWidgetButton = 1032,
};

// Every control carries its id in this property (and in its object name, "ctl<id>").
using skin::kControlIdProperty;

}  // namespace tarvix::app
