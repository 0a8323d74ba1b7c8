// The settings buttons of the main window: apply, web management, map and unmap.
#include "app/CMainDlg.h"
#include "app/CMainDlgLanForm.h"
#include "app/CMainDlgPanelView.h"
#include "app/COperationScope.h"
#include "protocol/Protocol.h"
#include "settings/DeviceSettings.h"
#include "settings/qt/QtDialogRunners.h"
#include "settings/qt/QtMessageBoxes.h"

using namespace tarvix::app;

// Here, where the settings types are complete.
CMainDlg::~CMainDlg() = default;

void CMainDlg::AttachSettings(const tarvix::settings::SettingsServices& services,
                              const SettingsTalkers& talkers) {
  settings_.reset();
  namespace qt = tarvix::settings::qt;
  tarvix::settings::MessageBoxes* messages = talkers.messages;
  if (!messages) messages = (ownMessages_ = std::make_unique<qt::QtMessageBoxes>(this)).get();
  tarvix::settings::LoginDialogRunner* login = talkers.login;
  if (!login) login = (ownLogin_ = std::make_unique<qt::QtLoginDialogRunner>(this)).get();
  tarvix::settings::DriveInUseDialogRunner* driveInUse = talkers.driveInUse;
  if (!driveInUse)
    driveInUse = (ownDriveInUse_ = std::make_unique<qt::QtDriveInUseDialogRunner>(this)).get();
  // The protocol's clock is the window's: the flows' waits keep the window painting.
  settings_ = std::make_unique<tarvix::settings::DeviceSettings>(
      protocol_.session, protocol_.commands, protocol_.network.GetClock(), *messages, *login,
      *driveInUse, system_, drives_, services);
}

// The apply, web and map flows wait on the device (login, settings, domain query,
// reachability), so each runs as one operation: busy cursor, further clicks and
// close requests held back until it ends. Unmapping only asks the drive table.

void CMainDlg::OnApply() {
  if (!settings_) return;
  COperationScope operation(operations_);
  CMainDlgLanForm form(*this);
  CMainDlgPanelView panel(*this);
  settings_->ApplyLanSettings(form, panel);
}

void CMainDlg::OnWebManagement() {
  if (!settings_) return;
  COperationScope operation(operations_);
  CMainDlgPanelView panel(*this);
  settings_->LaunchWebManagement(panel);
}

void CMainDlg::OnMapDrive() {
  if (!settings_) return;
  COperationScope operation(operations_);
  CMainDlgPanelView panel(*this);
  settings_->MapNetworkDrive(panel);
}

void CMainDlg::OnUnmapDrive() {
  if (!settings_) return;
  CMainDlgPanelView panel(*this);
  settings_->UnmapNetworkDrive(panel);
}
