#include "tests/lab/LabFixture.h"

namespace tarvix::lab {
namespace {

// The command-line tool, run as a user would, in the lab's host namespace.
class CliLabTest : public LabFixture {
 protected:
  std::string Tool() const { return BuildDir() + "/tools/cli/tarvix"; }
};

TEST_F(CliLabTest, DiscoverJsonListsEveryDevice) {
  StartSim(1, "[One \"quoted\"]\naddress = 10.77.1.20\ngateway = 10.77.1.1\nreply_type = 2\n"
              "[Two]\naddress = 10.77.1.21\nreply_type = 8\nmodel = NV-A20\n");
  StartSim(2, "[Three]\naddress = 10.77.2.20\nreply_type = 7\nnetmask = 255.255.0.0\n");
  std::string out;
  ASSERT_EQ(RunCommand(Tool() + " discover --json", &out), 0);
  EXPECT_NE(out.find(R"({"name": "One \"quoted\"", "address": "10.77.1.20", "netmask": )"
                     R"("255.255.255.0", "gateway": "10.77.1.1", "model": ""})"),
            std::string::npos) << out;
  EXPECT_NE(out.find(R"("name": "Two", "address": "10.77.1.21")"), std::string::npos) << out;
  EXPECT_NE(out.find(R"("model": "NV-A20")"), std::string::npos) << out;
  EXPECT_NE(out.find(R"({"name": "Three", "address": "10.77.2.20", "netmask": "255.255.0.0")"),
            std::string::npos) << out;
  ASSERT_EQ(RunCommand(Tool() + " discover", &out), 0);
  EXPECT_NE(out.find("Two\t10.77.1.21\t255.255.255.0\t\tNV-A20\n"), std::string::npos) << out;
}

TEST_F(CliLabTest, InfoJsonReportsEveryQuery) {
  StartSim(1, R"(
[Keeper]
address = 10.77.1.20
reply_type = 2
shares = HDD_1:Public
port = LAN1:10.77.1.20:255.255.255.0::0:LAN2:10.77.2.20:255.255.255.0:10.77.2.1:1
ssl = 1
domain = WORKGROUP
codepage = 950
ideok = 3
sharename = HDD_1
bt_firmware = 2
fault.15 = silent
)");
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

}  // namespace
}  // namespace tarvix::lab

int main(int argc, char** argv) { return tarvix::lab::LabMain(argc, argv); }
