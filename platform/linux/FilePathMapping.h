#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "platform/linux/UncPath.h"

namespace tarvix::platform {

// Where one of the program's path names lives on Linux: the local drive "C:\"
// is a folder of the user's own (the local root), and a network path
// "\\HOST\SHARE\..." is the share's smb:// address.
using MappedPath = std::variant<std::filesystem::path, UncPath>;

// The local root of a user: $XDG_DATA_HOME/tarvix-storage-utility.
std::filesystem::path DefaultLocalRoot();

// Maps `path`: "C:\a\b" (drive letter in either case, as drive letters are on
// Windows) to root/a/b, "\\HOST\SHARE\a\b" to that network path. Either slash
// separates. None for anything else: other drives, relative names, and
// paths that climb out of their root with "..".
std::optional<MappedPath> MapPath(const std::string& path, const std::filesystem::path& localRoot);

}  // namespace tarvix::platform
