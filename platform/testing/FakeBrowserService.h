#pragma once

#include <map>

#include "platform/BrowserService.h"

namespace tarvix::platform::testing {

// A registry of browsers that tests fill.
class FakeBrowserService final : public BrowserService {
 public:
  void SetDefault(std::string name) { default_ = std::move(name); }
  void SetCommand(const std::string& name, std::string command) { commands_[name] = std::move(command); }

  std::string DefaultBrowserName() const override { return default_; }
  std::string BrowserCommand(const std::string& browserName) const override;

 private:
  std::string default_;
  std::map<std::string, std::string> commands_;
};

}  // namespace tarvix::platform::testing
