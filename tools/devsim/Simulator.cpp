#include "tools/devsim/Simulator.h"

#include "tools/devsim/DeviceReplies.h"

namespace tarvix::devsim {

namespace {

const Fault& FaultFor(const Device& device, const Request& request) {
  return request.kind == RequestKind::Discover ? device.config().FaultForDiscovery()
                                               : device.config().FaultForCommand(request.command);
}

}  // namespace

Simulator::Simulator(const std::vector<DeviceConfig>& configs) {
  devices_.reserve(configs.size());
  for (const auto& config : configs) devices_.emplace_back(config);
}

Outcome Simulator::Handle(ByteView datagram) {
  Outcome outcome;
  const auto request = ParseRequest(datagram);
  if (!request) return outcome;
  for (auto& device : devices_) HandleFor(device, *request, outcome);
  return outcome;
}

void Simulator::HandleFor(Device& device, const Request& request, Outcome& outcome) {
  if (!device.IsAddressedBy(request)) return;
  const auto& fault = FaultFor(device, request);
  if (fault.silent) return;
  switch (request.kind) {
    case RequestKind::Discover:
      Emit(device, request, BuildDiscoverReply(device, request.clientId), outcome);
      return;
    case RequestKind::Query:
      if (const auto value = device.Answer(request)) {
        Emit(device, request, BuildQueryReply(device, request.clientId, *value), outcome);
      }
      return;
    case RequestKind::Set:
      if (device.Apply(request)) {
        outcome.stateChanged = true;
        Emit(device, request, BuildSetReply(device, request.clientId), outcome);
      }
      return;
  }
}

void Simulator::Emit(const Device& device, const Request& request, Bytes reply, Outcome& outcome) {
  const auto& fault = FaultFor(device, request);
  if (fault.noReply) return;
  const int command = request.kind == RequestKind::Discover ? -1 : request.command;
  DistortReply(reply, fault);
  for (int i = 0; i < fault.repeat; ++i) {
    outcome.replies.push_back({device.config().name, reply, fault.delayMs, command});
  }
}

}  // namespace tarvix::devsim
