#include "protocol/Clock.h"

#include <algorithm>
#include <chrono>

namespace tarvix {
namespace {

using std::chrono::steady_clock;
using Micros = std::chrono::microseconds;

int MicrosecondsUntil(steady_clock::time_point when) {
  return static_cast<int>(std::max<Micros::rep>(
      0, std::chrono::ceil<Micros>(when - steady_clock::now()).count()));
}

}  // namespace

bool Clock::WatchFor(int milliseconds, const Watch& watch) {
  const auto end = steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    const auto sliceEnd = std::min(end, steady_clock::now() + Micros(MaxSliceMicroseconds()));
    // The Watch comes back early whenever something arrived that the wait is not for;
    // it is handed the rest of the slice until the slice is spent.
    for (int left = MicrosecondsUntil(sliceEnd); left > 0; left = MicrosecondsUntil(sliceEnd))
      if (watch(left)) return true;
    if (sliceEnd >= end) return false;
    Idle();
  }
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
