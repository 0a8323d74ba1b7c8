#pragma once
#include <memory>

#include "addons/RestartProgress.h"

class QProgressBar;

namespace tarvix::addons::qt {

// The restart worker's requests to a progress bar of the window thread. Each
// request is queued to that thread, so the worker never touches the widget;
// once Close has been called (on the window thread) queued requests that are
// still on their way do nothing, so the bar does not change after its dialog
// closed.
class QueuedProgressBar final : public ProgressBar {
 public:
  explicit QueuedProgressBar(QProgressBar* bar);
  ~QueuedProgressBar() override;

  void SetRange(int lower, int upper) override;
  void SetStep(int step) override;
  void StepIt() override;
  // Window thread only.
  void Close();

 private:
  struct BarState;
  std::shared_ptr<BarState> state_;
  QProgressBar* bar_;
};

}  // namespace tarvix::addons::qt
