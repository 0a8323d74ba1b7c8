#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/ProcessLauncher.h"

namespace tarvix::testing {

// Starts nothing: records the command lines and documents, and answers with
// queued results (started / opened once the queue is empty).
class FakeProcessLauncher final : public platform::ProcessLauncher {
 public:
  struct Start {
    std::string commandLine;
    platform::ShowState show = platform::ShowState::Normal;
  };

  void QueueStartResults(std::vector<platform::LaunchOutcome> results);
  void QueueOpenResults(std::vector<platform::OpenOutcome> results);
  const std::vector<Start>& Starts() const { return starts_; }
  // The command lines alone, and their show states, in the order they were started.
  std::vector<std::string> CommandLines() const;
  std::vector<platform::ShowState> ShowStates() const;
  const std::vector<std::string>& Opens() const { return opens_; }

  platform::LaunchOutcome StartCommandLine(const std::string& commandLine,
                                           platform::ShowState show) override;
  platform::OpenOutcome OpenDocument(const std::string& target) override;

 private:
  std::deque<platform::LaunchOutcome> startResults_;
  std::deque<platform::OpenOutcome> openResults_;
  std::vector<Start> starts_;
  std::vector<std::string> opens_;
};

}  // namespace tarvix::testing
