#pragma once
#include "addons/AddonLauncher.h"
#include "platform/ProcessLauncher.h"

namespace tarvix::addons {

// The add-on launcher on the platform's process launcher.
class ProcessLauncherAdapter final : public AddonLauncher {
 public:
  explicit ProcessLauncherAdapter(platform::ProcessLauncher& launcher) : launcher_(launcher) {}
  bool RunHidden(const std::string& commandLine) override;
  bool OpenDocument(const std::string& path) override;

 private:
  platform::ProcessLauncher& launcher_;
};

}  // namespace tarvix::addons
