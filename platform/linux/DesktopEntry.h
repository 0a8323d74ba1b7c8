#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/linux/DesktopEnvironment.h"

namespace tarvix::platform {

// Desktop entry files (*.desktop): finding one by its id and reading its
// command.
class DesktopEntry {
 public:
  // The file of a desktop file id in the applications/ folders of the data
  // search path; a '-' in the id may stand for a subfolder.
  static std::optional<std::filesystem::path> Find(const DesktopEnvironment& env,
                                                   std::string_view desktopId);
  // The Exec key of the [Desktop Entry] group; none when missing.
  static std::optional<std::string> ReadExec(const std::filesystem::path& file);
  // The command with its field codes (%u, %F, %i, ...) removed, "%%" kept as
  // '%', re-quoted so that the command line splitter gives the same words.
  static std::string StripFieldCodes(std::string_view exec);
};

}  // namespace tarvix::platform
