#pragma once
#include "protocol/ProtocolConstants.h"

namespace tarvix {

// The host's IPv4 addresses; the slot number is the interface index that a device
// node remembers, so every later request to a device leaves through the same slot.
struct InterfaceTable {
  char addresses[kMaxInterfaces][kAddressTextSize]{};
  int count = 0;
  int sendSockets[kMaxInterfaces]{-1, -1, -1, -1, -1, -1, -1, -1};
  int receiveSockets[kMaxInterfaces]{-1, -1, -1, -1, -1, -1, -1, -1};
};

}  // namespace tarvix
