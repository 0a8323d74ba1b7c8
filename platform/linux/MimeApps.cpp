#include "platform/linux/MimeApps.h"

#include "platform/linux/KeyFile.h"

namespace tarvix::platform {
namespace {

// Desktop-specific lists come before the general one in each folder.
std::vector<std::filesystem::path> ListsIn(const std::filesystem::path& folder,
                                           const std::vector<std::string>& desktops) {
  std::vector<std::filesystem::path> files;
  for (const auto& desktop : desktops) files.push_back(folder / (desktop + "-mimeapps.list"));
  files.push_back(folder / "mimeapps.list");
  return files;
}

std::vector<std::filesystem::path> SearchOrder(const DesktopEnvironment& env) {
  std::vector<std::filesystem::path> files;
  auto add = [&](const std::filesystem::path& folder) {
    const auto lists = ListsIn(folder, env.currentDesktops);
    files.insert(files.end(), lists.begin(), lists.end());
  };
  for (const auto& folder : env.ConfigSearchPath()) add(folder);
  for (const auto& folder : env.DataSearchPath()) add(folder / "applications");
  return files;
}

}  // namespace

std::optional<std::string> MimeApps::DefaultFor(const DesktopEnvironment& env,
                                                std::string_view mimeType) {
  for (const auto& file : SearchOrder(env)) {
    if (auto id = DefaultInFile(file, mimeType)) return id;
  }
  return std::nullopt;
}

std::optional<std::string> MimeApps::DefaultInFile(const std::filesystem::path& file,
                                                   std::string_view mimeType) {
  const auto value = ReadKeyFileValue(file, "Default Applications", mimeType);
  if (!value) return std::nullopt;
  const std::string first = value->substr(0, value->find(';'));
  if (first.empty()) return std::nullopt;
  return first;
}

}  // namespace tarvix::platform
