#pragma once
#include <string>
#include <unordered_set>
#include <vector>

#include "protocol/Packet.h"

namespace tarvix {

class DeviceList;

// The discovery replies accepted during one round over all interfaces, kept apart by
// interface until the round ends. The list then comes out as if the interfaces had
// been searched one after the other: interfaces in table order, replies in arrival
// order within each, and a device that answers on several interfaces listed once,
// with the first of them in table order.
class RoundReplies {
 public:
  explicit RoundReplies(int interfaceCount);

  // Keeps the reply unless its address has answered on this interface already (a
  // repeated datagram: the first one wins).
  void Add(int interfaceIndex, DiscoveryReply reply);
  void AppendTo(DeviceList& devices) const;

 private:
  struct Interface {
    std::vector<DiscoveryReply> replies;
    std::unordered_set<std::string> addresses;
  };
  std::vector<Interface> interfaces_;
};

}  // namespace tarvix
