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
  struct Exec {
    std::string commandLine;
    int showState = 0;
  };

  void QueueExecResults(std::vector<unsigned> results);
  void QueueOpenResults(std::vector<unsigned> results);
  const std::vector<Exec>& Execs() const { return execs_; }
  // The command lines alone, in the order they were started.
  std::vector<std::string> CommandLines() const;
  std::vector<int> ShowStates() const;
  const std::vector<std::string>& Opens() const { return opens_; }

  unsigned WinExec(const std::string& commandLine, int showState) override;
  unsigned ShellOpen(const std::string& target) override;

 private:
  std::deque<unsigned> execResults_;
  std::deque<unsigned> openResults_;
  std::vector<Exec> execs_;
  std::vector<std::string> opens_;
};

}  // namespace tarvix::testing
