#include "platform/linux/CommandOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "platform/linux/Spawn.h"

namespace tarvix::platform {
namespace {

std::string ReadToEnd(int fd) {
  std::string output;
  std::array<char, 4096> buffer{};
  for (;;) {
    const auto count = ::read(fd, buffer.data(), buffer.size());
    if (count > 0) {
      output.append(buffer.data(), static_cast<std::size_t>(count));
    } else if (count == 0 || errno != EINTR) {
      return output;
    }
  }
}

}  // namespace

std::optional<std::string> RunForOutput(const std::vector<std::string>& argv) {
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  pid_t pid = 0;
  const int error = SpawnProgram(argv, pid, &actions);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  std::optional<std::string> output;
  if (error == 0) output = ReadToEnd(pipeFds[0]);
  ::close(pipeFds[0]);
  if (error != 0 || WaitForExit(pid) != 0) return std::nullopt;
  return output;
}

}  // namespace tarvix::platform
