#include "addons/qt/QtAddonDialogs.h"

#include "addons/qt/CLanguageDlg.h"
#include "addons/qt/CLoadingDlg.h"
#include "addons/qt/CModelSelectDlg.h"
#include "addons/qt/CRestartDlg.h"
#include "addons/qt/CWidgetDlg.h"
#include "settings/qt/NormalCursor.h"

namespace tarvix::addons::qt {

using settings::qt::NormalCursor;

// The loading and restart dialogs take no input: the busy cursor of the
// operation stays over them.
void QtAddonDialogs::RunLoading(InstallationRunner& runner) {
  CLoadingDlg dialog(runner, timing_.timers, parent_);
  dialog.exec();
}

LanguageDialogResult QtAddonDialogs::RunLanguage(LanguageChoice& choice) {
  NormalCursor pointer;
  CLanguageDlg dialog(choice, parent_);
  dialog.exec();
  return dialog.Result();
}

void QtAddonDialogs::RunRestart(AddonState& state) {
  CRestartDlg dialog(state, timing_.restartClock, timing_.timers, parent_);
  dialog.exec();
}

void QtAddonDialogs::RunWidget(AddonState& state) {
  NormalCursor pointer;
  CWidgetDlg dialog(state, parent_);
  dialog.exec();
}

void QtAddonDialogs::RunModelSelect(AddonState& state) {
  NormalCursor pointer;
  CModelSelectDlg dialog(state, parent_);
  dialog.exec();
}

}  // namespace tarvix::addons::qt
