#pragma once
#include <cstdint>

namespace tarvix {

class Network;
class DeviceList;

// The polls of one search round, which serves every interface at once.
inline constexpr int kDiscoveryPollsPerRound = 32;

// Rebuilds `devices` from the replies to one discovery request per interface.
// A selector of 0 accepts any value of the reply's selector byte.
void DiscoverDevices(Network& network, DeviceList& devices, uint8_t selectorA, uint8_t selectorB);

}  // namespace tarvix
