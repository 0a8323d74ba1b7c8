#include "addons/qt/CRestartDlg.h"

#include <QLabel>
#include <QProgressBar>

#include "skin/CSkinProgressCtrl.h"

#include "addons/AddonMessages.h"
#include "addons/RestartProgress.h"
#include "addons/qt/DialogLabel.h"
#include "addons/qt/DialogTimers.h"
#include "addons/qt/QueuedProgressBar.h"
#include "settings/qt/SettingsDialogTemplate.h"
#include "skin/SkinBitmaps.h"

using tarvix::settings::qt::ApplyTemplateFrame;
using tarvix::settings::qt::PlaceControl;

CRestartDlg::CRestartDlg(tarvix::addons::AddonState& state, tarvix::addons::WorkerClock* clock,
                         tarvix::addons::qt::DialogTimers* timers, QWidget* parent)
    : CSkinDialog(Settings::Background(tarvix::skin::kBgRestarting, BackgroundMode::Native),
                  parent),
      state_(state),
      clock_(clock),
      timers_(timers) {
  if (!clock_) clock_ = &steadyClock_;
  if (!timers_)
    timers_ = (ownTimers_ = std::make_unique<tarvix::addons::qt::QtDialogTimers>()).get();
  ApplyTemplateFrame(this, 202, 75);
  setWindowTitle(QString());
  CreateControls();
}

CRestartDlg::~CRestartDlg() { StopWorker(); }

void CRestartDlg::CreateControls() {
  tarvix::addons::qt::PlaceLabel(this, QString::fromLatin1(tarvix::addons::text::kRestarting),
                                 tarvix::settings::qt::DialogUnitsToPixels(25, 18, 158, 8));
  // The skinned bar: flat, no text, no segments.
  bar_ = new CSkinProgressCtrl(this);
  bar_->setTextVisible(false);
  PlaceControl(bar_, kProgressBar, 26, 41, 152, 10);
  queuedBar_ = std::make_unique<tarvix::addons::qt::QueuedProgressBar>(bar_);
}

int CRestartDlg::exec() {
  OnInitDialog();
  return CSkinDialog::exec();
}

void CRestartDlg::OnInitDialog() {
  worker_ = std::jthread([this](std::stop_token stop) {
    tarvix::addons::RestartProgressWorker(*queuedBar_, *clock_, state_, stop);
  });
  timers_->Start(tarvix::addons::kRestartTimer, tarvix::addons::kRestartTimeMs,
                 [this] { OnTimer(); });
}

// Whatever the timer: the restart time is over.
void CRestartDlg::OnTimer() {
  done(QDialog::Rejected);
  timers_->Stop(tarvix::addons::kRestartTimer);
}

void CRestartDlg::done(int result) {
  StopWorker();
  CSkinDialog::done(result);
}

void CRestartDlg::StopWorker() {
  queuedBar_->Close();
  if (!worker_.joinable()) return;
  worker_.request_stop();
  worker_.join();
}
