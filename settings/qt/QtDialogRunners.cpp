#include "settings/qt/QtDialogRunners.h"

#include "settings/qt/CDriveInUseDlg.h"
#include "settings/qt/CLoginDlg.h"
#include "settings/qt/NormalCursor.h"

namespace tarvix::settings::qt {

std::optional<LoginEntry> QtLoginDialogRunner::Run(const LoginPreset& preset) {
  NormalCursor pointer;
  CLoginDlg dialog(preset, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return LoginEntry{dialog.userName(), dialog.password()};
}

int QtDriveInUseDialogRunner::Run() {
  NormalCursor pointer;
  CDriveInUseDlg dialog(parent_);
  dialog.exec();
  return dialog.answer();
}

}  // namespace tarvix::settings::qt
