#pragma once

namespace tarvix {

// Every pause of the protocol goes through a clock, so tests count pauses without
// waiting and a window can keep repainting while the protocol waits.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual void Pause(int milliseconds) = 0;
  // Called after every poll of a socket; a front end may process pending paint events.
  virtual void Idle() {}
};

class SystemClock : public Clock {
 public:
  void Pause(int milliseconds) override;
};

}  // namespace tarvix
