#include "protocol/Discovery.h"

#include <numeric>
#include <utility>

#include "protocol/DeviceList.h"
#include "protocol/Network.h"
#include "protocol/Packet.h"
#include "protocol/RoundReplies.h"

namespace tarvix {
namespace {

constexpr int kAfterSendPauseMs = 50;
constexpr int kBetweenPollsPauseMs = 20;

bool SelectorAccepts(uint8_t wanted, uint8_t got) { return wanted == 0 || wanted == got; }

void Examine(const Network& network, RoundReplies& replies, uint8_t selectorA, uint8_t selectorB,
             int interfaceIndex) {
  const uint8_t* d = network.ReceiveArea();
  size_t length = network.ReceivedLength();
  if (!network.IsOurReply(d, length)) return;
  DiscoveryReply reply;
  if (!ReadDiscoveryReply(d, length, reply)) return;
  if (reply.type != kDiscoverReplyBasic &&
      !(SelectorAccepts(selectorA, reply.selectorA) && SelectorAccepts(selectorB, reply.selectorB)))
    return;
  replies.Add(interfaceIndex, std::move(reply));
}

}  // namespace

// One round serves every interface: the request goes out on each, then a single run of
// polls and pauses reads all receiving sockets together, so a search takes the time of
// one interface however many there are.
void DiscoverDevices(Network& network, DeviceList& devices, uint8_t selectorA, uint8_t selectorB) {
  devices.ClearDevices();
  const int count = network.Interfaces().count;
  if (count == 0) return;
  uint8_t request[kRequestBufferSize];
  size_t length = BuildDiscoverRequest(network.Id(), request);
  for (int i = 0; i < count; ++i) network.SendToGroup(i, request, length);

  int slots[kMaxInterfaces];
  std::iota(slots, slots + count, 0);
  const Network::Slots all(slots, static_cast<size_t>(count));
  RoundReplies replies(count);
  const Network::Take collect = [&](int i) {
    Examine(network, replies, selectorA, selectorB, i);
    return false;  // a search takes every reply of its round
  };
  network.PauseReceiving(kAfterSendPauseMs, all, collect);
  for (int poll = 0; poll < kDiscoveryPollsPerRound; ++poll) {
    if (poll > 0) network.PauseReceiving(kBetweenPollsPauseMs, all, collect);
    network.PollReceive(all, collect);
  }
  replies.AppendTo(devices);
}

}  // namespace tarvix
