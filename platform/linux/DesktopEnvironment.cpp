#include "platform/linux/DesktopEnvironment.h"

#include <cstdlib>
#include <utility>

namespace tarvix::platform {
namespace {

std::vector<std::string> SplitList(const std::string& text, char separator) {
  std::vector<std::string> items;
  std::string item;
  for (char c : text + separator) {
    if (c != separator) {
      item += c;
    } else if (!item.empty()) {
      items.push_back(std::exchange(item, {}));
    }
  }
  return items;
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// A set, non-empty value; relative paths are dropped by the callers below.
std::optional<std::string> Usable(const DesktopEnvironment::Lookup& lookup, const char* name) {
  auto value = lookup(name);
  if (!value || value->empty()) return std::nullopt;
  return value;
}

std::vector<std::filesystem::path> Paths(const std::optional<std::string>& list,
                                         const char* fallback) {
  std::vector<std::filesystem::path> paths;
  for (const auto& item : SplitList(list.value_or(fallback), ':')) {
    if (std::filesystem::path(item).is_absolute()) paths.emplace_back(item);
  }
  return paths;
}

std::filesystem::path HomeOr(const std::optional<std::string>& value,
                             const std::filesystem::path& home, const char* below) {
  if (value && std::filesystem::path(*value).is_absolute()) return *value;
  return home / below;
}

}  // namespace

DesktopEnvironment DesktopEnvironment::FromEnvironment(const Lookup& lookup) {
  const std::filesystem::path home = Usable(lookup, "HOME").value_or("/");
  DesktopEnvironment env;
  env.configHome = HomeOr(Usable(lookup, "XDG_CONFIG_HOME"), home, ".config");
  env.dataHome = HomeOr(Usable(lookup, "XDG_DATA_HOME"), home, ".local/share");
  env.configDirs = Paths(Usable(lookup, "XDG_CONFIG_DIRS"), "/etc/xdg");
  env.dataDirs = Paths(Usable(lookup, "XDG_DATA_DIRS"), "/usr/local/share:/usr/share");
  env.currentDesktops = SplitList(Lower(Usable(lookup, "XDG_CURRENT_DESKTOP").value_or("")), ':');
  return env;
}

DesktopEnvironment DesktopEnvironment::FromProcess() {
  return FromEnvironment([](const char* name) -> std::optional<std::string> {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  });
}

std::vector<std::filesystem::path> DesktopEnvironment::ConfigSearchPath() const {
  std::vector<std::filesystem::path> paths{configHome};
  paths.insert(paths.end(), configDirs.begin(), configDirs.end());
  return paths;
}

std::vector<std::filesystem::path> DesktopEnvironment::DataSearchPath() const {
  std::vector<std::filesystem::path> paths{dataHome};
  paths.insert(paths.end(), dataDirs.begin(), dataDirs.end());
  return paths;
}

}  // namespace tarvix::platform
