#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/linux/DesktopEnvironment.h"

namespace tarvix::platform {

// Default applications from mimeapps.list files.
class MimeApps {
 public:
  // The first desktop id listed for `mimeType` under [Default Applications]
  // in the mimeapps.list files, searched in their documented order.
  static std::optional<std::string> DefaultFor(const DesktopEnvironment& env,
                                               std::string_view mimeType);
  // The same lookup in one file.
  static std::optional<std::string> DefaultInFile(const std::filesystem::path& file,
                                                  std::string_view mimeType);
};

}  // namespace tarvix::platform
