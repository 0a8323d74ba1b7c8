#include "settings/DeviceSettings.h"

#include "settings/AdministratorCheck.h"

namespace tarvix::settings {

DeviceSettings::DeviceSettings(DeviceSession& session, DeviceCommands& commands, Clock& clock,
                               MessageBoxes& messages, LoginDialogRunner& login,
                               DriveInUseDialogRunner& driveInUse,
                               const platform::SystemInfo& system, platform::DriveService& drives,
                               const SettingsServices& services)
    : operations_(commands),
      clock_(clock),
      context_{session, operations_, state_, messages, login, system},
      driveInUse_(driveInUse),
      drives_(drives),
      services_(services) {}

LanApplyResult DeviceSettings::ApplyLanSettings(LanForm& form, PanelView& panel) {
  return settings::ApplyLanSettings(context_, form, panel);
}

bool DeviceSettings::LaunchWebManagement(PanelView& panel) {
  WebServices web{services_.reachability, services_.browsers, services_.launcher, clock_,
                  Workers()};
  return settings::LaunchWebManagement(context_, panel, web);
}

bool DeviceSettings::MapNetworkDrive(PanelView& panel) {
  return settings::MapNetworkDrive(context_, panel, driveInUse_, drives_);
}

bool DeviceSettings::UnmapNetworkDrive(PanelView& panel) {
  return settings::UnmapNetworkDrive(context_, panel, drives_);
}

bool DeviceSettings::VerifyAdministrator() { return settings::VerifyAdministrator(context_); }

}  // namespace tarvix::settings
