#pragma once

namespace tarvix::app {

// One drive letter as the window last saw it. A letter counts as mapped only when
// both `server` and `share` are non-empty.
struct MappedDriveEntry {
  char server[256]{};
  char share[256]{};
  char drive[8]{};  // "Z:"

  bool IsMapped() const { return server[0] != '\0' && share[0] != '\0'; }
};

}  // namespace tarvix::app
