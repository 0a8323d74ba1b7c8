#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvix::platform {

// Command lines as one text: words separated by blanks, with double or single
// quotes grouping; a backslash escapes the next character outside single
// quotes (inside double quotes only before " \ ` $).
class CommandLine {
 public:
  static std::vector<std::string> Split(std::string_view line);
  // Quotes words that need it, so Split(Join(words)) == words.
  static std::string Join(const std::vector<std::string>& words);
  static std::string Quote(std::string_view word);
};

}  // namespace tarvix::platform
