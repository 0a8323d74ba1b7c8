#pragma once
#include "platform/DriveService.h"
#include "settings/DriveInUseDialogRunner.h"
#include "settings/PanelView.h"
#include "settings/SettingsContext.h"

namespace tarvix::settings {

// Connection attempts in a row on Windows NT before giving up.
inline constexpr int kNtConnectAttempts = 6;

// The map button: connects the chosen drive letter to the selected volume of
// the selected device, persistently. True when the drive was mapped.
bool MapNetworkDrive(SettingsContext& context, PanelView& panel, DriveInUseDialogRunner& inUse,
                     platform::DriveService& drives);

// The unmap button: disconnects the selected volume's letter, or the letter that
// the drive combo shows when no volume is selected. True when disconnected.
bool UnmapNetworkDrive(SettingsContext& context, PanelView& panel, platform::DriveService& drives);

}  // namespace tarvix::settings
