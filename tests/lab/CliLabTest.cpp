#include "tests/lab/LabDevices.h"
#include "tests/lab/LabFixture.h"

namespace tarvix::lab {
namespace {

// The command-line tool, run as a user would, in the lab's host namespace.
class CliLabTest : public LabFixture {
 protected:
  std::string Tool() const { return BuildDir() + "/tools/cli/tarvix"; }
};

TEST_F(CliLabTest, DiscoverJsonListsEveryDevice) {
  StartSim(1,
           "[One \"quoted\"]\naddress = 10.77.1.20\ngateway = 10.77.1.1\nreply_type = 2\n"
           "[Two]\naddress = 10.77.1.21\nreply_type = 8\nmodel = NV-A20\n");
  StartSim(2, "[Three]\naddress = 10.77.2.20\nreply_type = 7\nnetmask = 255.255.0.0\n");
  std::string out;
  ASSERT_EQ(RunCommand(Tool() + " discover --json", &out), 0);
  EXPECT_NE(out.find(R"({"name": "One \"quoted\"", "address": "10.77.1.20", "netmask": )"
                     R"("255.255.255.0", "gateway": "10.77.1.1", "model": ""})"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(R"("name": "Two", "address": "10.77.1.21")"), std::string::npos) << out;
  EXPECT_NE(out.find(R"("model": "NV-A20")"), std::string::npos) << out;
  EXPECT_NE(out.find(R"({"name": "Three", "address": "10.77.2.20", "netmask": "255.255.0.0")"),
            std::string::npos)
      << out;
  ASSERT_EQ(RunCommand(Tool() + " discover", &out), 0);
  EXPECT_NE(out.find("Two\t10.77.1.21\t255.255.255.0\t\tNV-A20\n"), std::string::npos) << out;
}

TEST_F(CliLabTest, InfoJsonReportsEveryQuery) {
  StartSim(1, KeeperDevice("reply_type = 2\nshares = HDD_1:Public\nfault.15 = silent\n"));
  std::string out;
  ASSERT_EQ(RunCommand(Tool() + " info 10.77.1.20 --json", &out), 0);
  EXPECT_EQ(out,
            R"({"address": "10.77.1.20", "ports": [{"name": "LAN1", "address": "10.77.1.20", )"
            R"("netmask": "255.255.255.0", "gateway": "", "dhcp": "0"}, {"name": "LAN2", )"
            R"("address": "10.77.2.20", "netmask": "255.255.255.0", "gateway": "10.77.2.1", )"
            R"("dhcp": "1"}], "shares": ["HDD_1", "Public"], "ssl": "1", "domain": "WORKGROUP", )"
            R"("codepage": "950", "ideok": "3", "sharename": "HDD_1", "bt_firmware": null})"
            "\n");
  EXPECT_EQ(RunCommand(Tool() + " info 10.77.1.99 2>&1", &out), 1);
  EXPECT_NE(out.find("No device is listed at 10.77.1.99."), std::string::npos);
}

// The port query just before the login check leaves "LAN1..." in the receive area, so
// a login reply cut before its verdict byte would read the "L" there as a yes.
TEST_F(CliLabTest, SetDhcpRefusesALoginReplyWithoutItsVerdict) {
  StartSim(1, R"(
[Cut]
address = 10.77.1.20
gateway = 10.77.1.1
port = LAN1:10.77.1.20:255.255.255.0:10.77.1.1:0
admin_password = secret
fault.4 = truncate:24
)");
  std::string out;
  EXPECT_EQ(
      RunCommand("TARVIX_PASSWORD=secret setsid " + Tool() + " set-dhcp 10.77.1.20 </dev/null 2>&1",
                 &out),
      1);
  EXPECT_EQ(out, "Wrong administrator password input!\n");
  std::string log = ReadWholeFile(LogPath(1));
  EXPECT_NE(log.find(" tx dev=Cut type=4 cmd=4 len=24 "), std::string::npos) << log;
  EXPECT_NE(log.find(" type=3 cmd=4 "), std::string::npos) << log;  // the login checks came
  // No set request (type 5) reached the device.
  EXPECT_EQ(log.find(" type=5 "), std::string::npos) << log;
}

}  // namespace
}  // namespace tarvix::lab

int main(int argc, char** argv) { return tarvix::lab::LabMain(argc, argv); }
