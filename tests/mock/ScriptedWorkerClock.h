#pragma once
#include <atomic>
#include <mutex>
#include <vector>

#include "addons/WorkerClock.h"

namespace tarvix::mock {

// Worker pauses that pass at once and are counted. With `holdAt` N, the Nth
// pause waits until a stop is requested, so a test can close a dialog while
// its worker is in the middle of its work.
class ScriptedWorkerClock final : public addons::WorkerClock {
 public:
  bool Pause(int milliseconds, std::stop_token stop) override;

  std::vector<int> Pauses() const;
  // True once the worker waits in the held pause.
  bool Holding() const { return holding_.load(); }

  int holdAt = 0;  // 0: no pause is held

 private:
  mutable std::mutex mutex_;
  std::vector<int> pauses_;
  std::atomic<bool> holding_{false};
};

}  // namespace tarvix::mock
