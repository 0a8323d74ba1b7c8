#include "tools/devsim/DeviceDisk.h"

#include <filesystem>
#include <system_error>

namespace tarvix::devsim {

std::string RefuseWrites(const DeviceConfig& device) {
  namespace fs = std::filesystem;
  for (const std::string& path : device.refusedWrites) {
    const fs::path place = fs::path(device.disk) / path;
    std::error_code error;
    if (fs::is_regular_file(place, error)) fs::remove(place, error);
    fs::create_directories(place, error);
    // Not empty, so no client can remove it the way an empty folder may go.
    if (!error) fs::create_directories(place / "refused", error);
    if (error) return "cannot refuse writes to " + place.string() + ": " + error.message();
  }
  return {};
}

}  // namespace tarvix::devsim
