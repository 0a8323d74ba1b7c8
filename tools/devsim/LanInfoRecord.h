#pragma once
#include <array>
#include <optional>

#include "tools/devsim/PortText.h"
#include "tools/devsim/Wire.h"

namespace tarvix::devsim {

// The 120-byte record of set commands 2 and 21: two 60-byte port entries of
// name[10] address[16] netmask[16] gateway[16] dhcp[2]. Shorter payloads are
// refused; fields without terminator end at their width.
std::optional<std::array<LanPort, 2>> ParseLanInfo(ByteView payload);

}  // namespace tarvix::devsim
