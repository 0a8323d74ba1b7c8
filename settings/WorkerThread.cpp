#include "settings/WorkerThread.h"

namespace tarvix::settings {

void WorkerThread::Start(std::function<void()> job) {
  Finish();
  thread_ = std::thread(std::move(job));
}

void WorkerThread::Finish() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace tarvix::settings
