#pragma once
#include <string>
#include <string_view>

#include "app/MappedDriveEntry.h"

namespace tarvix::platform {
class DriveService;
}

namespace tarvix::app {

// The system's 26 drive letters, entry 0 for Z: down to entry 25 for A:, as found by
// the last refresh. Mappings made outside the program show only after a refresh.
class MappedDriveTable {
 public:
  static constexpr int kEntryCount = 26;

  static char LetterOf(int entry) { return static_cast<char>('Z' - entry); }

  void RefreshMappedDrives(const platform::DriveService& drives);

  const MappedDriveEntry& Entry(int entry) const { return entries_[entry]; }
  MappedDriveEntry& Entry(int entry) { return entries_[entry]; }

  // The drive of the last entry (so the alphabetically lowest letter) that maps
  // `share` of the device known by `name` or `address`, letter case ignored;
  // empty when none does.
  std::string LocationOf(std::string_view name, std::string_view address,
                         std::string_view share) const;

 private:
  void ReadRemoteName(MappedDriveEntry& entry, const std::string& remoteName);

  MappedDriveEntry entries_[kEntryCount];
};

}  // namespace tarvix::app
