#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvix::platform {

// The freedesktop base directories, read once so tests can supply their own.
struct DesktopEnvironment {
  std::filesystem::path configHome;               // $XDG_CONFIG_HOME
  std::vector<std::filesystem::path> configDirs;  // $XDG_CONFIG_DIRS
  std::filesystem::path dataHome;                 // $XDG_DATA_HOME
  std::vector<std::filesystem::path> dataDirs;    // $XDG_DATA_DIRS
  std::vector<std::string> currentDesktops;       // $XDG_CURRENT_DESKTOP, lower case

  using Lookup = std::function<std::optional<std::string>(const char* name)>;
  // Applies the freedesktop base directory defaults to what
  // `lookup` finds (by default the process environment).
  static DesktopEnvironment FromEnvironment(const Lookup& lookup);
  static DesktopEnvironment FromProcess();

  // Config home first, then the config dirs.
  std::vector<std::filesystem::path> ConfigSearchPath() const;
  // Data home first, then the data dirs.
  std::vector<std::filesystem::path> DataSearchPath() const;
};

}  // namespace tarvix::platform
