#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvix::platform {

// One value of a freedesktop key file ("[Group]" headers, "Key=Value" lines);
// none when the file, the group or the key is missing.
std::optional<std::string> ReadKeyFileValue(const std::filesystem::path& file,
                                            std::string_view group, std::string_view key);

}  // namespace tarvix::platform
