#pragma once
#include <cstddef>
#include <functional>
#include <vector>

#include "protocol/Clock.h"

namespace tarvix::testing {

// Records pauses instead of sleeping; no time passes. A poll takes what is queued with
// one readability wait, which the fake sockets count as a poll. A pause first lets
// `duringPause` place what arrives in it, then takes what is queued without a wait,
// so it counts no poll.
class CountingClock : public Clock {
 public:
  void Pause(int milliseconds) override { pauses.push_back(milliseconds); }
  void Idle() override { ++idles; }
  bool Poll(int milliseconds, const Watch& watch) override {
    const bool ended = watch(milliseconds * 1000);
    Idle();
    return ended;
  }
  bool PauseWatching(int milliseconds, const Watch& watch) override {
    pauses.push_back(milliseconds);
    if (duringPause) duringPause(pauses.size());
    return watch(0);
  }

  std::vector<int> pauses;
  int idles = 0;
  // Called in every pause that watches, with the number of pauses so far (1 first).
  std::function<void(size_t pause)> duringPause;
};

}  // namespace tarvix::testing
