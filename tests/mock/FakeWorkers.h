#pragma once
#include <functional>

#include "settings/WorkerThread.h"

namespace tarvix::testing {

// Runs the job on the calling thread at once, or keeps it for the test to run.
// At once is what a clock that does not really wait needs: the probe's answer is
// in before the wait first looks.
class FakeWorkers final : public settings::WorkerStarter {
 public:
  void Finish() override { ++finishes; }
  void Start(std::function<void()> job) override {
    ++starts;
    if (runAtOnce)
      job();
    else
      held = std::move(job);
  }
  bool runAtOnce = true;
  std::function<void()> held;
  int starts = 0;
  int finishes = 0;
};

}  // namespace tarvix::testing
