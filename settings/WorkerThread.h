#pragma once
#include <functional>
#include <thread>

namespace tarvix::settings {

// Runs one short job at a time away from the window thread.
class WorkerStarter {
 public:
  virtual ~WorkerStarter() = default;
  // Blocks until the job started last has ended.
  virtual void Finish() = 0;
  virtual void Start(std::function<void()> job) = 0;
};

// A real thread per job. The previous job is joined before the next starts and
// when the starter goes, so no job outlives what it works on; jobs have bounded
// waits, so the joins are short.
class WorkerThread final : public WorkerStarter {
 public:
  WorkerThread() = default;
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;
  ~WorkerThread() override { Finish(); }

  void Finish() override;
  void Start(std::function<void()> job) override;

 private:
  std::thread thread_;
};

}  // namespace tarvix::settings
