// The window tests trust the scripted network to refuse what a device would
// refuse; these tests hold it to that.
#include <gtest/gtest.h>

#include <cstring>

#include "protocol/FixedText.h"
#include "tests/mock/ScriptedSocketApi.h"

namespace tarvix::testing {
namespace {

using Datagram = std::vector<uint8_t>;

const uint8_t kClientId[10] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0, 0, 0, 0};

Datagram Discovery() {
  Datagram d(11, 0);
  d[0] = 1;
  std::memcpy(&d[1], kClientId, 10);
  return d;
}

void PutLength(Datagram& d, size_t at, uint32_t n) {
  for (int i = 0; i < 4; ++i) d[at + static_cast<size_t>(i)] = static_cast<uint8_t>(n >> (8 * i));
}

Datagram Query(const ScriptedDevice& device, uint8_t command, const std::string& payload = {}) {
  Datagram d(28, 0);
  d[0] = 3;
  std::memcpy(&d[1], kClientId, 10);
  std::memcpy(&d[11], device.identity.data(), 6);
  ParseAddress(device.address, &d[17]);
  d[21] = command;
  PutLength(d, 24, static_cast<uint32_t>(payload.size()));
  d.insert(d.end(), payload.begin(), payload.end());
  return d;
}

class ScriptedNetwork : public ::testing::Test {
 protected:
  void SetUp() override {
    sockets.localAddresses = {"10.77.1.1", "10.77.2.1"};
    ScriptedDevice nas = MakeDevice("NAS", "10.77.1.2");
    nas.ssl = "1";
    nas.adminPassword = "pw";
    nas.dhcpAddress = "10.77.1.77";
    sockets.devices = {nas};
    sender = sockets.OpenSendSocket();
    receivers[0] = sockets.OpenReceiveSocket("10.77.1.1");
    receivers[1] = sockets.OpenReceiveSocket("10.77.2.1");
    Send(0, Discovery());
    Drain(0);
  }

  void Send(int interfaceIndex, const Datagram& d) {
    sockets.SendToGroup(sender, sockets.localAddresses[static_cast<size_t>(interfaceIndex)],
                        d.data(), d.size());
  }
  // Every reply waiting on the interface, oldest first.
  std::vector<Datagram> Drain(int interfaceIndex) {
    std::vector<Datagram> out;
    const int socket = receivers[interfaceIndex];
    while (sockets.WaitReadable(socket, 0) == SocketApi::Wait::Readable) {
      Datagram d(4096);
      d.resize(static_cast<size_t>(sockets.Receive(socket, d.data(), d.size())));
      out.push_back(d);
    }
    return out;
  }
  const ScriptedDevice& Nas() const { return sockets.devices[0]; }

  ScriptedSocketApi sockets;
  int sender = -1;
  int receivers[2] = {-1, -1};
};

struct Distortion {
  const char* name;
  int interfaceIndex;
  size_t byte;  // 0: none
  uint8_t value;
  bool answered;
  bool violation;
};
void PrintTo(const Distortion& c, std::ostream* os) { *os << c.name; }

class ScriptedQuery : public ScriptedNetwork, public ::testing::WithParamInterface<Distortion> {};

TEST_P(ScriptedQuery, OnlyAWellFormedQueryOnTheDevicesInterfaceIsAnswered) {
  const Distortion& c = GetParam();
  Datagram query = Query(Nas(), 19);
  if (c.byte) query[c.byte] = c.value;
  Send(c.interfaceIndex, query);
  const std::vector<Datagram> replies = Drain(c.interfaceIndex);
  ASSERT_EQ(replies.size(), c.answered ? 1u : 0u);
  if (c.answered) {
    EXPECT_EQ(replies[0][0], 4);
    EXPECT_EQ(std::memcmp(&replies[0][1], kClientId, 10), 0);
    EXPECT_EQ(replies[0][28], '1');
  }
  EXPECT_EQ(sockets.violations.size(), c.violation ? 1u : 0u);
  ASSERT_EQ(sockets.sent.size(), 2u);
  EXPECT_EQ(sockets.sent[1].interfaceIndex, c.interfaceIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ScriptedQuery,
    ::testing::Values(Distortion{"WellFormed", 0, 0, 0, true, false},
                      Distortion{"ClientIdOfAnotherRun", 0, 3, 0xEE, false, true},
                      Distortion{"IdentityOfAnotherDevice", 0, 14, 0xEE, false, true},
                      Distortion{"LengthFieldBeyondTheDatagram", 0, 24, 4, false, true},
                      Distortion{"LeftFromTheOtherInterface", 1, 0, 0, false, true},
                      Distortion{"NobodyAtThatAddress", 0, 20, 99, false, false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ScriptedNetwork, LoginCheckComparesUserAndPassword) {
  const std::string separator = "\x55\xAA";
  const struct {
    std::string payload;
    uint8_t verdict;
  } cases[] = {
      {"admin" + separator + "pw", 1}, {"admin" + separator, 0}, {"guest" + separator + "pw", 0}};
  for (const auto& c : cases) {
    Send(0, Query(Nas(), 4, c.payload));
    const std::vector<Datagram> replies = Drain(0);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0][28], c.verdict) << c.payload;
  }
  EXPECT_TRUE(sockets.violations.empty());
}

TEST_F(ScriptedNetwork, DhcpSwitchIsAcknowledgedFromTheNewAddress) {
  Datagram set = Query(Nas(), 2);
  set[0] = 5;
  set.resize(60, 0);
  PutLength(set, 24, 0);
  PutLength(set, 56, 0);
  Send(0, set);
  const std::vector<Datagram> replies = Drain(0);
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(replies[0][0], 6);
  EXPECT_EQ((Datagram(replies[0].begin() + 17, replies[0].begin() + 21)),
            (Datagram{10, 77, 1, 77}));
  EXPECT_EQ(Nas().address, "10.77.1.77");
  EXPECT_EQ(Nas().dhcpFlag, '1');
  EXPECT_TRUE(sockets.violations.empty());
}

}  // namespace
}  // namespace tarvix::testing
