#pragma once
#include <string>
#include <vector>

namespace tarvix::platform {
class DriveService;
}

namespace tarvix::app {

class MappedDriveTable;

// The texts of the "Available Drive Letters" list, Z: first, and the item to select
// (the first free letter; -1 when every offered letter is a network drive).
struct DriveLetterItems {
  std::vector<std::string> texts;
  int selected = -1;
};

// Items are built in a buffer of this many bytes: longer texts are cut to fit.
inline constexpr size_t kDriveItemBuffer = 256;

DriveLetterItems BuildDriveLetterItems(const MappedDriveTable& table,
                                       const platform::DriveService& drives);

}  // namespace tarvix::app
