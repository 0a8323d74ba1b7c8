#pragma once

#include <spawn.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace tarvix::platform {

// posix_spawnp of argv (argv[0] searched in PATH) with this process's
// environment; returns 0 or the error number.
int SpawnProgram(const std::vector<std::string>& argv, pid_t& pid,
                 const posix_spawn_file_actions_t* actions = nullptr);

// Exit code of a child after waiting for it; -1 when it did not exit normally.
int WaitForExit(pid_t pid);

}  // namespace tarvix::platform
