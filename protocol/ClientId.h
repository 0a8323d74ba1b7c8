#pragma once
#include <cstdint>
#include <ctime>

#include "protocol/ProtocolConstants.h"

namespace tarvix {

// Marks this run's requests: six pseudo-random bytes and four zero bytes.
struct ClientId {
  uint8_t bytes[kClientIdSize]{};

  // Seeded with the current time in seconds, as each run makes one afresh.
  static ClientId Make(std::time_t seed);
};

}  // namespace tarvix
