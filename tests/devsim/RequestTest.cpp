#include "tools/devsim/Request.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/devsim/TestDatagrams.h"

namespace tarvix::devsim {
namespace {

using test::Hex;

TEST(Request, DiscoverRequest) {
  const auto request = ParseRequest(Hex("01 123456789abc 00000000"));
  ASSERT_TRUE(request);
  EXPECT_EQ(request->kind, RequestKind::Discover);
  EXPECT_EQ(request->clientId, test::kClient);
}

TEST(Request, QueryRequestAsTheProgramSendsIt) {
  const auto request =
      ParseRequest(Hex("03 123456789abc00000000 aabbccddeeffc0a8000a 13 0000 00000000"));
  ASSERT_TRUE(request);
  EXPECT_EQ(request->kind, RequestKind::Query);
  EXPECT_EQ(request->target, (Ipv4{192, 168, 0, 10}));
  EXPECT_EQ(request->command, 19);
  EXPECT_TRUE(request->payload.empty());
}

TEST(Request, LoginPayload) {
  const auto bytes = test::QueryRequest({}, 4, Hex("61646d696e 55aa"));
  ASSERT_EQ(bytes.size(), 35u);
  const auto request = ParseRequest(bytes);
  ASSERT_TRUE(request);
  EXPECT_EQ(std::vector(request->payload.begin(), request->payload.end()), Hex("61646d696e55aa"));
}

TEST(Request, SetRequestWithLanInfo) {
  const auto bytes = test::SetRequest({0, 0, 0, 0, 0, 0, 10, 77, 1, 20}, 21, "255.255.255.0",
                                      "10.77.1.1", test::LanInfo({"LAN1", "", "", "", ""}, {}));
  ASSERT_EQ(bytes.size(), 180u);
  const auto request = ParseRequest(bytes);
  ASSERT_TRUE(request);
  EXPECT_EQ(request->kind, RequestKind::Set);
  EXPECT_EQ(request->command, 21);
  EXPECT_EQ(request->target, (Ipv4{10, 77, 1, 20}));
  EXPECT_EQ(request->netmask, "255.255.255.0");
  EXPECT_EQ(request->gateway, "10.77.1.1");
  EXPECT_EQ(request->payload.size(), 120u);
}

TEST(Request, IgnoresRepliesAndBrokenDatagrams) {
  auto overlong = test::QueryRequest({}, 19);
  overlong[24] = 1;  // announces one payload byte that is not there
  auto huge = test::SetRequest({}, 1, "", "", {});
  huge[56] = huge[57] = huge[58] = huge[59] = 0xFF;
  const std::vector<std::vector<std::uint8_t>> cases = {
      {},
      Hex("01 123456789abc 000000"),     // 10 bytes
      Hex("02 123456789abc 00000000"),   // a reply
      Hex("09 123456789abc 00000000"),   // unknown type
      std::vector<std::uint8_t>(27, 3),  // query without its header
      std::vector<std::uint8_t>(59, 5),  // set without its header
      overlong,
      huge,
  };
  for (const auto& bytes : cases) EXPECT_FALSE(ParseRequest(bytes)) << bytes.size();
}

bool PayloadInside(const std::vector<std::uint8_t>& datagram) {
  const auto request = ParseRequest(datagram);
  if (!request || request->payload.empty()) return true;
  const auto* begin = datagram.data();
  return request->payload.data() >= begin &&
         request->payload.data() + request->payload.size() <= begin + datagram.size();
}

// Every prefix of valid requests and a stream of random datagrams: the reader
// must refuse or accept them without reading outside the datagram (run under
// the sanitizers to see that).
TEST(Request, SurvivesTruncationAndNoise) {
  const std::vector<std::vector<std::uint8_t>> valid = {
      test::DiscoverRequest(), test::QueryRequest({}, 4, test::Text("admin\x55\xAA")),
      test::SetRequest({}, 21, "255.0.0.0", "", test::LanInfo({"LAN1", "", "", "", ""}, {}))};
  for (const auto& bytes : valid) {
    for (std::size_t n = 0; n <= bytes.size(); ++n) {
      const std::vector<std::uint8_t> prefix(bytes.begin(),
                                             bytes.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_TRUE(PayloadInside(prefix)) << n;
    }
  }
  std::mt19937 random(1234);
  for (int i = 0; i < 2000; ++i) {
    std::vector<std::uint8_t> noise(random() % 200);
    for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
    if (!noise.empty()) noise[0] = static_cast<std::uint8_t>(1 + random() % 5);
    EXPECT_TRUE(PayloadInside(noise)) << i;
  }
}

}  // namespace
}  // namespace tarvix::devsim
