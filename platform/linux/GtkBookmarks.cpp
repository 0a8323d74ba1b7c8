#include "platform/linux/GtkBookmarks.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvix::platform {
namespace {

char Upper(char letter) {
  return (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A') : letter;
}

// "smb://..." before the first blank, the label after it.
std::pair<std::string_view, std::string_view> SplitLine(std::string_view line) {
  const auto blank = line.find(' ');
  if (blank == std::string_view::npos) return {line, {}};
  return {line.substr(0, blank), line.substr(blank + 1)};
}

bool WriteAll(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const auto written = ::write(fd, data.data() + done, data.size() - done);
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string data;
  for (const auto& line : lines) data += line + "\n";
  return data;
}

}  // namespace

std::filesystem::path GtkBookmarks::DefaultPath(const std::filesystem::path& configHome) {
  return configHome / "gtk-3.0" / "bookmarks";
}

bool GtkBookmarks::Load(const std::filesystem::path& file) {
  lines_.clear();
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return !error;
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  for (std::string line; std::getline(in, line);) lines_.push_back(line);
  return !in.bad();
}

bool GtkBookmarks::Save(const std::filesystem::path& file) const {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  std::string temp = (file.parent_path() / (file.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  ::fchmod(fd, 0644);
  const bool written = WriteAll(fd, Joined(lines_)) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (written && closed && std::rename(temp.c_str(), file.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

std::optional<UncPath> GtkBookmarks::ShareOf(char letter) const {
  for (const auto& line : lines_) {
    if (LetterOf(line) == Upper(letter)) return UncPath::FromSmbUrl(SplitLine(line).first);
  }
  return std::nullopt;
}

void GtkBookmarks::Add(char letter, const UncPath& share) {
  lines_.push_back(FormatLine(Upper(letter), share));
}

bool GtkBookmarks::Remove(char letter) {
  const auto removed = std::erase_if(
      lines_, [&](const std::string& line) { return LetterOf(line) == Upper(letter); });
  return removed > 0;
}

std::string GtkBookmarks::FormatLine(char letter, const UncPath& share) {
  std::string line = share.ToSmbUrl() + " ";
  line += Upper(letter);
  line += ": " + share.share + " on " + share.server;
  return line;
}

std::optional<char> GtkBookmarks::LetterOf(const std::string& line) {
  const auto [uri, label] = SplitLine(line);
  if (!UncPath::FromSmbUrl(uri)) return std::nullopt;
  if (label.size() < 2 || label[0] < 'A' || label[0] > 'Z' || label[1] != ':') return std::nullopt;
  if (label.size() > 2 && label[2] != ' ') return std::nullopt;
  return label[0];
}

}  // namespace tarvix::platform
