#pragma once
#include <vector>

#include "protocol/Clock.h"

namespace tarvix::testing {

// Records pauses instead of sleeping, so tests count waits without waiting.
class CountingClock : public Clock {
 public:
  void Pause(int milliseconds) override { pauses.push_back(milliseconds); }
  void Idle() override { ++idles; }
  std::vector<int> pauses;
  int idles = 0;
};

}  // namespace tarvix::testing
