#include "platform/linux/PosixProcessLauncher.h"

#include <cctype>
#include <cerrno>
#include <filesystem>

#include "platform/linux/CommandLine.h"
#include "platform/linux/Spawn.h"

namespace tarvix::platform {
namespace {

// A missing program is "program not found" unless the folder named before it
// is missing too, which is "path not found".
LaunchOutcome MissingProgram(const std::string& program) {
  if (program.find('/') == std::string::npos) return LaunchOutcome::ProgramNotFound;
  std::error_code error;
  const auto folder = std::filesystem::path(program).parent_path();
  if (folder.empty() || std::filesystem::is_directory(folder, error)) {
    return LaunchOutcome::ProgramNotFound;
  }
  return LaunchOutcome::PathNotFound;
}

LaunchOutcome LaunchOutcomeOf(int error, const std::string& program) {
  switch (error) {
    case 0: return LaunchOutcome::Started;
    case ENOENT: return MissingProgram(program);
    case ENOTDIR: return LaunchOutcome::PathNotFound;
    case EACCES:
    case ENOEXEC:
    case EISDIR: return LaunchOutcome::NotExecutable;
    default: return LaunchOutcome::Failed;
  }
}

// "scheme:..." with a scheme of two or more characters is an address, not a file.
bool LooksLikeUrl(const std::string& target) {
  const auto colon = target.find(':');
  if (colon == std::string::npos || colon < 2 ||
      !std::isalpha(static_cast<unsigned char>(target[0]))) {
    return false;
  }
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = target[i];
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
      return false;
  }
  return true;
}

// xdg-open's exit codes: 0 done, 2 file missing, others a failure of the opener.
OpenOutcome OpenOutcomeOf(int exitCode) {
  if (exitCode == 0) return OpenOutcome::Opened;
  if (exitCode == 2) return OpenOutcome::NotFound;
  return OpenOutcome::Failed;
}

}  // namespace

LaunchOutcome PosixProcessLauncher::StartCommandLine(const std::string& commandLine,
                                                     ShowState /*show*/) {
  const auto words = CommandLine::Split(commandLine);
  if (words.empty()) return LaunchOutcome::ProgramNotFound;
  pid_t pid = 0;
  const int error = SpawnProgram(words, pid);
  if (error == 0) reaper_.Adopt(pid);
  return LaunchOutcomeOf(error, words.front());
}

OpenOutcome PosixProcessLauncher::OpenDocument(const std::string& target) {
  std::error_code error;
  if (target.empty() || (!LooksLikeUrl(target) && !std::filesystem::exists(target, error))) {
    return OpenOutcome::NotFound;
  }
  pid_t pid = 0;
  if (SpawnProgram({opener_, target}, pid) != 0) return OpenOutcome::Failed;
  return OpenOutcomeOf(WaitForExit(pid));
}

}  // namespace tarvix::platform
