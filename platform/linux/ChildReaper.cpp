#include "platform/linux/ChildReaper.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/linux/Spawn.h"

namespace tarvix::platform {

struct ChildReaper::State {
  std::mutex mutex;
  std::condition_variable ended;
  int running = 0;
};

ChildReaper::ChildReaper() : state_(std::make_shared<State>()) {}

void ChildReaper::Adopt(pid_t pid) {
  {
    std::lock_guard lock(state_->mutex);
    ++state_->running;
  }
  // The thread owns a share of the state, so it may outlive this object.
  std::thread([state = state_, pid] {
    WaitForExit(pid);
    std::lock_guard lock(state->mutex);
    --state->running;
    state->ended.notify_all();
  }).detach();
}

void ChildReaper::WaitForAll() {
  std::unique_lock lock(state_->mutex);
  state_->ended.wait(lock, [this] { return state_->running == 0; });
}

}  // namespace tarvix::platform
