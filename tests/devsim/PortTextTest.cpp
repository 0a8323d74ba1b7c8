#include "tools/devsim/LanInfoRecord.h"
#include "tools/devsim/PortText.h"

#include <gtest/gtest.h>

#include "tests/devsim/TestDatagrams.h"

namespace tarvix::devsim {
namespace {

constexpr const char* kTwoPorts =
    "LAN1:10.77.1.20:255.255.255.0::0:LAN2:10.77.2.20:255.255.255.0::1";

TEST(PortText, SplitKeepsEmptyFieldsAndJoinRestoresText) {
  const auto pieces = SplitPortText(kTwoPorts);
  ASSERT_EQ(pieces.size(), 10u);
  EXPECT_EQ(pieces[3], "");
  EXPECT_EQ(pieces[9], "1");
  EXPECT_EQ(JoinPortText(pieces), kTwoPorts);
  EXPECT_TRUE(SplitPortText("").empty());
}

TEST(PortText, FirstPortRewriteKeepsNameAndSecondPort) {
  EXPECT_EQ(WithFirstPort(kTwoPorts, {"", "10.77.1.30", "255.0.0.0", "10.77.1.1", "0"}),
            "LAN1:10.77.1.30:255.0.0.0:10.77.1.1:0:LAN2:10.77.2.20:255.255.255.0::1");
  EXPECT_EQ(WithFirstPort("", {"", "1.2.3.4", "", "", "0"}), "");
}

TEST(PortText, SecondPortOnlyAfterLan1) {
  const LanPort second{"LAN2", "10.77.2.5", "255.255.255.0", "", "1"};
  EXPECT_EQ(PortTextFromPorts({"LAN1", "10.77.1.5", "255.255.255.0", "", "0"}, second),
            "LAN1:10.77.1.5:255.255.255.0::0:LAN2:10.77.2.5:255.255.255.0::1");
  EXPECT_EQ(PortTextFromPorts({"eth0", "10.77.1.5", "255.255.255.0", "", "0"}, second),
            "eth0:10.77.1.5:255.255.255.0::0");
}

TEST(LanInfoRecord, ReadsBothEntries) {
  const auto record = test::LanInfo({"LAN1", "10.77.1.5", "255.255.255.0", "10.77.1.1", "0"},
                                    {"LAN2", "10.77.2.5", "255.255.255.0", "", "1"});
  ASSERT_EQ(record.size(), 120u);
  const auto ports = ParseLanInfo(record);
  ASSERT_TRUE(ports);
  EXPECT_EQ((*ports)[0], (LanPort{"LAN1", "10.77.1.5", "255.255.255.0", "10.77.1.1", "0"}));
  EXPECT_EQ((*ports)[1], (LanPort{"LAN2", "10.77.2.5", "255.255.255.0", "", "1"}));
}

TEST(LanInfoRecord, UnterminatedFieldsEndAtTheirWidthAndShortRecordsAreRefused) {
  const auto record = test::LanInfo({"LAN1LAN1LAN1", "255.255.255.255XX", "", "", "11"}, {});
  const auto ports = ParseLanInfo(record);
  ASSERT_TRUE(ports);
  EXPECT_EQ((*ports)[0].name, "LAN1LAN1LA");
  EXPECT_EQ((*ports)[0].address, "255.255.255.255X");
  EXPECT_EQ((*ports)[0].dhcp, "11");
  EXPECT_FALSE(ParseLanInfo(std::vector<std::uint8_t>(119, 0x41)));
}

}  // namespace
}  // namespace tarvix::devsim
