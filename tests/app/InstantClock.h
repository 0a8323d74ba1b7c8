#pragma once
#include "Clock.h"

namespace tarvix::testing {

// Protocol pauses that take no time, so a search ends at once.
class InstantClock : public Clock {
 public:
  void Pause(int) override { ++pauses; }
  int pauses = 0;
};

}  // namespace tarvix::testing
