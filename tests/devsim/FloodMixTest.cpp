#include <gtest/gtest.h>

#include <set>

#include "tools/devsim/FloodMix.h"
#include "tools/devsim/MessageLayout.h"

namespace tarvix::devsim {
namespace {

// The flood carries every kind of foreign traffic, and never a reply of a type that
// an exchange waits for, nor one of the requests a device would take from the test.
TEST(FloodMixTest, OtherHostsRequestsTheirRepliesAndJunkButNoAnswerTypes) {
  const std::vector<Bytes> mix = FloodMix({10, 77, 1, 2});
  std::set<int> types;
  for (const Bytes& d : mix) {
    ASSERT_FALSE(d.empty());
    types.insert(d[0]);
    EXPECT_NE(d[0], kTypeQueryReply);
    EXPECT_NE(d[0], kTypeSetReply);
    if (d[0] == kTypeQueryRequest || d[0] == kTypeSetRequest) {
      ASSERT_GT(d.size(), kAddressOffset + 3);
      EXPECT_GE(d[kAddressOffset + 3], 240);  // addressed to no device a test plays
    }
  }
  for (int type : {1, 2, 3, 5, 7, 8, 0, 9, 255}) EXPECT_TRUE(types.count(type)) << type;
}

TEST(FloodMixTest, PlanIsBoundedInRateCountAndTime) {
  FloodPlanResult r =
      ParseFloodPlan({"--interface", "10.77.1.2", "--rate", "1000", "--seconds", "2"});
  ASSERT_TRUE(r.error.empty()) << r.error;
  EXPECT_EQ(r.plan.count, 2000);
  r = ParseFloodPlan({"--interface", "10.77.1.2", "--count", "10"});
  ASSERT_TRUE(r.error.empty());
  EXPECT_EQ(r.plan.count, 10);
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--rate", "1000"},
                                              {"--interface", "10.77.1.2", "--rate", "200001"},
                                              {"--interface", "10.77.1.2", "--seconds", "601"},
                                              {"--interface", "10.77.1.2", "--seconds", "0"},
                                              {"--interface", "10.77.1", "--rate", "5"}})
    EXPECT_FALSE(ParseFloodPlan(bad).error.empty()) << bad[1];
}

}  // namespace
}  // namespace tarvix::devsim
