#pragma once
#include "settings/LanForm.h"

namespace tarvix::settings {

// True when the mask's 32 bits are ones followed only by zeros and its first
// octet is not 0.
bool IsContiguousNetmask(const Octets& mask);

// True when the gateway is refused for the address and mask: the subnet's
// network or broadcast address, or outside the subnet. Link-local addresses
// (169.254.x.x) need no gateway and are never refused.
bool IsGatewayInconsistent(const Octets& address, const Octets& mask, const Octets& gateway);

bool IsLinkLocal(const Octets& address);

}  // namespace tarvix::settings
