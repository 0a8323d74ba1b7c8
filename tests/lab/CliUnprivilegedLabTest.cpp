#include "tests/lab/LabFixture.h"

namespace tarvix::lab {
namespace {

// The command-line tool as an ordinary user: multicast on a port above 1024 and
// the device's answers need no privilege. This test runs as root in the lab to
// start the simulators; the tool runs as nobody, with no groups and no
// capabilities, in the same host namespace.
class CliUnprivilegedLabTest : public LabFixture {
 protected:
  static std::string AsNobody(const std::string& command) {
    return "setpriv --reuid=nobody --regid=nogroup --clear-groups " + command;
  }
  std::string Tool() const { return "'" + BuildDir() + "/tools/cli/tarvix'"; }
};

// The value of one "Key:\tvalue" line of /proc/PID/status, blanks trimmed.
std::string StatusField(const std::string& status, const std::string& key) {
  const size_t start = status.find("\n" + key + ":");
  if (start == std::string::npos) return "(missing)";
  const size_t from = start + key.size() + 2;
  std::string value = status.substr(from, status.find('\n', from) - from);
  value.erase(0, value.find_first_not_of(" \t"));
  value.erase(value.find_last_not_of(" \t") + 1);
  return value;
}

TEST_F(CliUnprivilegedLabTest, SetprivLeavesNoPrivilege) {
  std::string status;
  ASSERT_EQ(RunCommand(AsNobody("cat /proc/self/status"), &status), 0);
  EXPECT_EQ(StatusField(status, "Uid"), "65534\t65534\t65534\t65534");
  EXPECT_EQ(StatusField(status, "Gid"), "65534\t65534\t65534\t65534");
  EXPECT_EQ(StatusField(status, "Groups"), "");
  EXPECT_EQ(StatusField(status, "CapPrm"), "0000000000000000");
  EXPECT_EQ(StatusField(status, "CapEff"), "0000000000000000");
  EXPECT_EQ(StatusField(status, "CapAmb"), "0000000000000000");
}

TEST_F(CliUnprivilegedLabTest, DiscoverInfoAndSetRunAsNobody) {
  StartSim(1, R"(
[Keeper]
address = 10.77.1.20
gateway = 10.77.1.1
shares = HDD_1:Public
port = LAN1:10.77.1.20:255.255.255.0:10.77.1.1:0
admin_password = secret
)");
  std::string out;
  ASSERT_EQ(RunCommand(AsNobody(Tool() + " discover 2>&1"), &out), 0) << out;
  EXPECT_EQ(out, "Keeper\t10.77.1.20\t255.255.255.0\t10.77.1.1\t\n");

  ASSERT_EQ(RunCommand(AsNobody(Tool() + " info 10.77.1.20 2>&1"), &out), 0) << out;
  EXPECT_NE(out.find("  Port LAN1: 10.77.1.20 netmask 255.255.255.0 gateway 10.77.1.1 dhcp 0\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("  Shares: HDD_1 Public\n"), std::string::npos) << out;

  ASSERT_EQ(RunCommand(AsNobody("env TARVIX_PASSWORD=secret " + Tool() +
                                " set-dhcp 10.77.1.20 </dev/null 2>&1"),
                       &out),
            0)
      << out;
  EXPECT_NE(ReadWholeFile(StatePath(1)).find("Keeper.dhcp=1\n"), std::string::npos)
      << ReadWholeFile(StatePath(1));
}

}  // namespace
}  // namespace tarvix::lab

int main(int argc, char** argv) { return tarvix::lab::LabMain(argc, argv); }
