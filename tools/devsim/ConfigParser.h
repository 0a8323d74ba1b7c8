#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "tools/devsim/DeviceConfig.h"

namespace tarvix::devsim {

struct ConfigResult {
  std::vector<DeviceConfig> devices;
  std::string error;  // empty on success; names the line otherwise

  bool ok() const { return error.empty(); }
};

// INI-like text: one [section] per device (its name), then key = value lines.
ConfigResult ParseConfig(std::string_view text);
ConfigResult LoadConfigFile(const std::string& path);

}  // namespace tarvix::devsim
