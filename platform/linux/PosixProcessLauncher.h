#pragma once

#include <string>

#include "platform/ProcessLauncher.h"
#include "platform/linux/ChildReaper.h"

namespace tarvix::platform {

// Starts programs with posix_spawnp (no shell). The show state has no
// equivalent for X11/Wayland programs and is ignored. Documents are opened
// with xdg-open, whose exit status decides the result.
class PosixProcessLauncher final : public ProcessLauncher {
 public:
  explicit PosixProcessLauncher(std::string opener = "xdg-open") : opener_(std::move(opener)) {}

  LaunchOutcome StartCommandLine(const std::string& commandLine, ShowState show) override;
  OpenOutcome OpenDocument(const std::string& target) override;

  ChildReaper& Reaper() { return reaper_; }

 private:
  std::string opener_;
  ChildReaper reaper_;
};

}  // namespace tarvix::platform
