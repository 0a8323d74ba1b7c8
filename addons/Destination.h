#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tarvix::addons {

// What is installed decides the folder below the device's system share.
enum class InstallKind { Language, BitTorrent };

inline constexpr const char* kLanguageFolder = ".codepages";
inline constexpr const char* kBitTorrentFolder = "Nas_Prog/BT";

// Where the files of one installation go on the device, and which generation
// of payloads it takes.
struct Destination {
  std::string subPath;  // the part of the network path after the device address
  int generation;

  // "\\ADDRESS\SUBPATH\FILE".
  std::string PathOf(std::string_view address, std::string_view file) const;
};

// From the device's answer to the system share query: empty or "HDD_a" (any
// case) is a first-generation device, "HDD_1" (any case) a second-generation
// one. Any other answer names no share the installer knows: none.
std::optional<Destination> DestinationFor(std::string_view shareName, InstallKind kind);

// Whether the share answer names one of the two system shares.
bool IsSystemShare(std::string_view shareName);

}  // namespace tarvix::addons
