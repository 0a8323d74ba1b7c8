#include "tools/devsim/StateFile.h"

#include <gtest/gtest.h>

#include "tests/devsim/TestDatagrams.h"
#include "tools/devsim/ConfigParser.h"

namespace tarvix::devsim {
namespace {

TEST(StateFile, ShowsAddressSettingsAndTextCommandsInOrder) {
  const auto config = ParseConfig(
      "[nas]\naddress = 10.77.1.20\ngateway = 10.77.1.1\nport = "
      "LAN1:10.77.1.20:255.255.255.0::0\n");
  std::vector<Device> devices{Device(config.devices.at(0))};
  const test::Id10 target = {2, 0x54, 0x56, 0, 0, 1, 10, 77, 1, 20};
  for (const auto& [command, text] :
       std::vector<std::pair<int, std::string>>{{10, "rw"}, {8, "936"}, {10, "r\nw"}}) {
    const auto bytes = test::SetRequest(target, command, "", "", test::Text(text));
    ASSERT_TRUE(devices[0].Apply(*ParseRequest(bytes)));
  }
  EXPECT_EQ(RenderState(devices),
            "nas.address=10.77.1.20\n"
            "nas.netmask=255.255.255.0\n"
            "nas.gateway=10.77.1.1\n"
            "nas.dhcp=0\n"
            "nas.port=LAN1:10.77.1.20:255.255.255.0::0\n"
            "nas.codepage=936\n"
            "nas.text.count=3\n"
            "nas.text.1=10:rw\n"
            "nas.text.2=8:936\n"
            "nas.text.3=10:r\\x0aw\n"
            "nas.cmd.8=936\n"
            "nas.cmd.10=r\\x0aw\n");
}

}  // namespace
}  // namespace tarvix::devsim
