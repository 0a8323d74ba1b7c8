#include "tests/support/LabGuard.h"

#include <sys/stat.h>

#include <cstdlib>

namespace tarvix::lab {
namespace {

ino_t NamespaceInode(const char* path) {
  struct stat st {};
  return stat(path, &st) == 0 ? st.st_ino : 0;
}

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

}  // namespace

bool InsideLab(std::string* why) {
  if (Env("TARVIX_LAB").empty() || Env("TARVIX_LAB_SCRIPT").empty()) {
    *why = "not started through lab/lab.sh run";
    return false;
  }
  // The lab's host namespace is bound at /run/netns/NAME-host; being in exactly that
  // namespace proves no datagram of ours can reach the machine's own network.
  std::string hostNamespace = "/run/netns/" + Env("TARVIX_LAB") + "-host";
  ino_t lab = NamespaceInode(hostNamespace.c_str());
  ino_t here = NamespaceInode("/proc/self/ns/net");
  if (lab == 0 || here == 0 || lab != here) {
    *why = "this process is not in the lab's host network namespace";
    return false;
  }
  return true;
}

}  // namespace tarvix::lab
