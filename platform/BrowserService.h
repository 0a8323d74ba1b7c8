#pragma once

#include <string>

namespace tarvix::platform {

// Where the user's default web browser is registered.
class BrowserService {
 public:
  virtual ~BrowserService() = default;
  // The registered name of the default browser; empty when there is none.
  virtual std::string DefaultBrowserName() const = 0;
  // The command line that starts the named browser, to be followed by an
  // address; empty when unknown.
  virtual std::string BrowserCommand(const std::string& browserName) const = 0;
};

}  // namespace tarvix::platform
