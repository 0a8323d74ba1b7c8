#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/UncPath.h"

namespace tarvix::platform {

// The file manager bookmarks file (one "URI [label]" per line). A drive
// letter is a bookmark of an smb:// share whose label starts with "L:".
// Lines that are not ours are kept byte for byte.
class GtkBookmarks {
 public:
  // Default location: $XDG_CONFIG_HOME/gtk-3.0/bookmarks.
  static std::filesystem::path DefaultPath(const std::filesystem::path& configHome);

  // A missing file reads as empty; false when it exists but cannot be read.
  bool Load(const std::filesystem::path& file);
  // Writes a temporary file beside the target and renames it over.
  bool Save(const std::filesystem::path& file) const;

  std::optional<UncPath> ShareOf(char letter) const;
  void Add(char letter, const UncPath& share);
  // Returns true when at least one bookmark of the letter was removed.
  bool Remove(char letter);

  const std::vector<std::string>& Lines() const { return lines_; }

  static std::string FormatLine(char letter, const UncPath& share);
  // The letter of one line, when it is a drive bookmark of ours.
  static std::optional<char> LetterOf(const std::string& line);

 private:
  std::vector<std::string> lines_;
};

}  // namespace tarvix::platform
