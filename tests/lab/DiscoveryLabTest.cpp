#include <set>

#include "protocol/FixedText.h"
#include "protocol/PosixSocketApi.h"
#include "protocol/Protocol.h"
#include "tests/lab/LabFixture.h"

namespace tarvix::lab {
namespace {

// Two links; the protocol runs on the real sockets of the lab's host namespace.
class DiscoveryLabTest : public LabFixture {
 protected:
  void SetUp() override { ASSERT_TRUE(protocol.network.StartNetwork()); }
  void TearDown() override {
    protocol.network.StopNetwork();
    LabFixture::TearDown();
  }
  const DeviceNode* Find(const char* address) { return protocol.devices.FindByAddress(address); }

  PosixSocketApi sockets;
  SystemClock clock;
  Protocol protocol{sockets, clock};
};

const char kLink1[] = R"(
[Alpha]
address = 10.77.1.20
gateway = 10.77.1.1
reply_type = 2

[Beta]
address = 10.77.1.21
reply_type = 7
model = ignored

[Hidden]
address = 10.77.1.22
reply_type = 7
selector_b = 4

[Twice]
address = 10.77.1.30
reply_type = 8
model = NV-A20
)";

const char kLink2[] = R"(
[Gamma]
address = 10.77.2.20
reply_type = 8
model = NV-B30
dhcp = 1

[Twice]
address = 10.77.1.30
reply_type = 2
)";

TEST_F(DiscoveryLabTest, DevicesOnTwoLinks) {
  StartSim(1, kLink1);
  StartSim(2, kLink2);
  EXPECT_EQ(protocol.network.Interfaces().count, 2);
  protocol.Search();
  std::set<std::string> names;
  for (const DeviceNode& n : protocol.devices) names.insert(n.name);
  EXPECT_EQ(names, (std::set<std::string>{"Alpha", "Beta", "Twice", "Gamma"}));
  EXPECT_EQ(protocol.devices.Count(), 4);

  ASSERT_TRUE(Find("10.77.1.20") && Find("10.77.2.20") && Find("10.77.1.30") && Find("10.77.1.21"));
  // Each device carries the slot its reply came through; the one answering on both
  // links keeps the first (and its type 8 model).
  int link1 = Find("10.77.1.20")->interfaceIndex;
  EXPECT_STREQ(protocol.network.Interfaces().addresses[link1], "10.77.1.1");
  EXPECT_STREQ(protocol.network.Interfaces().addresses[Find("10.77.2.20")->interfaceIndex],
               "10.77.2.1");
  EXPECT_EQ(Find("10.77.1.30")->interfaceIndex, 0);
  EXPECT_STREQ(Find("10.77.1.30")->model, link1 == 0 ? "NV-A20" : "");
  EXPECT_STREQ(Find("10.77.2.20")->model, "NV-B30");
  EXPECT_STREQ(Find("10.77.2.20")->dhcpFlag, "1");
  EXPECT_STREQ(Find("10.77.1.21")->model, "");
  EXPECT_STREQ(Find("10.77.1.20")->gateway, "10.77.1.1");
}

TEST_F(DiscoveryLabTest, SilentAndRepeatingDevices) {
  StartSim(1, R"(
[Quiet]
address = 10.77.1.40
fault = silent

[Echo]
address = 10.77.1.41
fault = repeat:3

[Foreign]
address = 10.77.1.42
fault = foreign
)");
  protocol.Search();
  ASSERT_EQ(protocol.devices.Count(), 1);
  EXPECT_STREQ(protocol.devices.Head()->name, "Echo");
}

}  // namespace
}  // namespace tarvix::lab

int main(int argc, char** argv) { return tarvix::lab::LabMain(argc, argv); }
