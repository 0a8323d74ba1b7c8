#include "tools/devsim/DeviceReplies.h"

#include <gtest/gtest.h>

#include "tests/devsim/TestDatagrams.h"

namespace tarvix::devsim {
namespace {

using test::Hex;

const ClientId kClient = test::kClient;

DeviceConfig Config(std::uint8_t type) {
  DeviceConfig config;
  config.name = "nas";
  config.address = {192, 168, 0, 10};
  config.ownId = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
  config.netmask = "255.255.255.0";
  config.gateway = "192.168.0.1";
  config.replyType = type;
  config.selectorA = 3;
  config.selectorB = 4;
  config.model = "NV-A20";
  return config;
}

// Header of every reply: type, echoed ClientId, DeviceId (own bytes, address).
std::string HeaderHex(const char* type) {
  return std::string(type) + "123456789abc00000000" + "aabbccddeeff" + "c0a8000a";
}

// Bytes 21..55 of a discovery reply: DHCP flag '0', two zero bytes, netmask
// and gateway fields.
const std::string kAddressPart =
    "30"
    "0000"
    "3235352e3235352e3235352e30000000"
    "3139322e3136382e302e310000000000";

TEST(ReplyBuilder, DiscoverReplyBasic) {
  const auto reply = BuildDiscoverReply(Device(Config(2)), kClient);
  EXPECT_EQ(reply, Hex(HeaderHex("02") + kAddressPart + "03000000" + "6e6173"));
}

TEST(ReplyBuilder, DiscoverReplyExtended) {
  const auto reply = BuildDiscoverReply(Device(Config(7)), kClient);
  EXPECT_EQ(reply, Hex(HeaderHex("07") + kAddressPart + "0304" + std::string(20, '0') + "03000000" +
                       "6e6173"));
}

TEST(ReplyBuilder, DiscoverReplyModel) {
  const auto reply = BuildDiscoverReply(Device(Config(8)), kClient);
  const std::string model = "4e562d413230" + std::string(52, '0');  // "NV-A20" in 32 bytes
  EXPECT_EQ(reply, Hex(HeaderHex("08") + kAddressPart + "0304" + std::string(20, '0') + model +
                       "03000000" + "6e6173"));
}

TEST(ReplyBuilder, QueryReplyCarriesValueAt28) {
  const std::vector<std::uint8_t> value{'9', '5', '0', 0};
  const auto reply = BuildQueryReply(Device(Config(2)), kClient, value);
  EXPECT_EQ(reply, Hex(HeaderHex("04") + "00000000000000" + "39353000"));
}

TEST(ReplyBuilder, SetReplyIsTheHeader) {
  EXPECT_EQ(BuildSetReply(Device(Config(2)), kClient), Hex(HeaderHex("06")));
}

}  // namespace
}  // namespace tarvix::devsim
