#pragma once
#include <chrono>
#include <functional>

namespace tarvix {

// Every wait of the protocol goes through a clock, so tests count pauses without
// waiting and a window can keep repainting while the protocol waits.
//
// A wait that keeps reading sockets hands the clock a Watch. The clock spends the
// wait's time in slices and hands each slice to the Watch, which reads what arrives
// within it (blocking for at most the slice) and returns true once what the wait is
// for has come; the wait then ends at once. A slice of 0 asks the Watch to take only
// what is already there.
class Clock {
 public:
  using Watch = std::function<bool(int sliceMicroseconds)>;

  virtual ~Clock() = default;

  // A pause in which nothing is watched.
  virtual void Pause(int milliseconds) = 0;
  // Called after every poll and between the slices of a wait; a front end may process
  // pending paint events here.
  virtual void Idle() {}

  // The readability wait of one poll, at most `milliseconds`, then Idle(). True when
  // `watch` ended it early.
  virtual bool Poll(int milliseconds, const Watch& watch);
  // A pause of `milliseconds` that keeps watching. True when `watch` ended it early.
  virtual bool PauseWatching(int milliseconds, const Watch& watch);

 protected:
  // The longest a Watch may block before Idle() runs again.
  virtual int MaxSliceMicroseconds() const { return 1000 * 1000; }

 private:
  // Spends `milliseconds` of real time in `watch`, slice by slice.
  bool WatchFor(int milliseconds, const Watch& watch);

  // Where the last wait that ran its full time was due to end. A wait that follows
  // it at once is counted from there, not from when it began, so that the few
  // microseconds each wake-up comes late do not add up over a search's or an
  // exchange's many waits: a run of waits ends when their nominal times say.
  std::chrono::steady_clock::time_point scheduleEnd_{};
};

class SystemClock : public Clock {
 public:
  void Pause(int milliseconds) override;
};

}  // namespace tarvix
