#include "tests/mock/FakeProcessLauncher.h"

namespace tarvix::testing {
namespace {

template <typename Result>
Result Next(std::deque<Result>& queue, Result otherwise) {
  if (queue.empty()) return otherwise;
  const Result result = queue.front();
  queue.pop_front();
  return result;
}

}  // namespace

void FakeProcessLauncher::QueueStartResults(std::vector<platform::LaunchOutcome> results) {
  startResults_.insert(startResults_.end(), results.begin(), results.end());
}

void FakeProcessLauncher::QueueOpenResults(std::vector<platform::OpenOutcome> results) {
  openResults_.insert(openResults_.end(), results.begin(), results.end());
}

std::vector<std::string> FakeProcessLauncher::CommandLines() const {
  std::vector<std::string> lines;
  for (const Start& start : starts_) lines.push_back(start.commandLine);
  return lines;
}

std::vector<platform::ShowState> FakeProcessLauncher::ShowStates() const {
  std::vector<platform::ShowState> states;
  for (const Start& start : starts_) states.push_back(start.show);
  return states;
}

platform::LaunchOutcome FakeProcessLauncher::StartCommandLine(const std::string& commandLine,
                                                              platform::ShowState show) {
  starts_.push_back({commandLine, show});
  return Next(startResults_, platform::LaunchOutcome::Started);
}

platform::OpenOutcome FakeProcessLauncher::OpenDocument(const std::string& target) {
  opens_.push_back(target);
  return Next(openResults_, platform::OpenOutcome::Opened);
}

}  // namespace tarvix::testing
