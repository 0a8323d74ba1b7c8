#pragma once
#include <memory>
#include <thread>

#include "addons/AddonState.h"
#include "addons/WorkerClock.h"
#include "skin/CSkinDialog.h"

class QProgressBar;

namespace tarvix::addons::qt {
class DialogTimers;
class QueuedProgressBar;
}  // namespace tarvix::addons::qt

// The restart progress (template 141), shown while the device restarts after an
// installation: a worker fills the bar over about ninety seconds and resets
// flowAbandoned, and the dialog closes itself after 90 s. The user cannot close
// it. When it closes the worker is stopped and joined, so it never touches the
// bar afterwards and flowAbandoned is reset before the caller looks.
class CRestartDlg : public CSkinDialog {
  Q_OBJECT

 public:
  static constexpr int kTemplateId = 141;
  static constexpr int kProgressBar = 1023;

  // Null `clock` or `timers`: real time and Qt's own timers.
  CRestartDlg(tarvix::addons::AddonState& state, tarvix::addons::WorkerClock* clock,
              tarvix::addons::qt::DialogTimers* timers, QWidget* parent = nullptr);
  ~CRestartDlg() override;

  int exec() override;
  void done(int result) override;
  // Enter, Escape and the close request end here, and do nothing.
  void reject() override {}

  QProgressBar* ProgressBar() const { return bar_; }

 private:
  void CreateControls();
  void OnInitDialog();
  void OnTimer();
  void StopWorker();

  tarvix::addons::AddonState& state_;
  tarvix::addons::SteadyWorkerClock steadyClock_;
  tarvix::addons::WorkerClock* clock_;
  std::unique_ptr<tarvix::addons::qt::DialogTimers> ownTimers_;
  tarvix::addons::qt::DialogTimers* timers_;
  QProgressBar* bar_ = nullptr;
  std::unique_ptr<tarvix::addons::qt::QueuedProgressBar> queuedBar_;
  // Last: joined first, while the bar and the clock still exist.
  std::jthread worker_;
};
