#include "addons/RestartProgress.h"

namespace tarvix::addons {

int RestartProgressWorker(ProgressBar& bar, WorkerClock& clock, AddonState& state,
                          std::stop_token stop) {
  if (!stop.stop_requested()) {
    bar.SetRange(1, 100);
    bar.SetStep(1);
  }
  for (int step = 0; step < kRestartSteps && !stop.stop_requested(); ++step) {
    bar.StepIt();
    if (!clock.Pause(kRestartStepMs, stop)) break;
  }
  state.flowAbandoned = 0;
  return 1;
}

}  // namespace tarvix::addons
