#include <cstddef>
#include <cstring>

#include "tests/protocol/ProtocolFixture.h"

namespace tarvix::testing {
namespace {

class DeviceCommandsTest : public ProtocolFixture {
 protected:
  void SetUp() override {
    ProtocolFixture::SetUp();
    ListAndSelect(device);
  }
  // Answers every request with `value` (queries) or an acknowledgement (sets).
  void AnswerWith(const std::string& value, FakeDevice as) {
    sockets.responder = [this, value, as](int i, const Bytes& request) {
      if (request[0] == kQueryRequest) sockets.Queue(i, QueryReplyBytes(kClientId, as, value));
      if (request[0] == kSetRequest) sockets.Queue(i, SetReplyBytes(kClientId, as));
    };
  }
  void AnswerWith(const std::string& value) { AnswerWith(value, device); }
  const Bytes& LastSent() const { return sockets.sent().back().second; }

  FakeDevice device;
  DeviceSession& session = protocol.session;
  DeviceCommands& commands = protocol.commands;
};

// Every operation with what it sends and how long it waits for a device that never
// answers: the flush polls before the request, then (miss limit + 1) counted polls
// with a pause of 100 ms after each but the last.
struct OperationCase {
  const char* name;
  int (*run)(DeviceCommands&);
  uint8_t command;
  int flushPolls;
  int missLimit;
  const char* traceKey;  // text queries only: the key of their trace line
  size_t fieldOffset;    // text queries only: their DeviceSession field
};

const OperationCase kOperations[] = {
    {"QueryCodepage", [](DeviceCommands& c) { return c.QueryCodepage(); }, 9, 11, 10, "codepage",
     offsetof(DeviceSession, codepage)},
    {"QueryIdeOk", [](DeviceCommands& c) { return c.QueryIdeOk(); }, 11, 11, 20, "ideok",
     offsetof(DeviceSession, ideOk)},
    {"QueryShareName", [](DeviceCommands& c) { return c.QueryShareName(); }, 12, 11, 20,
     "sharename", offsetof(DeviceSession, shareName)},
    {"QueryBtFirmware", [](DeviceCommands& c) { return c.QueryBtFirmware(); }, 15, 11, 20,
     "bt_firmware", offsetof(DeviceSession, btFirmware)},
    {"QueryDomain", [](DeviceCommands& c) { return c.QueryDomain(); }, 18, 11, 20, "domain",
     offsetof(DeviceSession, domain)},
    {"QuerySsl", [](DeviceCommands& c) { return c.QuerySsl(); }, 19, 11, 20, "ssl",
     offsetof(DeviceSession, ssl)},
    {"QueryShareList", [](DeviceCommands& c) { return c.QueryShareList(); }, 3, 11, 20, nullptr, 0},
    {"QueryLanInfo", [](DeviceCommands& c) { return c.QueryLanInfo(); }, 20, 11, 20, nullptr, 0},
    {"VerifyLogin", [](DeviceCommands& c) { return c.VerifyLogin(); }, 4, 0, 10, nullptr, 0},
    {"SetDhcp", [](DeviceCommands& c) { return c.SetDhcp(); }, 2, 0, 100, nullptr, 0},
    {"SetStaticAddress", [](DeviceCommands& c) { return c.SetStaticAddress(); }, 1, 0, 300, nullptr,
     0},
    {"SendTextCommand", [](DeviceCommands& c) { return c.SendTextCommand(10, "rw"); }, 10, 0, 10,
     nullptr, 0},
};

TEST_F(DeviceCommandsTest, TextQueriesStoreValueAndTrace) {
  for (const auto& c : kOperations) {
    if (!c.traceKey) continue;
    trace.clear();
    AnswerWith("2");
    ASSERT_EQ(c.run(commands), 1) << c.name;
    EXPECT_EQ(LastSent().size(), 28u);
    EXPECT_EQ(LastSent()[21], c.command);
    EXPECT_STREQ(reinterpret_cast<char*>(&session) + c.fieldOffset, "2");
    EXPECT_EQ(trace, std::string(c.traceKey) + "=2\n");
  }
}

TEST_F(DeviceCommandsTest, SilentDeviceCostsEachOperationItsWait) {
  CopyField(session.pendingAddress, "10.77.1.50");
  for (const auto& c : kOperations) {
    if (c.traceKey) CopyField(reinterpret_cast<char*>(&session) + c.fieldOffset, 2, "2");
    size_t sent = sockets.sent().size();
    int polls = sockets.polls(0);
    clock.pauses.clear();
    EXPECT_EQ(c.run(commands), 0) << c.name;
    ASSERT_EQ(sockets.sent().size(), sent + 1) << c.name;
    EXPECT_EQ(LastSent()[21], c.command) << c.name;
    EXPECT_EQ(sockets.polls(0) - polls, c.flushPolls + c.missLimit + 1) << c.name;
    EXPECT_EQ(clock.pauses, std::vector<int>(static_cast<size_t>(c.missLimit), 100)) << c.name;
    // A failed operation leaves its result as it was.
    if (c.traceKey) {
      EXPECT_STREQ(reinterpret_cast<char*>(&session) + c.fieldOffset, "2") << c.name;
    }
    EXPECT_STREQ(session.selectedAddress, "10.77.1.2") << c.name;
    EXPECT_NE(protocol.devices.FindByAddress("10.77.1.2"), nullptr) << c.name;
  }
}

TEST_F(DeviceCommandsTest, ValueLongerThanFieldIsCut) {
  AnswerWith(std::string(200, 'd'));
  ASSERT_EQ(commands.QueryDomain(), 1);
  EXPECT_EQ(std::strlen(session.domain), 127u);
  ASSERT_EQ(commands.QuerySsl(), 1);
  EXPECT_EQ(std::strlen(session.ssl), 7u);
}

TEST_F(DeviceCommandsTest, UnlistedSelectionSendsNothing) {
  CopyField(session.selectedAddress, "10.77.1.99");
  EXPECT_EQ(commands.QuerySsl(), 0);
  EXPECT_EQ(commands.SetDhcp(), 0);
  EXPECT_EQ(commands.SendTextCommand(10, "rw"), 0);
  EXPECT_TRUE(sockets.sent().empty());
  EXPECT_EQ(sockets.totalPolls(), 0);
}

TEST_F(DeviceCommandsTest, LoginPayloadAndVerdict) {
  CopyField(session.loginUser, "admin");
  AnswerWith("\x01");
  EXPECT_EQ(commands.VerifyLogin(), 1);
  const Bytes& r = LastSent();
  ASSERT_EQ(r.size(), 35u);
  EXPECT_EQ(r[21], 4);
  EXPECT_EQ(r[24], 7);
  EXPECT_EQ(std::string(r.begin() + 28, r.begin() + 33), "admin");
  EXPECT_EQ(r[33], 0x55);
  EXPECT_EQ(r[34], 0xAA);
  EXPECT_EQ(sockets.polls(0), 1);  // no flush before the login check

  AnswerWith("\xFF");  // any non-zero verdict, read as signed
  EXPECT_EQ(commands.VerifyLogin(), -1);
  AnswerWith("");
  EXPECT_EQ(commands.VerifyLogin(), 0);
  sockets.responder = nullptr;
  clock.pauses.clear();
  EXPECT_EQ(commands.VerifyLogin(), 0);
  EXPECT_EQ(clock.pauses.size(), 10u);
}

// The receive area is reused and only the byte after a datagram is cleared, so a
// login reply cut before its verdict byte would find an earlier reply's byte 28 there.
TEST_F(DeviceCommandsTest, LoginReplyWithoutItsVerdictByteIsARefusal) {
  struct Primer {
    int (DeviceCommands::*run)();
    const char* value;  // byte 28 of this earlier reply is not 0
  };
  const Primer primers[] = {{&DeviceCommands::QuerySsl, "1"},
                            {&DeviceCommands::QueryLanInfo, "LAN1:10.77.1.2:255.255.255.0::0"}};
  struct Case {
    size_t length;
    char verdict;
    int expected;
  };
  const Case cases[] = {{21, 1, 0}, {28, 1, 0}, {29, 0, 0}, {29, 1, 1}, {29, -2, -2}};
  CopyField(session.loginUser, "admin");
  for (const Primer& primer : primers) {
    for (const Case& c : cases) {
      AnswerWith(primer.value);
      ASSERT_EQ((commands.*primer.run)(), 1);
      sockets.responder = [&](int i, const Bytes&) {
        Bytes reply = QueryReplyBytes(kClientId, device, std::string(1, c.verdict));
        reply.resize(c.length);
        sockets.Queue(i, reply);
      };
      EXPECT_EQ(commands.VerifyLogin(), c.expected) << primer.value << ", " << c.length;
    }
  }
}

TEST_F(DeviceCommandsTest, ShortQueryReplyReadsAsEmptyValue) {
  AnswerWith("1");
  ASSERT_EQ(commands.QuerySsl(), 1);
  sockets.responder = [&](int i, const Bytes&) {
    Bytes reply = QueryReplyBytes(kClientId, device, "1");
    reply.resize(21);
    sockets.Queue(i, reply);
  };
  ASSERT_EQ(commands.QuerySsl(), 1);
  EXPECT_STREQ(session.ssl, "");
}

// An acknowledgement cut inside the reported address is no acknowledgement: the
// device keeps its entry and the exchange waits on for a whole one.
TEST_F(DeviceCommandsTest, SetDhcpTakesNoAddressFromAShortAcknowledgement) {
  FakeDevice moved = device;
  moved.address[3] = 99;
  auto shortAck = [&] {
    Bytes ack = SetReplyBytes(kClientId, moved);
    ack.resize(20);
    return ack;
  };
  sockets.responder = [&](int i, const Bytes&) { sockets.Queue(i, shortAck()); };
  EXPECT_EQ(commands.SetDhcp(), 0);
  EXPECT_STREQ(session.selectedAddress, "10.77.1.2");
  const DeviceNode* n = protocol.devices.FindByAddress("10.77.1.2");
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->deviceId[9], 2);
  EXPECT_EQ(clock.pauses.size(), 100u);  // skipped, not a miss

