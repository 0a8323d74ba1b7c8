#include "app/DriveLetterItems.h"

#include "app/MappedDriveTable.h"
#include "platform/DriveService.h"
#include "protocol/FixedText.h"

namespace tarvix::app {
namespace {

// Letters that hold a local volume cannot take a network drive.
bool HoldsLocalVolume(platform::DriveType type) {
  using platform::DriveType;
  return type == DriveType::Fixed || type == DriveType::CdRom || type == DriveType::RamDisk ||
         type == DriveType::Removable;
}

std::string ItemText(const MappedDriveEntry& entry) {
  std::string text(FieldText(entry.drive));
  if (entry.IsMapped()) {
    text += " \\\\";
    text += FieldText(entry.server);
    text += '\\';
    text += FieldText(entry.share);
  }
  if (text.size() > kDriveItemBuffer - 1) text.resize(kDriveItemBuffer - 1);
  return text;
}

}  // namespace

DriveLetterItems BuildDriveLetterItems(const MappedDriveTable& table,
                                       const platform::DriveService& drives) {
  DriveLetterItems items;
  for (int k = 0; k < MappedDriveTable::kEntryCount; ++k) {
    const char letter = MappedDriveTable::LetterOf(k);
    // A: and B: are the floppy letters, never offered.
    if (letter == 'A' || letter == 'B') continue;
    if (HoldsLocalVolume(drives.TypeOf(letter))) continue;
    const MappedDriveEntry& entry = table.Entry(k);
    if (!entry.IsMapped() && items.selected < 0)
      items.selected = static_cast<int>(items.texts.size());
    items.texts.push_back(ItemText(entry));
  }
  return items;
}

}  // namespace tarvix::app
