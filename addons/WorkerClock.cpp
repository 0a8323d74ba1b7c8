#include "addons/WorkerClock.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tarvix::addons {

bool SteadyWorkerClock::Pause(int milliseconds, std::stop_token stop) {
  std::mutex mutex;
  std::condition_variable_any wake;
  std::unique_lock lock(mutex);
  // Nothing but a stop request ends the wait before its time.
  wake.wait_for(lock, stop, std::chrono::milliseconds(milliseconds), [] { return false; });
  return !stop.stop_requested();
}

}  // namespace tarvix::addons
