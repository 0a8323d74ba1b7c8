#include "protocol/LanInfo.h"

#include <algorithm>
#include <string>
#include <vector>

#include "protocol/FixedText.h"

namespace tarvix {
namespace {

constexpr std::string_view kEmptyMark = "NULL";
// Two ports of five fields are all that a port text can fill.
constexpr size_t kUsedPieces = 10;

// The first kUsedPieces pieces; the rest of the text is never read.
std::vector<std::string_view> SplitPieces(std::string_view text) {
  std::vector<std::string_view> pieces;
  pieces.reserve(kUsedPieces);
  size_t start = 0;
  while (start <= text.size() && pieces.size() < kUsedPieces) {
    size_t end = text.find(':', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

void FillEntry(LanPortEntry& entry, const std::vector<std::string_view>& pieces, size_t first) {
  auto piece = [&](size_t k, char* field, size_t width) {
    if (first + k >= pieces.size()) return;
    std::string_view p = pieces[first + k];
    if (k == 3 && p == kEmptyMark) p = {};
    CopyField(field, width, p);
  };
  piece(0, entry.name, sizeof entry.name);
  piece(1, entry.address, sizeof entry.address);
  piece(2, entry.netmask, sizeof entry.netmask);
  piece(3, entry.gateway, sizeof entry.gateway);
  piece(4, entry.dhcpFlag, sizeof entry.dhcpFlag);
}

}  // namespace

bool LanInfo::HasSecondPort() const { return FieldText(ports[0].name) == "LAN1"; }

std::string WidenPortText(std::string_view text) {
  text = text.substr(0, std::min(text.size(), kMaxPortTextLength));
  std::string out;
  out.reserve(kMaxPortTextLength + kEmptyMark.size());
  // Copy up to and with each ':' that another one follows, then the mark.
  for (size_t at = text.find("::"); at != std::string_view::npos; at = text.find("::")) {
    out.append(text.substr(0, at + 1));
    out.append(kEmptyMark);
    text.remove_prefix(at + 1);
    if (out.size() >= kMaxPortTextLength) break;
  }
  if (out.size() < kMaxPortTextLength) out.append(text);
  if (out.size() > kMaxPortTextLength) out.resize(kMaxPortTextLength);
  return out;
}

void ParsePortText(std::string_view text, LanInfo& info) {
  std::string widened = WidenPortText(text.substr(0, text.find('\0')));
  std::vector<std::string_view> pieces = SplitPieces(widened);
  if (pieces.empty()) return;
  FillEntry(info.ports[0], pieces, 0);
  if (info.HasSecondPort()) FillEntry(info.ports[1], pieces, 5);
}

}  // namespace tarvix
