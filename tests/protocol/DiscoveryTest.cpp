#include <algorithm>
#include <set>

#include "tests/protocol/ProtocolFixture.h"

namespace tarvix::testing {
namespace {

class DiscoveryTest : public ProtocolFixture {
 protected:
  DiscoveryTest() : ProtocolFixture({"10.77.1.1", "10.77.2.1"}) {}

  std::vector<std::string> Listed() const {
    std::vector<std::string> out;
    for (const DeviceNode& n : protocol.devices)
      out.push_back(std::string(n.name) + "@" + n.address + "#" + std::to_string(n.interfaceIndex));
    return out;
  }

  FakeDevice Device(const char* name, uint8_t last) {
    FakeDevice d;
    d.name = name;
    d.address[3] = last;
    return d;
  }
};

// One round serves both interfaces: each poll waits on both sockets at once.
TEST_F(DiscoveryTest, IdleRoundPollsAndPausesOnceForAllInterfaces) {
  protocol.Search();
  EXPECT_TRUE(protocol.devices.IsEmpty());
  EXPECT_EQ(sockets.polls(0), 32);
  EXPECT_EQ(sockets.polls(1), 32);
  EXPECT_EQ(PausesOf(50), 1);
  EXPECT_EQ(PausesOf(20), 31);
  ASSERT_EQ(sockets.sent().size(), 2u);
  EXPECT_EQ(sockets.sent()[0].second.size(), 11u);
  EXPECT_EQ(sockets.sent()[1].second, sockets.sent()[0].second);
}

TEST_F(DiscoveryTest, SelectorsRepeatsAndFirstInterfaceWins) {
  FakeDevice basic = Device("basic", 10), ext = Device("ext", 11), model = Device("model", 12);
  FakeDevice wrongSel = Device("wrongsel", 13);
  wrongSel.selectorB = 4;
  basic.selectorA = 9;  // a type 2 reply carries no selectors
  sockets.Queue(0, DiscoveryReplyBytes(2, kClientId, basic));
  sockets.Queue(0, DiscoveryReplyBytes(7, kClientId, wrongSel));
  sockets.Queue(0, DiscoveryReplyBytes(7, kClientId, ext));
  sockets.Queue(0, DiscoveryReplyBytes(7, kClientId, ext));  // repeated datagram
  sockets.Queue(0, DiscoveryReplyBytes(7, kOtherClient, Device("foreign", 14)));
  sockets.Queue(0, QueryReplyBytes(kClientId, Device("query", 15), "x"));
  sockets.Queue(1, DiscoveryReplyBytes(8, kClientId, model));
  sockets.Queue(1, DiscoveryReplyBytes(2, kClientId, basic));  // same device on link 2
  protocol.Search();
  EXPECT_EQ(Listed(), (std::vector<std::string>{"basic@10.77.1.10#0", "ext@10.77.1.11#0",
                                                "model@10.77.1.12#1"}));
  const DeviceNode* n = protocol.devices.FindByAddress("10.77.1.12");
  const DeviceNode* extended = protocol.devices.FindByAddress("10.77.1.11");
  ASSERT_NE(n, nullptr);
  ASSERT_NE(extended, nullptr);
  EXPECT_STREQ(n->model, "NV-A20");
  EXPECT_STREQ(extended->model, "");
  EXPECT_EQ(sockets.polls(0), 32);  // however many datagrams came
}

TEST_F(DiscoveryTest, ZeroSelectorsAcceptEveryReply) {
  FakeDevice d = Device("any", 20);
  d.selectorA = 1;
  d.selectorB = 4;
  sockets.Queue(0, DiscoveryReplyBytes(8, kClientId, d));
  DiscoverDevices(protocol.network, protocol.devices, 0, 0);
  EXPECT_EQ(Listed(), std::vector<std::string>{"any@10.77.1.20#0"});
}

TEST_F(DiscoveryTest, NodeFieldsAndNewSearchReplacesList) {
  FakeDevice d = Device("dev", 30);
  d.dhcp = '1';
  sockets.Queue(0, DiscoveryReplyBytes(2, kClientId, d));
  protocol.Search();
  const DeviceNode* n = protocol.devices.Head();
  ASSERT_NE(n, nullptr);
  EXPECT_STREQ(n->dhcpFlag, "1");
  EXPECT_STREQ(n->netmask, "255.255.255.0");
  EXPECT_STREQ(n->gateway, "10.77.1.1");
  EXPECT_EQ(n->deviceId[0], 0xAA);
  EXPECT_EQ(n->deviceId[9], 30);
  protocol.Search();
  EXPECT_TRUE(protocol.devices.IsEmpty());
}

TEST(DiscoveryEmptyTableTest, NoInterfacesReturnsAtOnce) {
  FakeSocketApi sockets;
  sockets.localAddresses.clear();
  CountingClock clock;
  Protocol protocol(sockets, clock);
  protocol.network.StartNetwork();
  protocol.Search();
  EXPECT_TRUE(protocol.devices.IsEmpty());
  EXPECT_EQ(sockets.totalPolls(), 0);
  EXPECT_TRUE(clock.pauses.empty());
}

TEST_F(DiscoveryTest, FloodDoesNotLengthenTheRound) {
  for (FakeSocketApi::Event::Kind kind :
       {FakeSocketApi::Event::Fail, FakeSocketApi::Event::Oversize}) {
    sockets.endless[0] = {kind, Bytes(kind == FakeSocketApi::Event::Oversize ? 5000 : 0, 2)};
    clock.pauses.clear();
    int before = sockets.polls(0);
    FakeDevice d = Device("among", 40);
    clock.duringPause = [&](size_t pause) {
      if (pause == 10) sockets.Queue(0, DiscoveryReplyBytes(2, kClientId, d));
    };
    protocol.Search();
    EXPECT_EQ(sockets.polls(0) - before, 32);
    EXPECT_EQ(clock.pauses.size(), 32u);
    EXPECT_EQ(Listed(), std::vector<std::string>{"among@10.77.1.40#0"});
  }
}

TEST_F(DiscoveryTest, FortyDevicesOnOneLinkAreAllListed) {
  std::vector<std::string> expected;
  for (uint8_t n = 1; n <= 40; ++n) {
    std::string name = "dev" + std::to_string(n);
    sockets.Queue(0, DiscoveryReplyBytes(2, kClientId, Device(name.c_str(), n)));
    expected.push_back(name + "@10.77.1." + std::to_string(n) + "#0");
  }
  protocol.Search();
  EXPECT_EQ(Listed(), expected);
  EXPECT_EQ(sockets.polls(0), 32);
}

// Each node keeps the interface that its reply came in on, also when the replies of
// several interfaces arrive interleaved within the round.
TEST_F(DiscoveryTest, NodesKeepTheirOwnInterface) {
  FakeDevice a = Device("a", 50), b = Device("b", 51);
  b.address[2] = 2;
  clock.duringPause = [&](size_t pause) {
    if (pause == 2) sockets.Queue(1, DiscoveryReplyBytes(2, kClientId, b));
    if (pause == 3) sockets.Queue(0, DiscoveryReplyBytes(2, kClientId, a));
  };
  protocol.Search();
  EXPECT_EQ(Listed(), (std::vector<std::string>{"a@10.77.1.50#0", "b@10.77.2.51#1"}));
}

TEST(DiscoveryRoundTest, SilentSearchIsOneRoundForAnyNumberOfInterfaces) {
  for (int count : {1, 2, 8}) {
    FakeSocketApi sockets;
    sockets.localAddresses.clear();
    for (int i = 1; i <= count; ++i)
      sockets.localAddresses.push_back("10.77." + std::to_string(i) + ".1");
    CountingClock clock;
    Protocol protocol(sockets, clock);
    ASSERT_TRUE(protocol.network.StartNetwork());
    protocol.Search();
    std::vector<int> round{50};
    round.insert(round.end(), 31, 20);
    EXPECT_EQ(clock.pauses, round) << count;
    for (int i = 0; i < count; ++i) EXPECT_EQ(sockets.polls(i), 32) << count << " " << i;
    EXPECT_EQ(static_cast<int>(sockets.sent().size()), count);
  }
}

// The list of one round over three interfaces is the list that searching them one
// after the other gives: interfaces in table order, replies in arrival order within
// each, the first interface (in table order) keeping an address that answers on
// several, the first reply on an interface keeping a repeated address. Every order in
// which the replies can arrive is tried, spread over the round's pauses and all at once.
class DiscoveryOrderTest : public ProtocolFixture {
 protected:
  DiscoveryOrderTest() : ProtocolFixture({"10.77.1.1", "10.77.2.1", "10.77.3.1"}) {}

