#include "protocol/RoundReplies.h"

#include <utility>

#include "protocol/DeviceList.h"

namespace tarvix {

RoundReplies::RoundReplies(int interfaceCount) : interfaces_(static_cast<size_t>(interfaceCount)) {}

void RoundReplies::Add(int interfaceIndex, DiscoveryReply reply) {
  if (interfaceIndex < 0 || static_cast<size_t>(interfaceIndex) >= interfaces_.size()) return;
  Interface& interface = interfaces_[static_cast<size_t>(interfaceIndex)];
  if (!interface.addresses.insert(reply.address).second) return;
  interface.replies.push_back(std::move(reply));
}

void RoundReplies::AppendTo(DeviceList& devices) const {
  // A set instead of the list's own search, so that a round with very many answers
  // does not walk the list once for each of them.
  std::unordered_set<std::string> listed;
  for (const DeviceNode& node : devices) listed.insert(node.address);
  for (size_t i = 0; i < interfaces_.size(); ++i) {
    for (const DiscoveryReply& reply : interfaces_[i].replies) {
      if (listed.count(reply.address)) continue;
      std::string flag(1, reply.dhcpFlag);
      if (devices.AppendDevice(reply.name, reply.address, reply.netmask, reply.gateway,
                               reply.deviceId, reply.model, flag, static_cast<int>(i)))
        listed.insert(reply.address);
    }
  }
}

}  // namespace tarvix
