#include "settings/DeviceSettings.h"

#include "settings/AdministratorCheck.h"

namespace tarvix::settings {

DeviceSettings::DeviceSettings(DeviceSession& session, DeviceCommands& commands,
                               MessageBoxes& messages, LoginDialogRunner& login,
                               DriveInUseDialogRunner& driveInUse,
                               const SettingsServices& services)
    : operations_(commands),
      context_{session, operations_, state_, messages, login, services.system},
      driveInUse_(driveInUse),
      services_(services) {}

LanApplyResult DeviceSettings::ApplyLanSettings(LanForm& form, PanelView& panel) {
  return settings::ApplyLanSettings(context_, form, panel);
}

bool DeviceSettings::LaunchWebManagement(PanelView& panel) {
  WebServices web{services_.reachability, services_.browsers, services_.launcher, sleeper_,
                  workers_};
  return settings::LaunchWebManagement(context_, panel, web);
}

bool DeviceSettings::MapNetworkDrive(PanelView& panel) {
  return settings::MapNetworkDrive(context_, panel, driveInUse_, services_.drives);
}

bool DeviceSettings::UnmapNetworkDrive(PanelView& panel) {
  return settings::UnmapNetworkDrive(context_, panel, services_.drives);
}

bool DeviceSettings::VerifyAdministrator() { return settings::VerifyAdministrator(context_); }

}  // namespace tarvix::settings
