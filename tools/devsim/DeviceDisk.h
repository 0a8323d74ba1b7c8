#pragma once
#include <string>

#include "tools/devsim/DeviceConfig.h"

namespace tarvix::devsim {

// Makes the refused paths of a device's disk unwritable: a folder takes each
// one's place, so no file can be created there, nor an old one deleted and
// replaced, whatever account the file server writes with. Empty on success,
// else what went wrong.
std::string RefuseWrites(const DeviceConfig& device);

}  // namespace tarvix::devsim
