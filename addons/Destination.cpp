#include "addons/Destination.h"

#include "addons/PayloadCatalogue.h"
#include "common/EqualsIgnoringCase.h"

namespace tarvix::addons {
std::string Destination::PathOf(std::string_view address, std::string_view file) const {
  std::string path = "\\\\";
  path.append(address).append("\\").append(subPath).append("\\").append(file);
  return path;
}

bool IsSystemShare(std::string_view shareName) {
  return EqualsIgnoringCase(shareName, "HDD_1") || EqualsIgnoringCase(shareName, "HDD_a");
}

std::optional<Destination> DestinationFor(std::string_view shareName, InstallKind kind) {
  const std::string folder = kind == InstallKind::BitTorrent ? kBitTorrentFolder : kLanguageFolder;
  if (shareName.empty() || EqualsIgnoringCase(shareName, "HDD_a"))
    return Destination{"HDD_a\\" + folder, kGeneration1};
  if (!EqualsIgnoringCase(shareName, "HDD_1")) return std::nullopt;
  // The language files go below the share name as the device wrote it.
  if (kind == InstallKind::BitTorrent) return Destination{"HDD_1\\" + folder, kGeneration2};
  return Destination{std::string(shareName) + "\\.systemfile\\" + folder, kGeneration2};
}

}  // namespace tarvix::addons
