#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {
class ShareList;
}
namespace tarvix::platform {
class SystemInfo;
}

namespace tarvix::app {

class MappedDriveTable;

struct VolumeRow {
  std::string name;      // share name in the system's own encoding
  std::string location;  // drive letter that maps it, or empty
};

// Share names travel as UTF-8 and are shown through a buffer of this many bytes.
inline constexpr size_t kVolumeNameBuffer = 256;

// One row per share of the selected device, in the device's order.
std::vector<VolumeRow> BuildVolumeRows(const ShareList& shares, const MappedDriveTable& table,
                                       const platform::SystemInfo& system,
                                       std::string_view deviceName, std::string_view deviceAddress);

}  // namespace tarvix::app
