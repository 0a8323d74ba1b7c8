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

struct TextQueryCase {
  int (DeviceCommands::*run)();
  uint8_t command;
  int missLimit;
  const char* key;
  size_t fieldOffset;
};

TEST_F(DeviceCommandsTest, TextQueriesStoreValueAndTrace) {
  const TextQueryCase cases[] = {
      {&DeviceCommands::QueryCodepage, 9, 10, "codepage", offsetof(DeviceSession, codepage)},
      {&DeviceCommands::QueryIdeOk, 11, 20, "ideok", offsetof(DeviceSession, ideOk)},
      {&DeviceCommands::QueryShareName, 12, 20, "sharename", offsetof(DeviceSession, shareName)},
      {&DeviceCommands::QueryBtFirmware, 15, 20, "bt_firmware", offsetof(DeviceSession, btFirmware)},
      {&DeviceCommands::QueryDomain, 18, 20, "domain", offsetof(DeviceSession, domain)},
      {&DeviceCommands::QuerySsl, 19, 20, "ssl", offsetof(DeviceSession, ssl)},
  };
  for (const auto& c : cases) {
    trace.clear();
    AnswerWith("2");
    ASSERT_EQ((commands.*c.run)(), 1) << c.key;
    EXPECT_EQ(LastSent().size(), 28u);
    EXPECT_EQ(LastSent()[21], c.command);
    EXPECT_STREQ(reinterpret_cast<char*>(&session) + c.fieldOffset, "2");
    EXPECT_EQ(trace, std::string(c.key) + "=2\n");

    // Silence: flush, counted polls and pauses by the miss limit; the old value stays.
    sockets.responder = nullptr;
    int polls = sockets.polls(0);
    clock.pauses.clear();
    EXPECT_EQ((commands.*c.run)(), 0) << c.key;
    EXPECT_EQ(sockets.polls(0) - polls, 11 + c.missLimit + 1) << c.key;
    EXPECT_EQ(static_cast<int>(clock.pauses.size()), c.missLimit) << c.key;
    EXPECT_STREQ(reinterpret_cast<char*>(&session) + c.fieldOffset, "2");
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

TEST_F(DeviceCommandsTest, ShareListSplitsAndDropsRepeats) {
  AnswerWith("HDD_1::Public:HDD_1:Media:");
  ASSERT_EQ(commands.QueryShareList(), 1);
  std::vector<std::string> names;
  for (const ShareNode* n = protocol.shares.Head(); n; n = n->next) names.push_back(n->name);
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

}  // namespace
}  // namespace tarvix::testing
