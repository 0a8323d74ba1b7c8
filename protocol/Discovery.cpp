#include "protocol/Discovery.h"

#include <string>

#include "protocol/DeviceList.h"
#include "protocol/Network.h"
#include "protocol/Packet.h"

namespace tarvix {
namespace {

constexpr int kAfterSendPauseMs = 50;
constexpr int kBetweenPollsPauseMs = 20;
// Failed reads do not use up a poll, but only this many per interface and round.
constexpr long kFailedReadBudget = static_cast<long>(kDiscoveryPollsPerInterface) * kSkipsPerMiss;

bool SelectorAccepts(uint8_t wanted, uint8_t got) { return wanted == 0 || wanted == got; }

void Accept(DeviceList& devices, const DiscoveryReply& reply, int interfaceIndex) {
  if (devices.ContainsAddress(reply.address)) return;  // the first reply wins
  std::string flag(1, reply.dhcpFlag);
  devices.AppendDevice(reply.name, reply.address, reply.netmask, reply.gateway, reply.deviceId,
                       reply.model, flag.c_str(), interfaceIndex);
}

void Examine(Network& network, DeviceList& devices, uint8_t selectorA, uint8_t selectorB,
             int interfaceIndex) {
  const uint8_t* d = network.ReceiveArea();
  size_t length = network.ReceivedLength();
  if (!network.IsOurReply(d, length)) return;
  DiscoveryReply reply;
  if (!ReadDiscoveryReply(d, length, reply)) return;
  if (reply.type != kDiscoverReplyBasic &&
      !(SelectorAccepts(selectorA, reply.selectorA) && SelectorAccepts(selectorB, reply.selectorB)))
    return;
  Accept(devices, reply, interfaceIndex);
}

}  // namespace

void DiscoverDevices(Network& network, DeviceList& devices, uint8_t selectorA, uint8_t selectorB) {
  devices.ClearDevices();
  uint8_t request[kRequestBufferSize];
  size_t length = BuildDiscoverRequest(network.Id(), request);
  Clock& clock = network.GetClock();
  for (int i = 0; i < network.Interfaces().count; ++i) {
    network.SendToGroup(i, request, length);
    clock.Pause(kAfterSendPauseMs);
    int polls = 0;
    long failedReads = 0;
    for (;;) {
      PollOutcome outcome = network.PollReceive(i);
      if (outcome == PollOutcome::ReadFailed && ++failedReads <= kFailedReadBudget) continue;
      if (outcome == PollOutcome::Read) Examine(network, devices, selectorA, selectorB, i);
      if (++polls >= kDiscoveryPollsPerInterface) break;
      clock.Pause(kBetweenPollsPauseMs);
    }
  }
}

}  // namespace tarvix
