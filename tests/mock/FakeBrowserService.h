#pragma once

#include <map>
#include <string>

#include "platform/BrowserService.h"

namespace tarvix::testing {

// A registry of browsers that tests fill: a default name and commands by name.
class FakeBrowserService final : public platform::BrowserService {
 public:
  void SetDefault(std::string name) { default_ = std::move(name); }
  void SetCommand(const std::string& name, std::string command) {
    commands_[name] = std::move(command);
  }

  std::string DefaultBrowserName() const override { return default_; }
  std::string BrowserCommand(const std::string& browserName) const override;

 private:
  std::string default_;
  std::map<std::string, std::string> commands_;
};

}  // namespace tarvix::testing
