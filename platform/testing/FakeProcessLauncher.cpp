#include "platform/testing/FakeProcessLauncher.h"

namespace tarvix::platform::testing {
namespace {

unsigned Next(std::deque<unsigned>& queue, unsigned otherwise) {
  if (queue.empty()) return otherwise;
  const unsigned result = queue.front();
  queue.pop_front();
  return result;
}

}  // namespace

void FakeProcessLauncher::QueueExecResults(std::vector<unsigned> results) {
  execResults_.insert(execResults_.end(), results.begin(), results.end());
}

void FakeProcessLauncher::QueueOpenResults(std::vector<unsigned> results) {
  openResults_.insert(openResults_.end(), results.begin(), results.end());
}

unsigned FakeProcessLauncher::WinExec(const std::string& commandLine, int showState) {
  execs_.push_back({commandLine, showState});
  return Next(execResults_, launch_result::kStarted);
}

unsigned FakeProcessLauncher::ShellOpen(const std::string& target) {
  opens_.push_back(target);
  return Next(openResults_, open_result::kOpened);
}

}  // namespace tarvix::platform::testing
