#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/ReachabilityChecker.h"

namespace tarvix::testing {

// Hosts are reachable on the ports tests open, nowhere else; records every check.
class FakeReachabilityChecker final : public platform::ReachabilityChecker {
 public:
  struct Check {
    std::string address;
    std::uint16_t port = 0;
    std::chrono::milliseconds timeout{};
  };

  void Open(const std::string& address, std::uint16_t port) { open_.emplace(address, port); }
  void Close(const std::string& address, std::uint16_t port) { open_.erase({address, port}); }
  const std::vector<Check>& Checks() const { return checks_; }
  // Each check as "address:port", in order.
  std::vector<std::string> Probes() const;

  bool CanConnect(const std::string& address, std::uint16_t port,
                  std::chrono::milliseconds timeout) override;

 private:
  std::set<std::pair<std::string, std::uint16_t>> open_;
  std::vector<Check> checks_;
};

}  // namespace tarvix::testing
