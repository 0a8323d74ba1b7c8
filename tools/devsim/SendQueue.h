#pragma once
#include <chrono>
#include <optional>
#include <vector>

#include "tools/devsim/Simulator.h"

namespace tarvix::devsim {

// Replies held back by a delay fault, sent in order of their due time (and
// of arrival when due together). Time is passed in, so this stays testable.
class SendQueue {
 public:
  using Clock = std::chrono::steady_clock;

  void Push(Outgoing reply, Clock::time_point due);
  std::vector<Outgoing> PopDue(Clock::time_point now);
  std::optional<Clock::time_point> NextDue() const;

 private:
  struct Entry {
    Clock::time_point due;
    unsigned long sequence;
    Outgoing reply;
  };
  std::vector<Entry> entries_;
  unsigned long nextSequence_ = 0;
};

}  // namespace tarvix::devsim
