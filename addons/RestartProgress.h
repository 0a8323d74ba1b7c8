#pragma once
#include <stop_token>

#include "addons/AddonState.h"
#include "addons/WorkerClock.h"

namespace tarvix::addons {

// The restart progress: the bar fills in this many steps of this pause, and
// the dialog closes after the whole restart time.
inline constexpr int kRestartSteps = 99;
inline constexpr int kRestartStepMs = 900;
inline constexpr int kRestartTimeMs = 90000;
inline constexpr int kRestartTimer = 1;

// A classic progress control steps by this much until a step is set.
inline constexpr int kDefaultBarStep = 10;

// Where a classic progress control goes on a step: past the upper end it starts
// again from the lower one.
inline int SteppedPosition(int position, int step, int lower, int upper) {
  const int next = position + step;
  return next > upper ? lower : next;
}

// The progress bar as the restart worker drives it.
class ProgressBar {
 public:
  virtual ~ProgressBar() = default;
  virtual void SetRange(int lower, int upper) = 0;
  virtual void SetStep(int step) = 0;
  virtual void StepIt() = 0;
};

// The worker's body: range 1 to 100, step 1, then 99 steps with a pause after
// each, then flowAbandoned back to 0, which marks the add-on flow as completed.
// A stop request ends the steps early (the bar is not touched again) but still
// resets flowAbandoned, before whoever joins the worker reads it. Returns 1.
int RestartProgressWorker(ProgressBar& bar, WorkerClock& clock, AddonState& state,
                          std::stop_token stop = {});

}  // namespace tarvix::addons
