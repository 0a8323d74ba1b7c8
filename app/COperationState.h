#pragma once
#include <functional>
#include <vector>

namespace tarvix::app {

// Whether the window is inside a protocol operation. While it is, the pointer shows
// a busy cursor, handlers that the user starts are refused, and actions that must
// not cut into an operation (a close request) wait for its end.
class COperationState {
 public:
  bool IsBusy() const { return depth_ > 0; }
  void Enter();
  void Leave();
  // Runs `action` now when idle, else once the outermost operation has ended.
  void WhenIdle(std::function<void()> action);

 private:
  int depth_ = 0;
  std::vector<std::function<void()>> deferred_;
};

}  // namespace tarvix::app
