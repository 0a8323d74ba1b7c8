#include "platform/linux/PosixProcessLauncher.h"

#include <cctype>
#include <cerrno>
#include <filesystem>

#include "platform/linux/Spawn.h"
#include "platform/linux/CommandLine.h"

namespace tarvix::platform {
namespace {

// A missing program is "file not found" unless the folder named before it is
// missing too, which is "path not found".
unsigned MissingProgram(const std::string& program) {
  if (program.find('/') == std::string::npos) return launch_result::kFileNotFound;
  std::error_code error;
  const auto folder = std::filesystem::path(program).parent_path();
  if (folder.empty() || std::filesystem::is_directory(folder, error)) return launch_result::kFileNotFound;
  return launch_result::kPathNotFound;
}

unsigned LaunchResultOf(int error, const std::string& program) {
  switch (error) {
    case 0: return launch_result::kStarted;
    case ENOENT: return MissingProgram(program);
    case ENOTDIR: return launch_result::kPathNotFound;
    case EACCES:
    case ENOEXEC:
    case EISDIR: return launch_result::kBadFormat;
    default: return launch_result::kOutOfResources;
  }
}

// "scheme:..." with a scheme of two or more characters is an address, not a file.
bool LooksLikeUrl(const std::string& target) {
  const auto colon = target.find(':');
  if (colon == std::string::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(target[0]))) {
    return false;
  }
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = target[i];
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

// xdg-open's exit codes: 0 done, 2 file missing, others a failure of the opener.
unsigned OpenResultOf(int exitCode) {
  if (exitCode == 0) return open_result::kOpened;
  if (exitCode == 2) return open_result::kFileNotFound;
  return open_result::kNoAssociation;
}

}  // namespace

unsigned PosixProcessLauncher::WinExec(const std::string& commandLine, int /*showState*/) {
  const auto words = CommandLine::Split(commandLine);
  if (words.empty()) return launch_result::kFileNotFound;
  pid_t pid = 0;
  const int error = SpawnProgram(words, pid);
  if (error == 0) reaper_.Adopt(pid);
  return LaunchResultOf(error, words.front());
}

unsigned PosixProcessLauncher::ShellOpen(const std::string& target) {
  std::error_code error;
  if (target.empty() || (!LooksLikeUrl(target) && !std::filesystem::exists(target, error))) {
    return open_result::kFileNotFound;
  }
  pid_t pid = 0;
  if (SpawnProgram({opener_, target}, pid) != 0) return open_result::kNoAssociation;
  return OpenResultOf(WaitForExit(pid));
}

}  // namespace tarvix::platform
