#include "tests/protocol/ProtocolFixture.h"

namespace tarvix::testing {
namespace {

class DiscoveryTest : public ProtocolFixture {
 protected:
  DiscoveryTest() : ProtocolFixture({"10.77.1.1", "10.77.2.1"}) {}

  std::vector<std::string> Listed() const {
    std::vector<std::string> out;
    for (const DeviceNode& n : protocol.devices)
      out.push_back(std::string(n.name) + "@" + n.address + "#" +
                    std::to_string(n.interfaceIndex));
    return out;
  }

  FakeDevice Device(const char* name, uint8_t last) {
    FakeDevice d;
    d.name = name;
    d.address[3] = last;
    return d;
  }
};

TEST_F(DiscoveryTest, IdleRoundPollsAndPausesPerInterface) {
  protocol.Search();
  EXPECT_TRUE(protocol.devices.IsEmpty());
  EXPECT_EQ(sockets.polls(0), 32);
  EXPECT_EQ(sockets.polls(1), 32);
  EXPECT_EQ(PausesOf(50), 2);
  EXPECT_EQ(PausesOf(20), 62);
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
  EXPECT_EQ(sockets.polls(0), 32);  // every datagram used up a poll
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
  sockets.addresses.clear();
  CountingClock clock;
  Protocol protocol(sockets, clock);
  protocol.network.StartNetwork();
  protocol.Search();
  EXPECT_TRUE(protocol.devices.IsEmpty());
  EXPECT_EQ(sockets.totalPolls(), 0);
  EXPECT_TRUE(clock.pauses.empty());
}

TEST_F(DiscoveryTest, FailedReadFloodStillEndsTheRound) {
  sockets.endless[0] = {FakeSocketApi::Event::Fail, {}};
  protocol.Search();
  EXPECT_EQ(sockets.polls(0), 32 * kSkipsPerMiss + 32);
}

}  // namespace
}  // namespace tarvix::testing
