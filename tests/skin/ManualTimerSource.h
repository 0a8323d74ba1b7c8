#pragma once
#include <map>

#include "skin/SkinTimerSource.h"

namespace tarvix::testing {

// Timers on a clock that moves only when the test says so. Timers fire in the
// order they fall due; one that a handler starts counts from that moment.
class ManualTimerSource final : public SkinTimerSource {
 public:
  void Start(int id, int periodMs) override { running_[id] = {periodMs, now_ + periodMs}; }
  void Stop(int id) override { running_.erase(id); }

  void Advance(int ms) {
    const long end = now_ + ms;
    for (;;) {
      auto next = running_.end();
      for (auto it = running_.begin(); it != running_.end(); ++it)
        if (it->second.due <= end && (next == running_.end() || it->second.due < next->second.due))
          next = it;
      if (next == running_.end()) break;
      now_ = next->second.due;
      next->second.due += next->second.period;
      Fire(next->first);
    }
    now_ = end;
  }

  bool IsRunning(int id) const { return running_.count(id) != 0; }

 private:
  struct Timer {
    int period;
    long due;
  };
  long now_ = 0;
  std::map<int, Timer> running_;
};

}  // namespace tarvix::testing
