#include "platform/linux/DesktopEntry.h"

#include <vector>

#include "platform/linux/CommandLine.h"
#include "platform/linux/KeyFile.h"

namespace tarvix::platform {
namespace {

// "a-b-c.desktop" may live at a-b-c.desktop, a/b-c.desktop, a/b/c.desktop, ...
std::vector<std::filesystem::path> Candidates(std::string_view desktopId) {
  std::vector<std::filesystem::path> candidates{std::filesystem::path(desktopId)};
  std::string id(desktopId);
  for (auto dash = id.find('-'); dash != std::string::npos; dash = id.find('-', dash + 1)) {
    id[dash] = '/';
    candidates.emplace_back(id);
  }
  return candidates;
}

bool IsFieldCode(char c) {
  static constexpr std::string_view kCodes = "fFuUdDnNickvm";
  return kCodes.find(c) != std::string_view::npos;
}

// The word with its field codes removed; none when nothing but codes was there.
std::optional<std::string> StripWord(const std::string& word) {
  std::string out;
  bool hadCode = false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] != '%' || i + 1 == word.size()) {
      out += word[i];
    } else if (word[++i] == '%') {
      out += '%';
    } else {
      hadCode = hadCode || IsFieldCode(word[i]);
    }
  }
  if (out.empty() && hadCode) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::filesystem::path> DesktopEntry::Find(const DesktopEnvironment& env,
                                                        std::string_view desktopId) {
  if (desktopId.empty() || desktopId.find("..") != std::string_view::npos) return std::nullopt;
  for (const auto& folder : env.DataSearchPath()) {
    for (const auto& candidate : Candidates(desktopId)) {
      const auto file = folder / "applications" / candidate;
      std::error_code error;
      if (std::filesystem::is_regular_file(file, error)) return file;
    }
  }
  return std::nullopt;
}

std::optional<std::string> DesktopEntry::ReadExec(const std::filesystem::path& file) {
  return ReadKeyFileValue(file, "Desktop Entry", "Exec");
}

std::string DesktopEntry::StripFieldCodes(std::string_view exec) {
  std::vector<std::string> words;
  for (const auto& word : CommandLine::Split(exec)) {
    if (auto stripped = StripWord(word)) words.push_back(std::move(*stripped));
  }
  return CommandLine::Join(words);
}

}  // namespace tarvix::platform
