#include <gtest/gtest.h>

#include <cstring>

#include "protocol/FixedText.h"
#include "protocol/Packet.h"
#include "tests/mock/ReplyBuilder.h"

namespace tarvix {
namespace {

using testing::Bytes;

ClientId TestId() {
  ClientId id;
  const uint8_t b[10] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0, 0, 0, 0};
  std::memcpy(id.bytes, b, 10);
  return id;
}

const uint8_t kDeviceId[10] = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0xC0, 0xA8, 0x00, 0x0A};

TEST(PacketTest, DiscoverRequestIsHeaderOnly) {
  uint8_t buf[kRequestBufferSize];
  ASSERT_EQ(BuildDiscoverRequest(TestId(), buf), 11u);
  const Bytes expected = {0x01, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0, 0, 0, 0};
  EXPECT_EQ(Bytes(buf, buf + 11), expected);
}

TEST(PacketTest, SecureFlagQueryBytes) {
  uint8_t buf[kRequestBufferSize];
  ASSERT_EQ(BuildQueryRequest(TestId(), kDeviceId, kCmdSsl, nullptr, 0, buf), 28u);
  const Bytes expected = {0x03, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0,    0, 0, 0, 0xAA, 0xBB, 0xCC,
                          0xDD, 0xEE, 0xFF, 0xC0, 0xA8, 0x00, 0x0A, 0x13, 0, 0, 0, 0,    0,    0};
  EXPECT_EQ(Bytes(buf, buf + 28), expected);
}

TEST(PacketTest, SetRequestCarriesTextFieldsAndLittleEndianLength) {
  uint8_t buf[kRequestBufferSize];
  const char* address = "192.168.0.100";  // 13 characters, sent without terminator
  size_t n = BuildSetRequest(TestId(), kDeviceId, kCmdSetAddress, "255.255.255.0", "192.168.0.1",
                             reinterpret_cast<const uint8_t*>(address), 13, buf);
  ASSERT_EQ(n, 73u);
  EXPECT_EQ(buf[0], 5);
  EXPECT_EQ(buf[21], 1);
  EXPECT_STREQ(reinterpret_cast<char*>(buf + 24), "255.255.255.0");
  EXPECT_STREQ(reinterpret_cast<char*>(buf + 40), "192.168.0.1");
  EXPECT_EQ(Bytes(buf + 56, buf + 60), (Bytes{13, 0, 0, 0}));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buf + 60), 13), address);
}

TEST(PacketTest, OversizePayloadIsRefused) {
  uint8_t buf[kRequestBufferSize];
  std::vector<uint8_t> payload(kRequestBufferSize, 'x');
  EXPECT_EQ(BuildQueryRequest(TestId(), kDeviceId, 4, payload.data(), payload.size(), buf), 0u);
  EXPECT_EQ(BuildSetRequest(TestId(), kDeviceId, 8, "", "", payload.data(), 4037, buf), 0u);
  EXPECT_EQ(BuildSetRequest(TestId(), kDeviceId, 8, "", "", payload.data(), 4036, buf), 4096u);
}

TEST(PacketTest, DiscoveryRepliesOfEachType) {
  testing::FakeDevice d;
  for (int t : {2, 7, 8}) {
    const auto type = static_cast<uint8_t>(t);
    Bytes b = testing::DiscoveryReplyBytes(type, TestId().bytes, d);
    DiscoveryReply r;
    ASSERT_TRUE(ReadDiscoveryReply(b.data(), b.size(), r)) << int(type);
    EXPECT_EQ(r.address, "10.77.1.2");
    EXPECT_EQ(r.name, "NAS");
    EXPECT_EQ(r.netmask, "255.255.255.0");
    EXPECT_EQ(r.gateway, "10.77.1.1");
    EXPECT_EQ(r.model, type == 8 ? "NV-A20" : "");
    EXPECT_EQ(r.dhcpFlag, '0');
  }
}

// Lengths and texts a device got wrong are cut to the node's widths, never read past
// the datagram.
TEST(PacketTest, HostileDiscoveryFieldsAreCut) {
  testing::FakeDevice d;
  d.name = std::string(300, 'n');
  Bytes b = testing::DiscoveryReplyBytes(8, TestId().bytes, d);
  std::memset(&b[24], 'm', 16);  // netmask without terminator
  std::memset(&b[68], 'x', 32);  // model without terminator
  DiscoveryReply r;
  ASSERT_TRUE(ReadDiscoveryReply(b.data(), b.size(), r));
  EXPECT_EQ(r.name.size(), 255u);
  EXPECT_EQ(r.netmask, std::string(15, 'm'));
  EXPECT_EQ(r.model, std::string(31, 'x'));

  d.name = "short";
  b = testing::DiscoveryReplyBytes(2, TestId().bytes, d);
  b[56] = 0xFF;  // counted length far beyond the datagram
  b[57] = 0xFF;
  ASSERT_TRUE(ReadDiscoveryReply(b.data(), b.size(), r));
  EXPECT_EQ(r.name, "short");

  b.resize(59);  // too short to hold the name length
  EXPECT_FALSE(ReadDiscoveryReply(b.data(), b.size(), r));
}

TEST(PacketTest, ValueTextEndsAtNulOrDatagramEnd) {
  testing::FakeDevice d;
  Bytes b = testing::QueryReplyBytes(TestId().bytes, d, "HDD_1:Public");
  EXPECT_EQ(ReadValueText(b.data(), b.size()), "HDD_1:Public");
  b.pop_back();  // no terminator: the value fills the datagram to its last byte
  EXPECT_EQ(ReadValueText(b.data(), b.size()), "HDD_1:Public");
  EXPECT_EQ(ReadValueText(b.data(), 20), "");
}

TEST(FixedTextTest, AddressParsingAndFields) {
  uint8_t a[4];
  EXPECT_TRUE(ParseAddress("192.168.0.10", a));
  EXPECT_EQ(FormatAddress(a), "192.168.0.10");
  for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1..2.3", "a.b.c.d", "1.2.3.4 "})
    EXPECT_FALSE(ParseAddress(bad, a)) << bad;
  char field[4];
  CopyField(field, "abcdef");
  EXPECT_EQ(FieldText(field), "abc");
}

}  // namespace
}  // namespace tarvix
