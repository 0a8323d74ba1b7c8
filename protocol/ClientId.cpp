#include "protocol/ClientId.h"

#include <random>

namespace tarvix {

ClientId ClientId::Make(std::time_t seed) {
  std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(seed));
  ClientId id;
  for (int i = 0; i < 6; ++i) id.bytes[i] = static_cast<uint8_t>(generator() & 0xFF);
  return id;
}

}  // namespace tarvix
