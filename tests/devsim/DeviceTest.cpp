#include "tools/devsim/Device.h"

#include <gtest/gtest.h>

#include <deque>

#include "tests/devsim/TestDatagrams.h"

namespace tarvix::devsim {
namespace {

using test::Text;

const test::Id10 kTarget = {1, 2, 3, 4, 5, 6, 10, 77, 1, 20};

DeviceConfig Config() {
  DeviceConfig config;
  config.name = "nas";
  config.address = {10, 77, 1, 20};
  config.ownId = {1, 2, 3, 4, 5, 6};
  config.gateway = "10.77.1.1";
  config.shares = "public:media";
  config.portText = "LAN1:10.77.1.20:255.255.255.0::0:LAN2:10.77.2.20:255.255.255.0::1";
  config.ssl = "1";
  config.domain = "";
  config.codepage = "950";
  config.ideOk = "3";
  config.shareName = "HDD_a";
  config.btFirmware = "2";
  config.adminPassword = "pw";
  config.dhcpAddress = {10, 77, 1, 99};
  return config;
}

Request Parse(const std::vector<std::uint8_t>& bytes) {
  static std::deque<std::vector<std::uint8_t>> kept;  // requests view their bytes
  return *ParseRequest(kept.emplace_back(bytes));
}

std::optional<std::string> AnswerText(const Device& device, int command) {
  const auto value = device.Answer(Parse(test::QueryRequest(kTarget, command)));
  if (!value) return std::nullopt;
  EXPECT_EQ(value->back(), 0) << "value texts are NUL-terminated";
  return std::string(value->begin(), value->end() - 1);
}

TEST(Device, AnswersEachValueQuery) {
  const Device device(Config());
  const std::vector<std::pair<int, std::optional<std::string>>> cases = {
      {3, "public:media"},
      {9, "950"},
      {11, "3"},
      {12, "HDD_a"},
      {15, "2"},
      {18, ""},
      {19, "1"},
      {20, "LAN1:10.77.1.20:255.255.255.0::0:LAN2:10.77.2.20:255.255.255.0::1"},
      {7, std::nullopt},
      {0, std::nullopt},
  };
  for (const auto& [command, expected] : cases)
    EXPECT_EQ(AnswerText(device, command), expected) << command;
}

TEST(Device, LoginVerdict) {
  const Device device(Config());
  const std::vector<std::pair<std::string, std::uint8_t>> cases = {
      {"admin\x55\xAApw", 1}, {"admin\x55\xAA", 0}, {"admin\x55\xAApw2", 0},
      {"Admin\x55\xAApw", 0}, {"adminpw", 0},       {"", 0},
  };
  for (const auto& [payload, verdict] : cases) {
    const auto value = device.Answer(Parse(test::QueryRequest(kTarget, 4, Text(payload))));
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, std::vector<std::uint8_t>{verdict}) << payload;
  }
}

TEST(Device, EmptyAdminPasswordAcceptsAPayloadEndingWithTheSeparator) {
  auto config = Config();
  config.adminPassword = "";
  const Device device(config);
  const auto value = device.Answer(Parse(test::QueryRequest(kTarget, 4, Text("admin\x55\xAA"))));
  EXPECT_EQ(*value, std::vector<std::uint8_t>{1});
}

TEST(Device, OnlyRequestsForItsCurrentAddressAreItsOwn) {
  Device device(Config());
  EXPECT_TRUE(device.IsAddressedBy(Parse(test::QueryRequest(kTarget, 19))));
  EXPECT_TRUE(
      device.IsAddressedBy(Parse(test::QueryRequest({9, 9, 9, 9, 9, 9, 10, 77, 1, 20}, 19))));
  EXPECT_FALSE(
      device.IsAddressedBy(Parse(test::QueryRequest({1, 2, 3, 4, 5, 6, 10, 77, 1, 21}, 19))));
  EXPECT_TRUE(device.IsAddressedBy(Parse(test::DiscoverRequest())));
}

TEST(Device, StaticAddressMovesTheDevice) {
  Device device(Config());
  ASSERT_TRUE(device.Apply(
      Parse(test::SetRequest(kTarget, 1, "255.255.0.0", "10.77.0.1", Text("10.77.1.30")))));
  EXPECT_EQ(FormatIpv4(device.address()), "10.77.1.30");
  EXPECT_EQ(device.netmask(), "255.255.0.0");
  EXPECT_EQ(device.gateway(), "10.77.0.1");
  EXPECT_EQ(device.dhcpFlag(), '0');
  EXPECT_EQ(device.portText(),
            "LAN1:10.77.1.30:255.255.0.0:10.77.0.1:0:LAN2:10.77.2.20:255.255.255.0::1");
  EXPECT_EQ(device.deviceId()[6], 10);
  EXPECT_EQ(device.deviceId()[9], 30);
}

TEST(Device, LanInfoMovesTheDeviceToTheFirstPort) {
  Device device(Config());
  const auto record = test::LanInfo({"LAN1", "10.77.1.40", "255.255.255.0", "10.77.1.1", "0"},
                                    {"LAN2", "10.77.2.40", "255.255.255.0", "", "1"});
  ASSERT_TRUE(
      device.Apply(Parse(test::SetRequest(kTarget, 21, "255.255.255.0", "10.77.1.1", record))));
  EXPECT_EQ(FormatIpv4(device.address()), "10.77.1.40");
  EXPECT_EQ(device.gateway(), "10.77.1.1");
  EXPECT_EQ(device.portText(),
            "LAN1:10.77.1.40:255.255.255.0:10.77.1.1:0:LAN2:10.77.2.40:255.255.255.0::1");
}

TEST(Device, LanInfoWithDhcpOnTheFirstPortTakesTheDhcpAddress) {
  Device device(Config());
  const auto record = test::LanInfo({"LAN1", "10.77.1.40", "255.255.255.0", "", "1"}, {});
  ASSERT_TRUE(device.Apply(Parse(test::SetRequest(kTarget, 21, "", "", record))));
  EXPECT_EQ(FormatIpv4(device.address()), "10.77.1.99");
  EXPECT_EQ(device.dhcpFlag(), '1');
  EXPECT_EQ(device.portText(), "LAN1:10.77.1.99:255.255.255.0::1");
}

TEST(Device, DhcpSwitchWithAndWithoutLanInfo) {
  Device plain(Config());
  ASSERT_TRUE(plain.Apply(Parse(test::SetRequest(kTarget, 2, "", "", {}))));
  EXPECT_EQ(FormatIpv4(plain.address()), "10.77.1.99");
  EXPECT_EQ(plain.dhcpFlag(), '1');
  EXPECT_EQ(plain.portText(), "LAN1:10.77.1.99:255.255.255.0::1:LAN2:10.77.2.20:255.255.255.0::1");

  Device ported(Config());
  const auto record = test::LanInfo({"LAN1", "10.77.1.20", "255.255.255.0", "", "1"},
                                    {"LAN2", "10.77.2.20", "255.255.255.0", "", "0"});
  ASSERT_TRUE(ported.Apply(Parse(test::SetRequest(kTarget, 2, "", "", record))));
  EXPECT_EQ(FormatIpv4(ported.address()), "10.77.1.99");
  EXPECT_EQ(ported.portText(), "LAN1:10.77.1.99:255.255.255.0::1:LAN2:10.77.2.20:255.255.255.0::0");
}

TEST(Device, RefusesSetPayloadsItCannotUse) {
  const std::vector<std::vector<std::uint8_t>> cases = {
      test::SetRequest(kTarget, 1, "", "", Text("10.77.1")),
      test::SetRequest(kTarget, 1, "", "", {}),
      test::SetRequest(kTarget, 21, "", "", std::vector<std::uint8_t>(119, 0)),
      test::SetRequest(kTarget, 21, "", "", test::LanInfo({"LAN1", "bogus", "", "", "0"}, {})),
      test::SetRequest(kTarget, 2, "", "", Text("LAN1")),
  };
  for (const auto& bytes : cases) {
    Device device(Config());
    EXPECT_FALSE(device.Apply(Parse(bytes)));
    EXPECT_EQ(FormatIpv4(device.address()), "10.77.1.20");
    EXPECT_EQ(device.portText(), Config().portText);
  }
}

TEST(Device, RecordsTextCommandsAndTakesUpTheCodePage) {
  Device device(Config());
  for (const auto& [command, text] :
       std::vector<std::pair<int, std::string>>{{10, "rw"}, {8, "936"}, {14, "BT"}, {13, "stop"}}) {
    ASSERT_TRUE(device.Apply(Parse(test::SetRequest(kTarget, command, "", "", Text(text)))));
  }
  const std::vector<std::pair<int, std::string>> expected = {
      {10, "rw"}, {8, "936"}, {14, "BT"}, {13, "stop"}};
  EXPECT_EQ(device.textCommands(), expected);
  EXPECT_EQ(device.codepage(), "936");
  EXPECT_EQ(AnswerText(device, 9), "936");
  EXPECT_EQ(FormatIpv4(device.address()), "10.77.1.20");
}

}  // namespace
}  // namespace tarvix::devsim
