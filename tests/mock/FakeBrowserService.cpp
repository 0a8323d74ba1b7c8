#include "tests/mock/FakeBrowserService.h"

namespace tarvix::testing {

std::string FakeBrowserService::BrowserCommand(const std::string& browserName) const {
  const auto found = commands_.find(browserName);
  return found == commands_.end() ? std::string{} : found->second;
}

}  // namespace tarvix::testing
