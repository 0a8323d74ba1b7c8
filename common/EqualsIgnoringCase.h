#pragma once
#include <algorithm>
#include <cctype>
#include <string_view>

namespace tarvix {

// Equal but for the case of ASCII letters, as Windows compares share, server
// and resource type names.
inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace tarvix
