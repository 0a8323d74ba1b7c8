#pragma once

#include <sys/types.h>
#include <memory>

namespace tarvix::platform {

// Collects the exit status of started programs in the background so they do
// not linger as zombies, without making the starter wait for them.
class ChildReaper {
 public:
  ChildReaper();
  void Adopt(pid_t pid);
  // Blocks until every adopted child has ended (tests and orderly shut-down).
  void WaitForAll();

 private:
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace tarvix::platform
