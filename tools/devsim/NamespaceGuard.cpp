#include "tools/devsim/NamespaceGuard.h"

#include <dirent.h>
#include <sys/stat.h>

namespace tarvix::devsim {

namespace {

constexpr const char* kNamedNamespaces = "/run/netns";

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool IsNamedNamespace(const struct stat& self) {
  DIR* dir = opendir(kNamedNamespaces);
  if (dir == nullptr) return false;
  bool found = false;
  while (const dirent* entry = readdir(dir)) {
    const std::string path = std::string(kNamedNamespaces) + "/" + entry->d_name;
    struct stat named {};
    if (entry->d_name[0] != '.' && stat(path.c_str(), &named) == 0 && SameFile(named, self)) {
      found = true;
      break;
    }
  }
  closedir(dir);
  return found;
}

}  // namespace

bool InLabNamespace(std::string& reason) {
  struct stat self {};
  if (stat("/proc/self/ns/net", &self) != 0) {
    reason = "cannot identify this process's network namespace";
    return false;
  }
  struct stat machine {};
  if (stat("/proc/1/ns/net", &machine) == 0 && SameFile(self, machine)) {
    reason = "running in the machine's own network namespace";
    return false;
  }
  if (!IsNamedNamespace(self)) {
    reason = "not inside a network namespace of the lab (see lab/lab.sh)";
    return false;
  }
  return true;
}

}  // namespace tarvix::devsim
