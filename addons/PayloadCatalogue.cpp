#include "addons/PayloadCatalogue.h"

#include <array>

namespace tarvix::addons {
namespace {

constexpr int kBoth = kBothGenerations;
constexpr int k1 = kGeneration1;
constexpr int k2 = kGeneration2;

// Generation 1 carries kernel modules for a PowerPC Linux 2.4 (".o"); generation
// 2 two module sets side by side, for ARM Linux 2.6.6 (".ko") and 2.6.12
// ("_12.ko"); the device loads the set it can use.
constexpr std::array<LanguagePayload, 41> kLanguageRows{{
    {950, "codepage.950", 151, 8, kBoth},
    {950, "nls_cp950.o", 153, 106268, k1},
    {950, "nls_big5.o", 155, 1724, k1},
    {950, "nls_cp950.ko", 174, 105791, k2},
    {950, "nls_cp950_12.ko", 192, 105887, k2},
    {950, "unicode_map.950", 156, 262174, kBoth},
    {936, "codepage.936", 157, 8, kBoth},
    {936, "nls_cp936.o", 158, 129244, k1},
    {936, "nls_gb2312.o", 159, 1728, k1},
    {936, "nls_cp936.ko", 175, 128599, k2},
    {936, "nls_cp936_12.ko", 190, 128695, k2},
    {936, "unicode_map.936", 160, 262174, kBoth},
    {850, "codepage.850", 143, 132, kBoth},
    {850, "nls_cp850.o", 145, 5020, k1},
    {850, "nls_cp850.ko", 179, 5719, k2},
    {850, "nls_cp850_12.ko", 187, 5783, k2},
    {850, "unicode_map.850", 148, 131614, kBoth},
    {932, "codepage.932", 161, 8, kBoth},
    {932, "nls_cp932.o", 162, 82848, k1},
    {932, "nls_euc-jp.o", 163, 6364, k1},
    {932, "nls_sjis.o", 172, 1724, k1},
    {932, "nls_cp932.ko", 173, 82562, k2},
    {932, "nls_euc-jp.ko", 178, 6809, k2},
    {932, "nls_cp932_12.ko", 189, 82995, k2},
    {932, "nls_euc-jp_12.ko", 193, 6921, k2},
    {932, "unicode_map.932", 164, 262174, kBoth},
    {949, "codepage.949", 165, 8, kBoth},
    {949, "nls_cp949.o", 166, 152216, k1},
    {949, "nls_euc-kr.o", 167, 1728, k1},
    {949, "nls_cp949.ko", 176, 151405, k2},
    {949, "nls_cp949_12.ko", 191, 151501, k2},
    {949, "unicode_map.949", 168, 262174, kBoth},
    {866, "codepage.866", 169, 588, kBoth},
    {866, "nls_cp866.o", 170, 5308, k1},
    {866, "nls_koi8-r.o", 185, 5312, k1},
    {866, "nls_cp866.ko", 177, 6006, k2},
    {866, "nls_koi8-r.ko", 183, 6010, k2},
    {866, "nls_cp866_12.ko", 188, 6070, k2},
    {866, "nls_koi8-r_12.ko", 194, 6074, k2},
    {866, "unicode_map.866", 171, 588, kBoth},
    {866, "unicode_map.KOI8-R", 184, 131614, kBoth},
}};

// The BitTorrent program and its small companion, both ARM Linux programs.
constexpr std::array<BitTorrentPayload, 2> kBitTorrentRows{{
    {"bt", 215, 6940408, "C:\\bt\\bt"},
    {"btdog", 220, 22672, "C:\\bt\\btdog"},
}};

}  // namespace

std::span<const LanguagePayload> PayloadCatalogue::LanguageRows() { return kLanguageRows; }

std::vector<LanguagePayload> PayloadCatalogue::RowsFor(int codepage, int generation) {
  std::vector<LanguagePayload> rows;
  for (const LanguagePayload& row : kLanguageRows) {
    if (row.codepage != codepage) continue;
    if (row.generation == kBothGenerations || row.generation == generation) rows.push_back(row);
  }
  return rows;
}

std::span<const BitTorrentPayload> PayloadCatalogue::BitTorrentRows() { return kBitTorrentRows; }

}  // namespace tarvix::addons
