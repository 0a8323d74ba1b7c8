#include "tests/platform/support/TempDir.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tarvix::testsupport {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarvix-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::Write(const std::filesystem::path& relative,
                                     const std::string& text) const {
  const auto file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
  return file;
}

std::filesystem::path TempDir::WriteExecutable(const std::filesystem::path& relative,
                                               const std::string& text) const {
  const auto file = Write(relative, text);
  std::filesystem::permissions(
      file, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                std::filesystem::perms::others_exec);
  return file;
}

std::string TempDir::Read(const std::filesystem::path& relative) const {
  std::ifstream in(path_ / relative, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace tarvix::testsupport
