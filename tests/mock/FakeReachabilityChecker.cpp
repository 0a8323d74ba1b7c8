#include "tests/mock/FakeReachabilityChecker.h"

namespace tarvix::testing {

std::vector<std::string> FakeReachabilityChecker::Probes() const {
  std::vector<std::string> probes;
  for (const Check& check : checks_) {
    probes.push_back(check.address + ":" + std::to_string(check.port));
  }
  return probes;
}

bool FakeReachabilityChecker::CanConnect(const std::string& address, std::uint16_t port,
                                         std::chrono::milliseconds timeout) {
  checks_.push_back({address, port, timeout});
  return open_.count({address, port}) > 0;
}

}  // namespace tarvix::testing