  sockets.responder = [&](int i, const Bytes&) {
    sockets.Queue(i, shortAck());
    sockets.Queue(i, SetReplyBytes(kClientId, moved));
  };
  clock.pauses.clear();
  EXPECT_EQ(commands.SetDhcp(), 1);
  EXPECT_TRUE(clock.pauses.empty());
  EXPECT_STREQ(session.selectedAddress, "10.77.1.99");
}

TEST_F(DeviceCommandsTest, ShareListSplitsAndDropsRepeats) {
  AnswerWith("HDD_1::Public:HDD_1:Media:");
  ASSERT_EQ(commands.QueryShareList(), 1);
  std::vector<std::string> names;
  for (const ShareNode& n : protocol.shares) names.push_back(n.name);
  EXPECT_EQ(names, (std::vector<std::string>{"HDD_1", "Public", "Media"}));
  sockets.responder = nullptr;
  EXPECT_EQ(commands.QueryShareList(), 0);
  EXPECT_EQ(protocol.shares.Count(), 0);
}

TEST_F(DeviceCommandsTest, SetDhcpWithoutAndWithLanInfoMovesTheDevice) {
  FakeDevice moved = device;
  moved.address[3] = 99;
  AnswerWith("", moved);
  ASSERT_EQ(commands.SetDhcp(), 1);
  EXPECT_EQ(LastSent().size(), 60u);
  EXPECT_EQ(LastSent()[21], 2);
  EXPECT_EQ(LastSent()[56], 0);
  EXPECT_STREQ(session.selectedAddress, "10.77.1.99");
  const DeviceNode* n = protocol.devices.FindByAddress("10.77.1.99");
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->deviceId[9], 99);
  EXPECT_EQ(n->deviceId[0], 0xAA);

