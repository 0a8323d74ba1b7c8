#include "addons/LanguageRows.h"

#include <charconv>
#include <string>

namespace tarvix::addons {

std::optional<int> RowOfCodepage(int codepage) {
  for (int row = 0; row < kLanguageRowCount; ++row)
    if (std::to_string(codepage) == kLanguageRows[row].codepage) return row;
  return std::nullopt;
}

std::optional<int> RowOfCodepage(std::string_view codepage) {
  for (int row = 0; row < kLanguageRowCount; ++row)
    if (codepage == kLanguageRows[row].codepage) return row;
  return std::nullopt;
}

int LeadingNumber(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  (void)end;
  // Out of range is no disk state or code page of any meaning.
  if (error != std::errc{} || value > 99999999) return 0;
  return static_cast<int>(negative ? -value : value);
}

}  // namespace tarvix::addons
