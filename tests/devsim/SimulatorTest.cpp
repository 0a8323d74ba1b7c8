#include "tools/devsim/Simulator.h"

#include <gtest/gtest.h>

#include "tests/devsim/TestDatagrams.h"
#include "tools/devsim/ConfigParser.h"

namespace tarvix::devsim {
namespace {

using test::Text;

const test::Id10 kFirst = {0, 0x11, 0x22, 0x33, 0x44, 0x55, 10, 77, 1, 20};
const test::Id10 kSecond = {0, 0, 0, 0, 0, 2, 10, 77, 1, 21};

Simulator Make(const std::string& extraForFirst = "") {
  const auto config = ParseConfig(
      "[one]\naddress = 10.77.1.20\nid = 001122334455\nssl = 1\ndhcp_address = 10.77.1.99\n" +
      extraForFirst + "\n[two]\naddress = 10.77.1.21\nid = 000000000002\nreply_type = 7\n");
  EXPECT_TRUE(config.ok()) << config.error;
  return Simulator(config.devices);
}

std::vector<std::string> Senders(const Outcome& outcome) {
  std::vector<std::string> names;
  for (const auto& reply : outcome.replies) names.push_back(reply.device);
  return names;
}

TEST(Simulator, EveryDeviceAnswersDiscoveryWithTheEchoedClientId) {
  auto simulator = Make();
  const auto outcome = simulator.Handle(test::DiscoverRequest());
  ASSERT_EQ(Senders(outcome), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(outcome.replies[0].bytes[0], 2);
  EXPECT_EQ(outcome.replies[1].bytes[0], 7);
  for (const auto& reply : outcome.replies) {
    EXPECT_TRUE(std::equal(test::kClient.begin(), test::kClient.end(), reply.bytes.begin() + 1));
  }
  EXPECT_EQ(test::ReportedAddress(outcome.replies[1].bytes), "10.77.1.21");
  EXPECT_FALSE(outcome.stateChanged);
}

TEST(Simulator, OnlyTheAddressedDeviceAnswersAQuery) {
  auto simulator = Make();
  const auto outcome = simulator.Handle(test::QueryRequest(kFirst, 19));
  ASSERT_EQ(Senders(outcome), std::vector<std::string>{"one"});
  EXPECT_EQ(outcome.replies[0].bytes[0], 4);
  EXPECT_EQ(test::ValueText(outcome.replies[0].bytes), "1");
  EXPECT_TRUE(
      simulator.Handle(test::QueryRequest({0, 0, 0, 0, 0, 0, 10, 77, 1, 22}, 19)).replies.empty());
}

TEST(Simulator, RepliesAndRequestsOfOtherTypesGetNoAnswer) {
  auto simulator = Make();
  auto reply = simulator.Handle(test::QueryRequest(kFirst, 19)).replies.at(0).bytes;
  EXPECT_TRUE(simulator.Handle(reply).replies.empty());
  EXPECT_TRUE(simulator.Handle(test::QueryRequest(kFirst, 99)).replies.empty());
}

TEST(Simulator, AfterAnAddressChangeTheDeviceAnswersOnlyUnderItsNewAddress) {
  auto simulator = Make();
  const auto ack =
      simulator.Handle(test::SetRequest(kFirst, 1, "255.255.255.0", "", Text("10.77.1.30")));
  ASSERT_EQ(Senders(ack), std::vector<std::string>{"one"});
  EXPECT_EQ(ack.replies[0].bytes[0], 6);
  EXPECT_EQ(test::ReportedAddress(ack.replies[0].bytes), "10.77.1.30");
  EXPECT_TRUE(ack.stateChanged);

  EXPECT_TRUE(simulator.Handle(test::QueryRequest(kFirst, 19)).replies.empty());
  auto moved = kFirst;
  moved[9] = 30;
  const auto answer = simulator.Handle(test::QueryRequest(moved, 19));
  ASSERT_EQ(answer.replies.size(), 1u);
  EXPECT_EQ(test::ReportedAddress(answer.replies[0].bytes), "10.77.1.30");
}

TEST(Simulator, DhcpAcknowledgementReportsTheDhcpAddress) {
  auto simulator = Make();
  const auto ack = simulator.Handle(test::SetRequest(kFirst, 2, "", "", {}));
  ASSERT_EQ(ack.replies.size(), 1u);
  EXPECT_EQ(test::ReportedAddress(ack.replies[0].bytes), "10.77.1.99");
  const auto found = simulator.Handle(test::DiscoverRequest());
  EXPECT_EQ(found.replies[0].bytes[21], '1');
}

TEST(Simulator, UnusableSetCommandsAreNotAcknowledged) {
  auto simulator = Make();
  const auto outcome = simulator.Handle(test::SetRequest(kFirst, 1, "", "", Text("nowhere")));
  EXPECT_TRUE(outcome.replies.empty());
  EXPECT_FALSE(outcome.stateChanged);
}

struct FaultCase {
  const char* config;
  std::size_t copies;
  int delayMs;
  bool stateChanged;
};

class SimulatorFaults : public testing::TestWithParam<FaultCase> {};

// A text command under each fault: how many answers, when, and whether the
// device still carried it out.
TEST_P(SimulatorFaults, ShapeTheAnswers) {
  auto simulator = Make(GetParam().config);
  const auto outcome = simulator.Handle(test::SetRequest(kFirst, 10, "", "", Text("rw")));
  EXPECT_EQ(outcome.replies.size(), GetParam().copies);
  for (const auto& reply : outcome.replies) {
    EXPECT_EQ(reply.delayMs, GetParam().delayMs);
    EXPECT_EQ(reply.command, 10);
  }
  EXPECT_EQ(outcome.stateChanged, GetParam().stateChanged);
}

INSTANTIATE_TEST_SUITE_P(Cases, SimulatorFaults,
                         testing::Values(FaultCase{"", 1, 0, true},
                                         FaultCase{"fault = silent", 0, 0, false},
                                         FaultCase{"fault.10 = silent", 0, 0, false},
                                         FaultCase{"fault.10 = noreply", 0, 0, true},
                                         FaultCase{"fault = repeat:3", 3, 0, true},
                                         FaultCase{"fault = delay:400,repeat:2", 2, 400, true},
                                         FaultCase{"fault = silent\nfault.10 = none", 1, 0, true},
                                         FaultCase{"fault.discovery = silent", 1, 0, true},
                                         FaultCase{"fault.19 = silent", 1, 0, true}));

TEST(Simulator, DistortingFaultsChangeTheRepliesOfTheirCommandOnly) {
  auto simulator = Make("fault.19 = foreign,misaddressed:10.77.1.50\nfault.discovery = wrongtype");
  const auto query = simulator.Handle(test::QueryRequest(kFirst, 19)).replies.at(0).bytes;
  EXPECT_NE(query[1], test::kClient[0]);
  EXPECT_EQ(test::ReportedAddress(query), "10.77.1.50");
  const auto other = simulator.Handle(test::QueryRequest(kFirst, 9)).replies.at(0).bytes;
  EXPECT_EQ(other[1], test::kClient[0]);
  EXPECT_EQ(test::ReportedAddress(other), "10.77.1.20");
  const auto found = simulator.Handle(test::DiscoverRequest());
  EXPECT_EQ(found.replies.at(0).bytes[0], 4);
  EXPECT_EQ(found.replies.at(1).bytes[0], 7);  // the other device is not affected
}

TEST(Simulator, DevicesOnOneAddressBothAnswer) {
  const auto config = ParseConfig("[a]\naddress = 10.77.1.20\n[b]\naddress = 10.77.1.20\n");
  Simulator simulator(config.devices);
  EXPECT_EQ(Senders(simulator.Handle(test::QueryRequest(kFirst, 19))),
            (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace tarvix::devsim
