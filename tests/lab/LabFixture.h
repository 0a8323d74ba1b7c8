#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/LabGuard.h"

namespace tarvix::lab {

// Runs a command line through the shell; returns its exit status and, when asked,
// its standard output.
int RunCommand(const std::string& command, std::string* output = nullptr);

std::string ReadWholeFile(const std::string& path);

// Starts and stops simulated devices in the lab's device namespaces.
class LabFixture : public ::testing::Test {
 protected:
  void TearDown() override;

  // Writes `config` to a file and starts a simulator for it on link K. Its request
  // log and state file are at LogPath(K) and StatePath(K).
  void StartSim(int link, const std::string& config);
  std::string LogPath(int link) const;
  std::string StatePath(int link) const;
  std::string BuildDir() const;

 private:
  std::string WorkDir() const;
  bool started_ = false;
};

// gtest main for lab binaries: outside the lab it reports SKIPPED and exits 77.
int LabMain(int argc, char** argv);

}  // namespace tarvix::lab
