#include "platform/testing/FakeReachabilityChecker.h"

namespace tarvix::platform::testing {

bool FakeReachabilityChecker::CanConnect(const std::string& address, std::uint16_t port,
                                         std::chrono::milliseconds timeout) {
  checks_.push_back({address, port, timeout});
  return open_.count({address, port}) > 0;
}

}  // namespace tarvix::platform::testing
