#pragma once
#include "protocol/Clock.h"

namespace tarvix::app {

// The protocol's clock for the window: while the protocol waits, paint, timer and
// window events go on being handled, and mouse and keyboard input stays queued until
// the operation is over. The protocol itself stays sequential on this one thread.
class QtEventClock : public Clock {
 public:
  void Pause(int milliseconds) override;
  void Idle() override;
};

}  // namespace tarvix::app
