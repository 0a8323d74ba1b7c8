#pragma once
#include <optional>
#include <string_view>

namespace tarvix::addons {

// One row of the language list: its text, the code page it stands for (also
// the text sent to the device), and whether the firmware must offer the
// extended code pages for it.
struct LanguageRow {
  const char* text;
  const char* codepage;
  bool needsExtendedCodepages;
};

inline constexpr int kLanguageRowCount = 9;
// The row preselected when the device names no code page of the list.
inline constexpr int kWesternEuropeanRow = 2;

inline constexpr LanguageRow kLanguageRows[kLanguageRowCount] = {
    {"Traditional Chinese", "950", false}, {"Simplified Chinese", "936", false},
    {"Western European", "850", false},    {"Northern European", "865", true},
    {"Central European", "852", true},     {"Turkish", "857", true},
    {"Korean Hangul", "949", false},       {"Cyrillic", "866", false},
    {"Japanese SJIS", "932", false},
};

// The row of a code page number; none for a code page not in the list.
std::optional<int> RowOfCodepage(int codepage);
std::optional<int> RowOfCodepage(std::string_view codepage);

// The leading decimal number of a value text, as the device's values are read:
// blanks, a sign, digits; text without one reads as 0.
int LeadingNumber(std::string_view text);

}  // namespace tarvix::addons
