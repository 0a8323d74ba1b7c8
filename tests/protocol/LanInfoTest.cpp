#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "protocol/FixedText.h"
#include "protocol/LanInfo.h"

namespace tarvix {
namespace {

LanInfo Filled(char c) {
  LanInfo info;
  std::memset(&info, 0, sizeof info);
  CopyField(info.ports[1].name, std::string(9, c));
  CopyField(info.ports[1].address, "old");
  return info;
}

TEST(LanInfoTest, TwoPortsWithEmptyGateways) {
  LanInfo info = Filled('z');
  ParsePortText("LAN1:10.0.0.5:255.0.0.0::1:LAN2:10.1.0.5:255.255.0.0::0", info);
  EXPECT_STREQ(info.ports[0].name, "LAN1");
  EXPECT_STREQ(info.ports[0].gateway, "");
  EXPECT_STREQ(info.ports[0].dhcpFlag, "1");
  EXPECT_STREQ(info.ports[1].name, "LAN2");
  EXPECT_STREQ(info.ports[1].address, "10.1.0.5");
  EXPECT_STREQ(info.ports[1].gateway, "");
  EXPECT_STREQ(info.ports[1].dhcpFlag, "0");
}

TEST(LanInfoTest, FirstPortNotLan1FillsOnlyEntryZero) {
  LanInfo info = Filled('z');
  ParsePortText("eth0:10.0.0.5:255.0.0.0:10.0.0.1:0:LAN2:10.1.0.5:255.255.0.0:10.1.0.1:0", info);
  EXPECT_STREQ(info.ports[0].name, "eth0");
  EXPECT_STREQ(info.ports[0].gateway, "10.0.0.1");
  EXPECT_STREQ(info.ports[1].address, "old");
}

TEST(LanInfoTest, OddTextsStayInsideFields) {
  LanInfo info = Filled('z');
  // Empty DHCP flag widens to "NULL", wider than its two-byte field; missing pieces
  // leave the old contents.
  ParsePortText("LAN1:" + std::string(40, '9') + ":255.0.0.0:::LAN2", info);
  EXPECT_EQ(std::strlen(info.ports[0].address), 15u);
  EXPECT_STREQ(info.ports[0].gateway, "");
  EXPECT_STREQ(info.ports[0].dhcpFlag, "N");
  EXPECT_STREQ(info.ports[1].name, "LAN2");
  EXPECT_STREQ(info.ports[1].address, "old");
  EXPECT_EQ(FieldText(info.ports[1].name), "LAN2");

  LanInfo untouched = Filled('q');
  LanInfo copy = untouched;
  ParsePortText("", untouched);
  EXPECT_EQ(std::memcmp(&untouched, &copy, sizeof copy), 0);
}

TEST(LanInfoTest, WideningNeverPassesTheLimit) {
  std::string text(600, ':');
  EXPECT_EQ(WidenPortText(text).size(), kMaxPortTextLength);
  EXPECT_EQ(WidenPortText("a::b"), "a:NULL:b");
  EXPECT_EQ(WidenPortText("a:::b"), "a:NULL:NULL:b");
}

TEST(LanInfoPorts, ASecondPortOnlyAfterLan1) {
  struct Case {
    const char* portText;
    int count;
  };
  const Case cases[] = {
      {"", 0},
      {"eth0:10.0.0.2:255.0.0.0::0:LAN2:10.1.0.2:255.0.0.0::0", 1},
      {"LAN1:10.0.0.2:255.0.0.0::0", 2},
      {"LAN1:10.0.0.2:255.0.0.0::0:LAN2:10.1.0.2:255.0.0.0::0", 2},
      {"lan1:10.0.0.2:255.0.0.0::0:LAN2:10.1.0.2:255.0.0.0::0", 1},
  };
  for (const Case& c : cases) {
    LanInfo info{};
    ParsePortText(c.portText, info);
    EXPECT_EQ(info.PortCount(), c.count) << c.portText;
    EXPECT_EQ(info.HasSecondPort(), c.count == 2) << c.portText;
  }
}

// The widening character by character, as the rule reads: after every ':' that
// another ':' follows comes "NULL", and the result stops at 511 characters.
std::string WidenedOneByOne(std::string_view text) {
  text = text.substr(0, std::min(text.size(), kMaxPortTextLength));
  std::string out;
  for (size_t i = 0; i < text.size() && out.size() < kMaxPortTextLength; ++i) {
    out.push_back(text[i]);
    if (text[i] == ':' && i + 1 < text.size() && text[i + 1] == ':') out += "NULL";
  }
  return out.substr(0, kMaxPortTextLength);
}

TEST(LanInfoTest, WideningAgreesWithTheRuleOnManyTexts) {
  uint32_t seed = 12345;
  for (int n = 0; n < 3000; ++n) {
    std::string text;
    seed = seed * 1103515245u + 12345u;
    const size_t length = (seed >> 8) % 700;
    for (size_t i = 0; i < length; ++i) {
      seed = seed * 1103515245u + 12345u;
      text.push_back((seed >> 16) % 3 == 0 ? 'a' : ':');
    }
    ASSERT_EQ(WidenPortText(text), WidenedOneByOne(text)) << text;
  }
}

}  // namespace
}  // namespace tarvix
