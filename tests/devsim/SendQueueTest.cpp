#include "tools/devsim/SendQueue.h"

#include <gtest/gtest.h>

namespace tarvix::devsim {
namespace {

using std::chrono::milliseconds;

Outgoing Named(const char* name) { return Outgoing{name, {}, 0, -1}; }

std::vector<std::string> Names(const std::vector<Outgoing>& replies) {
  std::vector<std::string> names;
  for (const auto& reply : replies) names.push_back(reply.device);
  return names;
}

TEST(SendQueue, ReleasesRepliesWhenDueInOrder) {
  SendQueue queue;
  const SendQueue::Clock::time_point start{};
  EXPECT_FALSE(queue.NextDue());
  queue.Push(Named("late"), start + milliseconds(300));
  queue.Push(Named("early"), start + milliseconds(100));
  queue.Push(Named("early-too"), start + milliseconds(100));
  EXPECT_EQ(queue.NextDue(), start + milliseconds(100));

  EXPECT_TRUE(queue.PopDue(start + milliseconds(99)).empty());
  EXPECT_EQ(Names(queue.PopDue(start + milliseconds(100))),
            (std::vector<std::string>{"early", "early-too"}));
  EXPECT_EQ(queue.NextDue(), start + milliseconds(300));
  EXPECT_EQ(Names(queue.PopDue(start + milliseconds(1000))), std::vector<std::string>{"late"});
  EXPECT_FALSE(queue.NextDue());
}

}  // namespace
}  // namespace tarvix::devsim