  CopyField(session.lanInfo.ports[0].name, "LAN1");
  ASSERT_EQ(commands.SetDhcp(), 1);
  EXPECT_EQ(LastSent().size(), 180u);
  EXPECT_EQ(std::memcmp(&LastSent()[60], &session.lanInfo, 120), 0);
}

TEST_F(DeviceCommandsTest, SetStaticAddressSingleFormThenNextQueryUsesNewAddress) {
  CopyField(session.pendingAddress, "10.77.1.123");
  CopyField(session.pendingNetmask, "255.255.0.0");
  CopyField(session.pendingGateway, "10.77.0.1");
  AnswerWith("");
  ASSERT_EQ(commands.SetStaticAddress(), 1);
  const Bytes& r = LastSent();
  ASSERT_EQ(r.size(), 60u + 11u);
  EXPECT_EQ(r[21], 1);
  EXPECT_EQ(std::string(r.begin() + 60, r.end()), "10.77.1.123");
  EXPECT_STREQ(reinterpret_cast<const char*>(&r[24]), "255.255.0.0");
  const DeviceNode* n = protocol.devices.FindByAddress("10.77.1.123");
  ASSERT_NE(n, nullptr);
  EXPECT_STREQ(n->netmask, "255.255.0.0");
  EXPECT_STREQ(n->gateway, "10.77.0.1");
  EXPECT_STREQ(session.selectedAddress, "10.77.1.123");

  // The device now answers under its new address; the old one no longer matches.
  FakeDevice now = device;
  now.address[3] = 123;
  AnswerWith("1", device);
  EXPECT_EQ(commands.QuerySsl(), 0);
  AnswerWith("1", now);
  EXPECT_EQ(commands.QuerySsl(), 1);
  EXPECT_EQ(sockets.sent().back().second[20], 123);
}

