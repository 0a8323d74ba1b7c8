#include "tools/devsim/SendQueue.h"

#include <algorithm>

namespace tarvix::devsim {

void SendQueue::Push(Outgoing reply, Clock::time_point due) {
  entries_.push_back({due, nextSequence_++, std::move(reply)});
}

std::vector<Outgoing> SendQueue::PopDue(Clock::time_point now) {
  const auto notDue = std::stable_partition(entries_.begin(), entries_.end(),
                                            [now](const Entry& e) { return e.due <= now; });
  std::sort(entries_.begin(), notDue, [](const Entry& a, const Entry& b) {
    return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
  });
  std::vector<Outgoing> due;
  for (auto it = entries_.begin(); it != notDue; ++it) due.push_back(std::move(it->reply));
  entries_.erase(entries_.begin(), notDue);
  return due;
}

std::optional<SendQueue::Clock::time_point> SendQueue::NextDue() const {
  if (entries_.empty()) return std::nullopt;
  return std::min_element(entries_.begin(), entries_.end(),
                          [](const Entry& a, const Entry& b) { return a.due < b.due; })
      ->due;
}

}  // namespace tarvix::devsim