  struct Reply {
    int interfaceIndex;
    uint8_t last;  // of the address 10.77.1.x: the same device on every link
    const char* name;
  };

  // The sequential search: interface by interface, the first reply for an address wins.
  static std::vector<std::string> Sequential(const std::vector<Reply>& arrival) {
    std::vector<std::string> out;
    std::set<int> seen;
    for (int i = 0; i < 3; ++i)
      for (const Reply& r : arrival)
        if (r.interfaceIndex == i && seen.insert(r.last).second)
          out.push_back(std::string(r.name) + "@10.77.1." + std::to_string(r.last) + "#" +
                        std::to_string(i));
    return out;
  }

  std::vector<std::string> Listed() const {
    std::vector<std::string> out;
    for (const DeviceNode& n : protocol.devices)
      out.push_back(std::string(n.name) + "@" + n.address + "#" + std::to_string(n.interfaceIndex));
    return out;
  }

  Bytes ReplyBytes(const Reply& r) const {
    FakeDevice d;
    d.name = r.name;
    d.address[3] = r.last;
    return DiscoveryReplyBytes(2, kClientId, d);
  }
};

TEST_F(DiscoveryOrderTest, ListMatchesTheSequentialSearchInEveryOrderOfArrival) {
  std::vector<Reply> replies = {{0, 10, "A0"}, {2, 10, "A2"},      {1, 11, "B1"},
                                {0, 11, "B0"}, {0, 10, "A0again"}, {2, 12, "C2"}};
  std::sort(replies.begin(), replies.end(),
            [](const Reply& x, const Reply& y) { return std::string(x.name) < y.name; });
  int orders = 0;
  do {
    for (bool spread : {true, false}) {
      clock.duringPause = nullptr;
      sockets.responder = nullptr;
      const size_t firstPause = clock.pauses.size();
      if (spread) {
        clock.duringPause = [&, firstPause](size_t pause) {
          size_t k = pause - firstPause - 1;  // the k-th pause of this search
          if (k < replies.size()) sockets.Queue(replies[k].interfaceIndex, ReplyBytes(replies[k]));
        };
      } else {
        sockets.responder = [&](int i, const Bytes&) {
          if (i != 2) return;  // the request has left on every interface
          for (const Reply& r : replies) sockets.Queue(r.interfaceIndex, ReplyBytes(r));
        };
      }
      protocol.Search();
      ASSERT_EQ(Listed(), Sequential(replies)) << (spread ? "spread" : "at once");
    }
    ++orders;
  } while (std::next_permutation(
      replies.begin(), replies.end(),
      [](const Reply& x, const Reply& y) { return std::string(x.name) < y.name; }));
  EXPECT_EQ(orders, 720);
}

}  // namespace
}  // namespace tarvix::testing
