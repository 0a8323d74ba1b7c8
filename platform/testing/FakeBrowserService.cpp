#include "platform/testing/FakeBrowserService.h"

namespace tarvix::platform::testing {

std::string FakeBrowserService::BrowserCommand(const std::string& browserName) const {
  const auto found = commands_.find(browserName);
  return found == commands_.end() ? std::string{} : found->second;
}

}  // namespace tarvix::platform::testing
