#include "app/VolumeRows.h"

#include "app/MappedDriveTable.h"
#include "platform/SystemInfo.h"
#include "protocol/FixedText.h"
#include "protocol/ShareList.h"

namespace tarvix::app {

std::vector<VolumeRow> BuildVolumeRows(const ShareList& shares, const MappedDriveTable& table,
                                       const platform::SystemInfo& system,
                                       std::string_view deviceName,
                                       std::string_view deviceAddress) {
  std::vector<VolumeRow> rows;
  for (const ShareNode& node : shares) {
    VolumeRow row;
    row.name = system.ToSystemText(FieldText(node.name), kVolumeNameBuffer);
    if (row.name.size() > kVolumeNameBuffer - 1) row.name.resize(kVolumeNameBuffer - 1);
    row.location = table.LocationOf(deviceName, deviceAddress, row.name);
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace tarvix::app
