#include "platform/linux/FilePathMapping.h"

#include <algorithm>
#include <vector>

#include "platform/linux/DesktopEnvironment.h"

namespace tarvix::platform {
namespace {

std::vector<std::string> Segments(std::string_view text) {
  std::vector<std::string> segments;
  std::string current;
  for (char c : text) {
    if (c == '\\' || c == '/') {
      if (!current.empty()) segments.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) segments.push_back(std::move(current));
  return segments;
}

bool Climbs(const std::vector<std::string>& segments) {
  return std::any_of(segments.begin(), segments.end(),
                     [](const std::string& s) { return s == ".." || s == "."; });
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::optional<MappedPath> MapNetworkPath(std::string_view path) {
  const std::vector<std::string> segments = Segments(path);
  if (segments.size() < 2 || Climbs(segments)) return std::nullopt;
  UncPath unc{segments[0], segments[1], {}};
  for (size_t i = 2; i < segments.size(); ++i) {
    if (!unc.rest.empty()) unc.rest += '\\';
    unc.rest += segments[i];
  }
  return unc;
}

std::optional<MappedPath> MapLocalPath(std::string_view path,
                                       const std::filesystem::path& localRoot) {
  const std::vector<std::string> segments = Segments(path.substr(2));
  if (Climbs(segments)) return std::nullopt;
  std::filesystem::path mapped = localRoot;
  for (const std::string& segment : segments) mapped /= segment;
  return mapped;
}

}  // namespace

std::filesystem::path DefaultLocalRoot() {
  return DesktopEnvironment::FromProcess().dataHome / "tarvix-storage-utility";
}

std::optional<MappedPath> MapPath(const std::string& path, const std::filesystem::path& localRoot) {
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return MapNetworkPath(path);
  const bool driveC = path.size() >= 3 && (path[0] == 'C' || path[0] == 'c') && path[1] == ':' &&
                      IsSeparator(path[2]);
  if (driveC) return MapLocalPath(path, localRoot);
  return std::nullopt;
}

}  // namespace tarvix::platform
