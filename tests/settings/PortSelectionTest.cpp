#include "settings/PortSelection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/LanInfo.h"

namespace tarvix::settings {
namespace {

TEST(PortSelection, FollowsTheReportedPorts) {
  struct Case {
    const char* portText;
    std::vector<std::string> items;
    int selected;
  };
  const Case cases[] = {
      {"LAN1:10.0.0.2:255.0.0.0:10.0.0.1:0:LAN2:10.1.0.2:255.0.0.0::0", {"LAN1", "LAN2"}, 0},
      {"LAN1:10.9.0.2:255.0.0.0:10.0.0.1:0:LAN2:10.0.0.2:255.0.0.0::0", {"LAN1", "LAN2"}, 1},
      {"eth0:10.9.0.2:255.0.0.0:10.0.0.1:0", {"eth0"}, 0},
  };
  for (const Case& c : cases) {
    LanInfo info{};
    ParsePortText(c.portText, info);
    PortSelection selection = SelectPorts(info, {"10.0.0.2", "255.0.0.0", "", "0"});
    EXPECT_EQ(selection.items, c.items) << c.portText;
    EXPECT_EQ(selection.selected, c.selected) << c.portText;
    EXPECT_TRUE(selection.enabled);
  }
}

TEST(PortSelection, NoPortsDescribesTheDeviceFromItsRow) {
  LanInfo info{};
  PortSelection selection = SelectPorts(info, {"10.0.0.2", "255.0.0.0", "10.0.0.1", "1"});
  EXPECT_TRUE(selection.items.empty());
  EXPECT_FALSE(selection.enabled);
  EXPECT_STREQ(info.ports[0].name, "");
  EXPECT_STREQ(info.ports[0].address, "10.0.0.2");
  EXPECT_STREQ(info.ports[0].gateway, "10.0.0.1");
  EXPECT_STREQ(info.ports[0].dhcpFlag, "1");
}

}  // namespace
}  // namespace tarvix::settings
