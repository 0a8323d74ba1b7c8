#include "app/MappedDriveTable.h"

#include "common/EqualsIgnoringCase.h"
#include "platform/DriveService.h"
#include "protocol/FixedText.h"

namespace tarvix::app {
namespace {

// The system hands remote names out through a buffer of this size; a longer name
// does not fit, and the letter then reads as not connected.
constexpr size_t kRemoteNameBuffer = 256;

}  // namespace

void MappedDriveTable::RefreshMappedDrives(const platform::DriveService& drives) {
  for (int k = 0; k < kEntryCount; ++k) {
    MappedDriveEntry& entry = entries_[k];
    const char letter = LetterOf(k);
    const char driveName[3] = {letter, ':', '\0'};
    CopyField(entry.drive, driveName);
    std::optional<std::string> remote = drives.RemoteName(letter);
    if (!remote || remote->size() >= kRemoteNameBuffer) {
      CopyField(entry.server, "");
      CopyField(entry.share, "");
    } else if (!remote->empty()) {
      ReadRemoteName(entry, *remote);
    }
  }
}

void MappedDriveTable::ReadRemoteName(MappedDriveEntry& entry, const std::string& remoteName) {
  // "\\SERVER\SHARE": a deeper path stays with the share. Without a separator the
  // name is not understood and the entry keeps what it had.
  size_t separator = remoteName.find('\\', 2);
  if (separator == std::string::npos) return;
  CopyField(entry.server, std::string_view(remoteName).substr(2, separator - 2));
  CopyField(entry.share, std::string_view(remoteName).substr(separator + 1));
}

std::string MappedDriveTable::LocationOf(std::string_view name, std::string_view address,
                                         std::string_view share) const {
  std::string location;
  for (const MappedDriveEntry& entry : entries_) {
    std::string_view server = FieldText(entry.server);
    bool sameDevice = EqualsIgnoringCase(server, name) || EqualsIgnoringCase(server, address);
    if (sameDevice && EqualsIgnoringCase(FieldText(entry.share), share))
      location = std::string(FieldText(entry.drive));
  }
  return location;
}

}  // namespace tarvix::app
