#pragma once
#include "settings/ApplyLanSettings.h"
#include "settings/DriveInUseDialogRunner.h"
#include "settings/DriveMapping.h"
#include "settings/LanForm.h"
#include "settings/PanelView.h"
#include "settings/ProtocolOperations.h"
#include "settings/SettingsContext.h"
#include "settings/SettingsState.h"
#include "settings/Sleeper.h"
#include "settings/WebManagement.h"
#include "settings/WorkerThread.h"

namespace tarvix::settings {

// The system services the settings flows reach, owned by the program.
struct SettingsServices {
  const platform::SystemInfo& system;
  platform::DriveService& drives;
  platform::ReachabilityChecker& reachability;
  const platform::BrowserService& browsers;
  platform::ProcessLauncher& launcher;
};

// The main window's way into the settings flows: one object for the window's
// lifetime, holding the flows' process-wide switches. The window supplies its
// message boxes and dialogs and, per click, its panel and address form.
class DeviceSettings {
 public:
  DeviceSettings(DeviceSession& session, DeviceCommands& commands, MessageBoxes& messages,
                 LoginDialogRunner& login, DriveInUseDialogRunner& driveInUse,
                 const SettingsServices& services);

  LanApplyResult ApplyLanSettings(LanForm& form, PanelView& panel);
  bool LaunchWebManagement(PanelView& panel);
  bool MapNetworkDrive(PanelView& panel);
  bool UnmapNetworkDrive(PanelView& panel);
  bool VerifyAdministrator();

  SettingsState& State() { return state_; }

 private:
  SettingsState state_;
  ProtocolOperations operations_;
  SystemSleeper sleeper_;
  SettingsContext context_;
  DriveInUseDialogRunner& driveInUse_;
  SettingsServices services_;
  // Last member: destroyed first, so a running probe ends before what it uses.
  WorkerThread workers_;
};

}  // namespace tarvix::settings
