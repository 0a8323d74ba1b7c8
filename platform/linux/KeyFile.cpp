#include "platform/linux/KeyFile.h"

#include <fstream>

#include "common/Trim.h"

namespace tarvix::platform {
namespace {

// The key file escapes of string values: \s \n \t \r \\.
std::string Unescape(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    switch (const char next = value[++i]) {
      case 's': out += ' '; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      case '\\': out += '\\'; break;
      default:
        out += '\\';
        out += next;
        break;
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> ReadKeyFileValue(const std::filesystem::path& file,
                                            std::string_view group, std::string_view key) {
  std::ifstream in(file);
  bool inGroup = false;
  for (std::string raw; std::getline(in, raw);) {
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      inGroup = line == "[" + std::string(group) + "]";
      continue;
    }
    const auto equals = line.find('=');
    if (inGroup && equals != std::string_view::npos && Trim(line.substr(0, equals)) == key) {
      return Unescape(Trim(line.substr(equals + 1)));
    }
  }
  return std::nullopt;
}

}  // namespace tarvix::platform
