#pragma once
#include "protocol/Clock.h"

namespace tarvix::app {

// The protocol's clock for the window: while the protocol waits, paint, timer and
// window events go on being handled, and mouse and keyboard input stays queued until
// the operation is over. The protocol itself stays sequential on this one thread.
//
// A wait that watches sockets is spent in slices of at most 10 ms, with the pending
// events handled between them (Idle), so the window paints at least every 10 ms also
// while the protocol reads.
class QtEventClock : public Clock {
 public:
  static constexpr int kSliceMicroseconds = 10000;

  void Pause(int milliseconds) override;
  void Idle() override;

 protected:
  int MaxSliceMicroseconds() const override { return kSliceMicroseconds; }
};

}  // namespace tarvix::app
