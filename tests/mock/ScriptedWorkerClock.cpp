#include "tests/mock/ScriptedWorkerClock.h"

#include <condition_variable>

namespace tarvix::mock {

bool ScriptedWorkerClock::Pause(int milliseconds, std::stop_token stop) {
  std::unique_lock lock(mutex_);
  pauses_.push_back(milliseconds);
  if (static_cast<int>(pauses_.size()) != holdAt) return !stop.stop_requested();
  holding_ = true;
  std::condition_variable_any wake;
  wake.wait(lock, stop, [] { return false; });
  return false;
}

std::vector<int> ScriptedWorkerClock::Pauses() const {
  std::lock_guard lock(mutex_);
  return pauses_;
}

}  // namespace tarvix::mock
