#pragma once

#include <filesystem>
#include <string>

namespace tarvix::testsupport {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes `text` to a file below the folder, creating its parent folders.
  std::filesystem::path Write(const std::filesystem::path& relative, const std::string& text) const;
  // The same, made executable (for scripts that stand in for programs).
  std::filesystem::path WriteExecutable(const std::filesystem::path& relative,
                                        const std::string& text) const;
  std::string Read(const std::filesystem::path& relative) const;

 private:
  std::filesystem::path path_;
};

}  // namespace tarvix::testsupport
