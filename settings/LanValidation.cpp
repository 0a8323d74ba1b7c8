#include "settings/LanValidation.h"

namespace tarvix::settings {
namespace {

bool IsNetworkAddress(const Octets& a, const Octets& m, const Octets& g) {
  for (int i = 0; i < 4; ++i)
    if (g[i] != (a[i] & m[i])) return false;
  return true;
}

bool IsBroadcastAddress(const Octets& a, const Octets& m, const Octets& g) {
  for (int i = 0; i < 4; ++i)
    if (g[i] != ((255 - m[i]) | a[i])) return false;
  return true;
}

bool IsOutsideSubnet(const Octets& a, const Octets& m, const Octets& g) {
  for (int i = 0; i < 4; ++i)
    if ((a[i] & m[i]) != (g[i] & m[i])) return true;
  return false;
}

}  // namespace

bool IsContiguousNetmask(const Octets& mask) {
  if (mask[0] == 0) return false;
  bool seenZero = false;
  for (int octet : mask) {
    for (int bit = 7; bit >= 0; --bit) {
      const bool one = ((octet >> bit) & 1) != 0;
      if (one && seenZero) return false;
      if (!one) seenZero = true;
    }
  }
  return true;
}

bool IsLinkLocal(const Octets& address) { return address[0] == 169 && address[1] == 254; }

bool IsGatewayInconsistent(const Octets& address, const Octets& mask, const Octets& gateway) {
  if (IsLinkLocal(address)) return false;
  return IsNetworkAddress(address, mask, gateway) || IsBroadcastAddress(address, mask, gateway) ||
         IsOutsideSubnet(address, mask, gateway);
}

}  // namespace tarvix::settings
