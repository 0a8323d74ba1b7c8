#include "protocol/FixedText.h"
#include "protocol/PosixSocketApi.h"
#include "protocol/Protocol.h"
#include "tests/lab/LabDevices.h"
#include "tests/lab/LabFixture.h"

namespace tarvix::lab {
namespace {

const std::string kDevice = KeeperDevice(R"(gateway = 10.77.1.1
reply_type = 8
model = NV-A20
shares = HDD_1:Public:Media
admin_password = secret
dhcp_address = 10.77.1.99
)");

class CommandsLabTest : public LabFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(protocol.network.StartNetwork());
    protocol.commands.SetTraceSink(nullptr);
    StartSim(1, kDevice);
    protocol.Search();
    ASSERT_TRUE(protocol.devices.ContainsAddress("10.77.1.20"));
    CopyField(session.selectedAddress, "10.77.1.20");
  }
  void TearDown() override {
    protocol.network.StopNetwork();
    LabFixture::TearDown();
  }

  PosixSocketApi sockets;
  SystemClock clock;
  Protocol protocol{sockets, clock};
  DeviceSession& session = protocol.session;
  DeviceCommands& commands = protocol.commands;
};

TEST_F(CommandsLabTest, StaticAddressMovesTheDeviceAndTheNextSearchFindsIt) {
  CopyField(session.pendingAddress, "10.77.1.55");
  CopyField(session.pendingNetmask, "255.255.255.0");
  CopyField(session.pendingGateway, "10.77.1.1");
  ASSERT_EQ(commands.SetStaticAddress(), 1);
  EXPECT_STREQ(session.selectedAddress, "10.77.1.55");
  // The next query goes to the device under its new address and is matched there.
  ASSERT_EQ(commands.QueryShareName(), 1);
  EXPECT_STREQ(session.shareName, "HDD_1");
  protocol.Search();
  EXPECT_TRUE(protocol.devices.ContainsAddress("10.77.1.55"));
  EXPECT_FALSE(protocol.devices.ContainsAddress("10.77.1.20"));
}

TEST_F(CommandsLabTest, DhcpSwitchTakesTheReportedAddress) {
  ASSERT_EQ(commands.SetDhcp(), 1);
  EXPECT_STREQ(session.selectedAddress, "10.77.1.99");
  ASSERT_NE(protocol.devices.FindByAddress("10.77.1.99"), nullptr);
  ASSERT_EQ(commands.QuerySsl(), 1);
  EXPECT_STREQ(session.ssl, "1");
}

TEST_F(CommandsLabTest, LoginVerdictsAndTextCommandsReachTheDevice) {
  CopyField(session.loginUser, "admin");
  EXPECT_EQ(commands.VerifyLogin(), 0);
  CopyField(session.loginPassword, "secret");
  EXPECT_NE(commands.VerifyLogin(), 0);
  CopyField(session.pendingAddress, "10.77.1.20");
  EXPECT_EQ(commands.SendTextCommand(10, "rw"), 1);
  std::string log = ReadWholeFile(LogPath(1));
  // The login request: 28-byte header, "admin", 55 AA, "secret".
  EXPECT_NE(log.find("61646d696e55aa736563726574"), std::string::npos) << log;
}

}  // namespace
}  // namespace tarvix::lab

int main(int argc, char** argv) { return tarvix::lab::LabMain(argc, argv); }
