#pragma once
#include "protocol/Clock.h"
#include "settings/ApplyLanSettings.h"
#include "settings/DriveInUseDialogRunner.h"
#include "settings/DriveMapping.h"
#include "settings/LanForm.h"
#include "settings/PanelView.h"
#include "settings/ProtocolOperations.h"
#include "settings/SettingsContext.h"
#include "settings/SettingsServices.h"
#include "settings/SettingsState.h"
#include "settings/WebManagement.h"
#include "settings/WorkerThread.h"

namespace tarvix::settings {

// The main window's way into the settings flows: one object for the window's
// lifetime, holding the flows' process-wide switches. The window supplies its
// message boxes and dialogs and, per click, its panel and address form. Every
// wait of the flows pauses through `clock`, which for the window is the
// protocol's clock (the window's own), so a wait never stops the painting.
class DeviceSettings {
 public:
  DeviceSettings(DeviceSession& session, DeviceCommands& commands, Clock& clock,
                 MessageBoxes& messages, LoginDialogRunner& login,
                 DriveInUseDialogRunner& driveInUse, const platform::SystemInfo& system,
                 platform::DriveService& drives, const SettingsServices& services);

  LanApplyResult ApplyLanSettings(LanForm& form, PanelView& panel);
  bool LaunchWebManagement(PanelView& panel);
  bool MapNetworkDrive(PanelView& panel);
  bool UnmapNetworkDrive(PanelView& panel);
  bool VerifyAdministrator();

  SettingsState& State() { return state_; }

 private:
  WorkerStarter& Workers() { return services_.workers ? *services_.workers : workers_; }

  SettingsState state_;
  ProtocolOperations operations_;
  Clock& clock_;
  SettingsContext context_;
  DriveInUseDialogRunner& driveInUse_;
  platform::DriveService& drives_;
  SettingsServices services_;
  // Last member: destroyed first, so a running probe ends before what it uses.
  WorkerThread workers_;
};

}  // namespace tarvix::settings
