#include "protocol/Clock.h"

#include <algorithm>
#include <chrono>

namespace tarvix {
namespace {

using std::chrono::steady_clock;
using Micros = std::chrono::microseconds;
// A wait that begins within this time after the last one was due to end follows it.
constexpr auto kFollowsWithin = std::chrono::milliseconds(2);

int MicrosecondsUntil(steady_clock::time_point when) {
  return static_cast<int>(
      std::max<Micros::rep>(0, std::chrono::ceil<Micros>(when - steady_clock::now()).count()));
}

}  // namespace

bool Clock::WatchFor(int milliseconds, const Watch& watch) {
  const auto now = steady_clock::now();
  const bool follows = now >= scheduleEnd_ && now - scheduleEnd_ <= kFollowsWithin;
  const auto end = (follows ? scheduleEnd_ : now) + std::chrono::milliseconds(milliseconds);
  for (;;) {
    const auto sliceEnd = std::min(end, steady_clock::now() + Micros(MaxSliceMicroseconds()));
    // The Watch comes back early whenever something arrived that the wait is not for;
    // it is handed the rest of the slice until the slice is spent.
    for (int left = MicrosecondsUntil(sliceEnd); left > 0; left = MicrosecondsUntil(sliceEnd)) {
      if (watch(left)) {
        scheduleEnd_ = steady_clock::now();
        return true;
      }
    }
    if (sliceEnd >= end) break;
    Idle();
  }
  scheduleEnd_ = end;
  return false;
}

bool Clock::Poll(int milliseconds, const Watch& watch) {
  const bool ended = WatchFor(milliseconds, watch);
  Idle();
  return ended;
}

bool Clock::PauseWatching(int milliseconds, const Watch& watch) {
  return WatchFor(milliseconds, watch);
}

}  // namespace tarvix
