#pragma once
#include <string>
#include <string_view>

namespace tarvix::cli {

// A JSON string literal for `text`; invalid UTF-8 bytes become U+FFFD, so device
// names with odd bytes still give valid JSON.
std::string JsonString(std::string_view text);

}  // namespace tarvix::cli
