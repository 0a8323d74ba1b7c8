#include "tools/devsim/ConfigParser.h"

#include <gtest/gtest.h>

namespace tarvix::devsim {
namespace {

constexpr const char* kFullConfig = R"(
# a two-port device and a plain one
[nas-one]
address = 10.77.1.20
id = 00:11:22:33:44:55
netmask = 255.255.0.0
gateway = 10.77.1.1
dhcp = 1
reply_type = 8
selector_a = 3
selector_b = 4
model = NV-A20
shares = public:media
port = LAN1:10.77.1.20:255.255.255.0::0:LAN2:10.77.2.20:255.255.255.0::1
ssl = 1
domain = WORKGROUP
codepage = 936
ideok = 2
sharename = HDD_a
bt_firmware = 2
admin_user = root
admin_password = "  secret "
dhcp_address = 10.77.1.99
fault = delay:10
fault.discovery = silent
fault.20 = repeat:2,foreign

; second device keeps every default
[nas two]
address = 10.77.1.21
)";

TEST(ConfigParser, ReadsEveryKey) {
  const auto result = ParseConfig(kFullConfig);
  ASSERT_TRUE(result.ok()) << result.error;
  ASSERT_EQ(result.devices.size(), 2u);
  const auto& d = result.devices[0];
  EXPECT_EQ(d.name, "nas-one");
  EXPECT_EQ(FormatIpv4(d.address), "10.77.1.20");
  EXPECT_EQ(d.ownId, (std::array<std::uint8_t, 6>{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
  EXPECT_EQ(d.netmask, "255.255.0.0");
  EXPECT_EQ(d.gateway, "10.77.1.1");
  EXPECT_EQ(d.dhcpFlag, '1');
  EXPECT_EQ(d.replyType, 8);
  EXPECT_EQ(d.selectorA, 3);
  EXPECT_EQ(d.selectorB, 4);
  EXPECT_EQ(d.model, "NV-A20");
  EXPECT_EQ(d.shares, "public:media");
  EXPECT_EQ(d.portText, "LAN1:10.77.1.20:255.255.255.0::0:LAN2:10.77.2.20:255.255.255.0::1");
  EXPECT_EQ(d.ssl, "1");
  EXPECT_EQ(d.domain, "WORKGROUP");
  EXPECT_EQ(d.codepage, "936");
  EXPECT_EQ(d.ideOk, "2");
  EXPECT_EQ(d.shareName, "HDD_a");
  EXPECT_EQ(d.btFirmware, "2");
  EXPECT_EQ(d.adminUser, "root");
  EXPECT_EQ(d.adminPassword, "  secret ");
  EXPECT_EQ(FormatIpv4(d.dhcpAddress), "10.77.1.99");
  EXPECT_EQ(d.fault.delayMs, 10);
  EXPECT_TRUE(d.FaultForDiscovery().silent);
  EXPECT_EQ(d.FaultForCommand(20).repeat, 2);
  EXPECT_TRUE(d.FaultForCommand(20).foreign);
  EXPECT_EQ(d.FaultForCommand(19).delayMs, 10);  // falls back to the device fault
}

TEST(ConfigParser, DefaultsForAPlainDevice) {
  const auto result = ParseConfig(kFullConfig);
  ASSERT_TRUE(result.ok()) << result.error;
  const auto& d = result.devices[1];
  EXPECT_EQ(d.name, "nas two");
  EXPECT_EQ(d.netmask, "255.255.255.0");
  EXPECT_EQ(d.gateway, "");
  EXPECT_EQ(d.dhcpFlag, '0');
  EXPECT_EQ(d.replyType, 2);
  EXPECT_EQ(d.selectorA, 3);
  EXPECT_EQ(d.selectorB, 3);
  EXPECT_EQ(d.adminUser, "admin");
  EXPECT_EQ(d.adminPassword, "");
  EXPECT_EQ(d.dhcpAddress, d.address);
  EXPECT_EQ(d.fault, Fault{});
  // Devices of one file get distinct own bytes without being told.
  EXPECT_NE(d.ownId, ParseConfig("[x]\naddress=1.2.3.4\n").devices[0].ownId);
}

struct BadConfig {
  const char* text;
  const char* error;
};

class ConfigParserErrors : public testing::TestWithParam<BadConfig> {};

TEST_P(ConfigParserErrors, NamesTheProblem) {
  const auto result = ParseConfig(GetParam().text);
  EXPECT_FALSE(result.ok());
  EXPECT_NE(result.error.find(GetParam().error), std::string::npos) << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigParserErrors,
    testing::Values(
        BadConfig{"", "no device"}, BadConfig{"address = 1.2.3.4\n", "line 1: key outside"},
        BadConfig{"[a]\nnetmask = 255.0.0.0\n", "has no address"},
        BadConfig{"[a]\naddress = 1.2.3\n", "line 2: bad address"},
        BadConfig{"[a]\naddress = 1.2.3.4\nreply_type = 4\n", "reply_type"},
        BadConfig{"[a]\naddress = 1.2.3.4\nid = 00:11\n", "id needs 6"},
        BadConfig{"[a]\naddress = 1.2.3.4\ncolour = red\n", "unknown key 'colour'"},
        BadConfig{"[a]\naddress = 1.2.3.4\nfault = sometimes\n", "bad fault"},
        BadConfig{"[a]\naddress = 1.2.3.4\nfault.x = silent\n", "fault.<command>"},
        BadConfig{"[a]\naddress = 1.2.3.4\n[a]\naddress = 1.2.3.5\n", "defined twice"},
        BadConfig{"[a\naddress = 1.2.3.4\n", "without ']'"},
        BadConfig{"[a]\naddress\n", "expected key = value"},
        BadConfig{"[a]\naddress = 1.2.3.4\nrefuse_write = x\n", "has no disk"},
        BadConfig{"[a]\naddress = 1.2.3.4\ndisk = /d\nrefuse_write = ../x\n", "leaves the disk"},
        BadConfig{"[a]\naddress = 1.2.3.4\ndisk = /d\nrefuse_write = /etc\n", "leaves the disk"}));

TEST(ConfigParser, ADiskWithRefusedWrites) {
  const auto result = ParseConfig(
      "[a]\naddress = 1.2.3.4\ndisk = /srv/dev1\n"
      "refuse_write = HDD_1/.systemfile/.codepages/nls_cp866.ko, HDD_1/Nas_Prog/BT/bt\n");
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.devices[0].disk, "/srv/dev1");
  EXPECT_EQ(result.devices[0].refusedWrites,
            (std::vector<std::string>{"HDD_1/.systemfile/.codepages/nls_cp866.ko",
                                      "HDD_1/Nas_Prog/BT/bt"}));
}

}  // namespace
}  // namespace tarvix::devsim
