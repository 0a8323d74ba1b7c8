#include "tests/protocol/ProtocolFixture.h"

namespace tarvix::testing {
namespace {

class NetworkTest : public ProtocolFixture {
 protected:
  int Exchange(const char* match, int flush, int missLimit) {
    uint8_t request[28] = {3};
    return protocol.network.RunExchange(0, request, sizeof request, kQueryReply, match, flush,
                                        missLimit);
  }
  FakeDevice device;
};

TEST_F(NetworkTest, StartFillsTableAndOpensTwoSocketsPerSlot) {
  EXPECT_EQ(protocol.network.Interfaces().count, 1);
  EXPECT_EQ(sockets.openSockets(), 2);
  protocol.network.StopNetwork();
  EXPECT_EQ(sockets.closedSockets(), 2);
  EXPECT_TRUE(sockets.cleanedUp);
}

TEST(NetworkStartTest, OnlyEightAddressesAndFailedStartup) {
  FakeSocketApi sockets;
  CountingClock clock;
  sockets.localAddresses.clear();
  for (int i = 1; i <= 10; ++i) sockets.localAddresses.push_back("10.0.0." + std::to_string(i));
  Network network(sockets, clock);
  ASSERT_TRUE(network.StartNetwork());
  EXPECT_EQ(network.Interfaces().count, 8);
  EXPECT_STREQ(network.Interfaces().addresses[7], "10.0.0.8");
  const ClientId& id = network.Id();
  EXPECT_EQ(id.bytes[6] | id.bytes[7] | id.bytes[8] | id.bytes[9], 0);

  FakeSocketApi broken;
  broken.startupFails = true;
  Network failing(broken, clock);
  EXPECT_FALSE(failing.StartNetwork());
}

TEST_F(NetworkTest, SilentDeviceCostsFlushCountedPollsAndPauses) {
  EXPECT_EQ(Exchange("10.77.1.2", 11, 20), 0);
  EXPECT_EQ(sockets.polls(0), 11 + 21);
  EXPECT_EQ(clock.pauses, std::vector<int>(20, 100));
  EXPECT_EQ(sockets.sent().size(), 1u);
}

TEST_F(NetworkTest, MissLimitsEndAfterTheirCounts) {
  for (int limit : {10, 20, 100, 300}) {
    FakeSocketApi s;
    CountingClock c;
    Network n(s, c);
    n.StartNetwork();
    uint8_t request[28] = {3};
    EXPECT_EQ(n.RunExchange(0, request, 28, kSetReply, nullptr, 0, limit), 0);
    EXPECT_EQ(s.polls(0), limit + 1) << limit;
    EXPECT_EQ(static_cast<int>(c.pauses.size()), limit) << limit;
  }
}

// Replies for another requester or from another address are never taken; the steps
// they arrive in end without the answer, each as one miss.
TEST_F(NetworkTest, ForeignAndMisaddressedRepliesAreNotTaken) {
  FakeDevice other = device;
  other.address[3] = 9;
  sockets.Queue(0, QueryReplyBytes(kOtherClient, device, "x"));
  sockets.Queue(0, QueryReplyBytes(kClientId, other, "x"));
  clock.duringPause = [&](size_t pause) {
    if (pause == 1) sockets.Queue(0, QueryReplyBytes(kClientId, other, "x"));
    if (pause == 2) sockets.Queue(0, QueryReplyBytes(kClientId, device, "1"));
  };
  EXPECT_EQ(Exchange("10.77.1.2", 0, 20), 1);
  EXPECT_EQ(clock.pauses.size(), 2u);
  EXPECT_EQ(ReadValueText(protocol.network.ReceiveArea(), protocol.network.ReceivedLength()), "1");
}

// A foreign reply in each of the first three steps: with miss limit 2 the exchange
// ends after its third poll, before the pause in which the right reply would come.
TEST_F(NetworkTest, MissLimitReachedBeforeTheRightReplyArrives) {
  sockets.Queue(0, QueryReplyBytes(kOtherClient, device, "x"));
  clock.duringPause = [&](size_t pause) {
    sockets.Queue(0, pause < 3 ? QueryReplyBytes(kOtherClient, device, "x")
                               : QueryReplyBytes(kClientId, device, "1"));
  };
  EXPECT_EQ(Exchange("10.77.1.2", 0, 2), 0);
  EXPECT_EQ(sockets.polls(0), 3);
  EXPECT_EQ(clock.pauses, std::vector<int>(2, 100));
}

// However many of them come in one step, replies of the expected type that are not
// the answer cost that step one miss: the exchange keeps all its steps.
TEST_F(NetworkTest, ForeignBurstInOneStepCostsOneMiss) {
  for (int n = 0; n < 30; ++n) sockets.Queue(0, QueryReplyBytes(kOtherClient, device, "x"));
  clock.duringPause = [&](size_t pause) {
    if (pause == 2) sockets.Queue(0, QueryReplyBytes(kClientId, device, "1"));
  };
  EXPECT_EQ(Exchange("10.77.1.2", 0, 2), 1);
  EXPECT_EQ(clock.pauses.size(), 2u);

  clock.duringPause = nullptr;
  clock.pauses.clear();
  int polls = sockets.polls(0);
  for (int n = 0; n < 30; ++n) sockets.Queue(0, QueryReplyBytes(kOtherClient, device, "x"));
  EXPECT_EQ(Exchange("10.77.1.2", 0, 2), 0);
  EXPECT_EQ(sockets.polls(0) - polls, 3);
  EXPECT_EQ(clock.pauses, std::vector<int>(2, 100));
}

// The answer is taken when it arrives: in the pause, with no poll after it.
TEST_F(NetworkTest, ReplyArrivingMidPauseIsTakenAtOnce) {
  clock.duringPause = [&](size_t pause) {
    if (pause == 1) sockets.Queue(0, QueryReplyBytes(kClientId, device, "1"));
  };
  EXPECT_EQ(Exchange("10.77.1.2", 11, 20), 1);
  EXPECT_EQ(sockets.polls(0), 11 + 1);
  EXPECT_EQ(clock.pauses, std::vector<int>{100});
  EXPECT_EQ(ReadValueText(protocol.network.ReceiveArea(), protocol.network.ReceivedLength()), "1");
}

// What is queued before the request (late answers to an earlier one) is read and
// dropped by the flush, all of it, and never taken for the answer.
TEST_F(NetworkTest, FlushDiscardsEverythingQueuedBeforeTheRequest) {
  for (int n = 0; n < 100; ++n) sockets.Queue(0, QueryReplyBytes(kClientId, device, "old"));
  EXPECT_EQ(Exchange("10.77.1.2", 11, 20), 0);
  EXPECT_EQ(sockets.polls(0), 11 + 21);
  EXPECT_EQ(clock.pauses, std::vector<int>(20, 100));
}

TEST_F(NetworkTest, OtherTypesAndFailedReadsAreSkippedWithoutPause) {
  sockets.QueueFailure(0);
  sockets.QueueOversize(0);
  sockets.Queue(0, DiscoveryReplyBytes(2, kClientId, device));
  sockets.Queue(0, QueryReplyBytes(kClientId, device, "ok"));
  EXPECT_EQ(Exchange("10.77.1.2", 0, 20), 1);
  EXPECT_TRUE(clock.pauses.empty());
  EXPECT_EQ(sockets.polls(0), 1);  // one poll reads everything queued
}

// A reply shorter than the header, or than what the caller's reader needs, is not an
// answer: it is skipped like a failed read and the exchange waits on without a pause.
TEST_F(NetworkTest, RepliesTooShortForTheirReaderAreSkipped) {
  struct Case {
    size_t replyLength;  // what the caller asks for
    size_t shortLength;  // a reply that is one byte too short
  };
  const Bytes reply = QueryReplyBytes(kClientId, device, "1");
  auto cut = [&](size_t n) { return Bytes(reply.begin(), reply.begin() + static_cast<long>(n)); };
  for (const Case c : {Case{0, 20}, Case{21, 20}, Case{29, 28}}) {
    sockets.Queue(0, cut(c.shortLength));
    sockets.Queue(0, cut(c.shortLength + 1));
    clock.pauses.clear();
    int polls = sockets.polls(0);
    uint8_t request[28] = {3};
    EXPECT_EQ(protocol.network.RunExchange(0, request, sizeof request, kQueryReply, nullptr, 0, 20,
                                           c.replyLength),
              1);
    EXPECT_EQ(protocol.network.ReceivedLength(), c.shortLength + 1) << c.replyLength;
    EXPECT_EQ(sockets.polls(0) - polls, 1) << c.replyLength;
    EXPECT_TRUE(clock.pauses.empty()) << c.replyLength;
  }
  // Without a longer one the short reply leaves the exchange to fail after its full wait.
  sockets.Queue(0, cut(20));
  clock.pauses.clear();
  EXPECT_EQ(Exchange("10.77.1.2", 0, 20), 0);
  EXPECT_EQ(clock.pauses.size(), 20u);
}

TEST_F(NetworkTest, WithoutMatchAddressAnyOfOurRepliesIsAccepted) {
  FakeDevice other = device;
  other.address[3] = 77;
  sockets.Queue(0, QueryReplyBytes(kClientId, other, "v"));
  EXPECT_EQ(Exchange(nullptr, 0, 20), 1);
}

TEST_F(NetworkTest, EmptyMatchAddressMatchesNothing) {
  sockets.Queue(0, QueryReplyBytes(kClientId, device, "v"));
  EXPECT_EQ(Exchange("", 0, 10), 0);
  EXPECT_EQ(clock.pauses.size(), 10u);
}

// A flood of foreign datagrams or failed reads neither keeps an exchange alive nor
// hides its answer: the exchange keeps its own polls and pauses, and the answer that
// comes in the middle of the flood is taken.
TEST_F(NetworkTest, FloodNeitherLengthensAnExchangeNorHidesItsAnswer) {
  const FakeSocketApi::Event floods[] = {
      {FakeSocketApi::Event::Datagram, DiscoveryReplyBytes(2, kClientId, device)},
      {FakeSocketApi::Event::Fail, {}},
      {FakeSocketApi::Event::Oversize, Bytes(5000, 4)}};
  for (const FakeSocketApi::Event& flood : floods) {
    sockets.endless[0] = flood;
    clock.pauses.clear();
    clock.duringPause = nullptr;
    int before = sockets.polls(0);
    EXPECT_EQ(Exchange("10.77.1.2", 0, 10), 0);
    EXPECT_EQ(sockets.polls(0) - before, 11);
    EXPECT_EQ(clock.pauses, std::vector<int>(10, 100));

    clock.pauses.clear();
    clock.duringPause = [&](size_t pause) {
      if (pause == 3) sockets.Queue(0, QueryReplyBytes(kClientId, device, "1"));
    };
    EXPECT_EQ(Exchange("10.77.1.2", 0, 10), 1);
    EXPECT_EQ(clock.pauses.size(), 3u);
  }
}

}  // namespace
}  // namespace tarvix::testing
