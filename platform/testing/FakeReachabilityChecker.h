#pragma once

#include <set>
#include <utility>
#include <vector>

#include "platform/ReachabilityChecker.h"

namespace tarvix::platform::testing {

// Hosts are reachable on the ports tests open; records every check.
class FakeReachabilityChecker final : public ReachabilityChecker {
 public:
  struct Check {
    std::string address;
    std::uint16_t port = 0;
    std::chrono::milliseconds timeout{};
  };

  void Open(const std::string& address, std::uint16_t port) { open_.emplace(address, port); }
  void Close(const std::string& address, std::uint16_t port) { open_.erase({address, port}); }
  const std::vector<Check>& Checks() const { return checks_; }

  bool CanConnect(const std::string& address, std::uint16_t port,
                  std::chrono::milliseconds timeout) override;

 private:
  std::set<std::pair<std::string, std::uint16_t>> open_;
  std::vector<Check> checks_;
};

}  // namespace tarvix::platform::testing
