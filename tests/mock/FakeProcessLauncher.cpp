#include "tests/mock/FakeProcessLauncher.h"

namespace tarvix::testing {
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

std::vector<std::string> FakeProcessLauncher::CommandLines() const {
  std::vector<std::string> lines;
  for (const Exec& exec : execs_) lines.push_back(exec.commandLine);
  return lines;
}

std::vector<int> FakeProcessLauncher::ShowStates() const {
  std::vector<int> states;
  for (const Exec& exec : execs_) states.push_back(exec.showState);
  return states;
}

unsigned FakeProcessLauncher::WinExec(const std::string& commandLine, int showState) {
  execs_.push_back({commandLine, showState});
  return Next(execResults_, platform::launch_result::kStarted);
}

unsigned FakeProcessLauncher::ShellOpen(const std::string& target) {
  opens_.push_back(target);
  return Next(openResults_, platform::open_result::kOpened);
}

}  // namespace tarvix::testing
