#pragma once
#include "ApplyLanSettings.h"
#include "DriveInUseDialogRunner.h"
#include "DriveMapping.h"
#include "LanForm.h"
#include "PanelView.h"
#include "ProtocolOperations.h"
#include "SettingsContext.h"
#include "SettingsState.h"
#include "Sleeper.h"
#include "WebManagement.h"
#include "WorkerThread.h"

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
