#pragma once
#include <cstddef>
#include <span>
#include <vector>

namespace tarvix::addons {

// Device generations, by their system share: 1 "HDD_a", 2 "HDD_1".
inline constexpr int kGeneration1 = 1;
inline constexpr int kGeneration2 = 2;
// A language payload written to devices of either generation.
inline constexpr int kBothGenerations = 0;

// The resource type names under which the payloads are stored. Lookups ignore
// the letter case: the runner asks for "Codepage".
inline constexpr const char* kCodepageType = "CODEPAGE";
inline constexpr const char* kBitTorrentType = "BT";

// One payload of the language support: the file it becomes on the device.
struct LanguagePayload {
  int codepage;
  const char* file;
  int resourceId;
  std::size_t bytes;
  int generation;  // kGeneration1, kGeneration2 or kBothGenerations
};

// One program of the BitTorrent add-on, staged locally before it is copied.
struct BitTorrentPayload {
  const char* file;
  int resourceId;
  std::size_t bytes;
  const char* stagingFile;
};

// Which payload becomes which file on the device, in the order they are written.
class PayloadCatalogue {
 public:
  static std::span<const LanguagePayload> LanguageRows();
  // The rows of `codepage` that a device of `generation` gets, in writing
  // order; none for the code pages without files (865, 852, 857).
  static std::vector<LanguagePayload> RowsFor(int codepage, int generation);
  static std::span<const BitTorrentPayload> BitTorrentRows();
};

}  // namespace tarvix::addons