TEST_F(DeviceCommandsTest, SetStaticAddressWithLanInfoSendsWholeRecord) {
  CopyField(session.lanInfo.ports[0].name, "LAN1");
  CopyField(session.lanInfo.ports[0].address, "10.77.1.50");
  CopyField(session.pendingAddress, "10.77.1.50");
  AnswerWith("");
  ASSERT_EQ(commands.SetStaticAddress(), 1);
  EXPECT_EQ(LastSent().size(), 180u);
  EXPECT_EQ(LastSent()[21], 21);

  sockets.responder = nullptr;
  clock.pauses.clear();
  EXPECT_EQ(commands.SetStaticAddress(), 0);
  EXPECT_EQ(clock.pauses.size(), 300u);
}

TEST_F(DeviceCommandsTest, TextCommandMatchesPendingAddress) {
  AnswerWith("");
  EXPECT_EQ(commands.SendTextCommand(10, "rw"), 0);  // no pending address: full wait
  EXPECT_EQ(clock.pauses.size(), 10u);
  EXPECT_EQ(LastSent().size(), 62u);
  EXPECT_EQ(LastSent()[21], 10);

  CopyField(session.pendingAddress, "10.77.1.2");
  EXPECT_EQ(commands.SendTextCommand(14, "BT"), 1);
}

// A device on the second of three links hears only what leaves by that interface and
// answers only there, as on a real network: every request to it must go out of the
// interface that its discovery reply came in on, and the reply be awaited there.
class SecondLinkTest : public ProtocolFixture {
 protected:
  static constexpr int kLink = 1;
  SecondLinkTest() : ProtocolFixture({"10.77.1.1", "10.77.2.1", "10.77.3.1"}) {
    device.address[2] = 2;
  }
  void SetUp() override {
    ProtocolFixture::SetUp();
    sockets.responder = [this](int i, const Bytes& request) {
      if (i != kLink) return;
      if (request[0] == kDiscoverRequest)
        sockets.Queue(i, DiscoveryReplyBytes(2, kClientId, device));
      if (request[0] == kQueryRequest) sockets.Queue(i, QueryReplyBytes(kClientId, device, "1"));
      if (request[0] == kSetRequest) sockets.Queue(i, SetReplyBytes(kClientId, device));
    };
    protocol.Search();
    const DeviceNode* node = protocol.devices.FindByAddress("10.77.2.2");
    ASSERT_NE(node, nullptr);
    ASSERT_EQ(node->interfaceIndex, kLink);
    CopyField(protocol.session.selectedAddress, "10.77.2.2");
    // The device keeps its address, so the set commands and their replies match.
    CopyField(protocol.session.pendingAddress, "10.77.2.2");
    CopyField(protocol.session.pendingNetmask, "255.255.255.0");
  }
  FakeDevice device;
};

TEST_F(SecondLinkTest, EveryOperationUsesTheDevicesInterface) {
  const int sendSocket = protocol.network.Interfaces().sendSockets[kLink];
  for (const auto& c : kOperations) {
    size_t sent = sockets.sent().size();
    int pollsElsewhere = sockets.polls(0) + sockets.polls(2);
    int pollsHere = sockets.polls(kLink);
    protocol.session.lanInfo.ports[0].name[0] = '\0';  // the port text read just before
    EXPECT_NE(c.run(protocol.commands), 0) << c.name;
    ASSERT_EQ(sockets.sent().size(), sent + 1) << c.name;
    EXPECT_EQ(sockets.sent().back().first, kLink) << c.name;
    EXPECT_EQ(sockets.sentSockets().back(), sendSocket) << c.name;
    EXPECT_EQ(sockets.sent().back().second[21], c.command) << c.name;
    EXPECT_GT(sockets.polls(kLink), pollsHere) << c.name;
    EXPECT_EQ(sockets.polls(0) + sockets.polls(2), pollsElsewhere) << c.name;
  }
}

}  // namespace
}  // namespace tarvix::testing
