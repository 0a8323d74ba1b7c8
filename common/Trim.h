#pragma once
#include <string_view>

namespace tarvix {

// `text` without the blanks, tabs and carriage returns around it: the way every
// line-based file the program and its tools read is taken apart.
inline std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace tarvix
