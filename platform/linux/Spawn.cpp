#include "platform/linux/Spawn.h"

#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace tarvix::platform {

int SpawnProgram(const std::vector<std::string>& argv, pid_t& pid,
                 const posix_spawn_file_actions_t* actions) {
  if (argv.empty()) return ENOENT;
  std::vector<char*> pointers;
  for (const auto& word : argv) pointers.push_back(const_cast<char*>(word.c_str()));
  pointers.push_back(nullptr);
  return ::posix_spawnp(&pid, pointers[0], actions, nullptr, pointers.data(), environ);
}

int WaitForExit(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tarvix::platform
