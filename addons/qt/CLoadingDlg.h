#pragma once
#include "addons/InstallationRunner.h"
#include "skin/CSkinDialog.h"

namespace tarvix::addons::qt {
class DialogTimers;
}

// The "Loading....." dialog (template 180) in which an add-on is installed:
// two seconds after it opens its timer runs the installation, which closes it.
// The user cannot close it.
class CLoadingDlg : public CSkinDialog, public tarvix::addons::LoadingView {
  Q_OBJECT

 public:
  static constexpr int kTemplateId = 180;

  // Null `timers`: Qt's own.
  CLoadingDlg(tarvix::addons::InstallationRunner& runner, tarvix::addons::qt::DialogTimers* timers,
              QWidget* parent = nullptr);
  ~CLoadingDlg() override;

  int exec() override;
  // Enter, Escape and the close request end here, and do nothing.
  void reject() override {}

  void CloseDialog() override;
  void StopTimer(int timerId) override;

 private:
  void CreateControls();
  void OnInitDialog();
  void OnTimer(int timerId);

  tarvix::addons::InstallationRunner& runner_;
  std::unique_ptr<tarvix::addons::qt::DialogTimers> ownTimers_;
  tarvix::addons::qt::DialogTimers* timers_;
};
