#pragma once
#include <stop_token>

namespace tarvix::addons {

// The pauses of a worker thread. A stop request cuts a pause short, so the
// thread that owns the worker never waits long to join it.
class WorkerClock {
 public:
  virtual ~WorkerClock() = default;
  // False when the pause ended early because a stop was requested.
  virtual bool Pause(int milliseconds, std::stop_token stop) = 0;
};

// The real passing of time.
class SteadyWorkerClock final : public WorkerClock {
 public:
  bool Pause(int milliseconds, std::stop_token stop) override;
};

}  // namespace tarvix::addons
