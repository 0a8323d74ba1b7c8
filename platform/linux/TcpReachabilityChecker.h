#pragma once

#include "platform/ReachabilityChecker.h"

namespace tarvix::platform {

// An IPv4 TCP connection attempt (non-blocking connect, then a poll bounded
// by the time-out), closed at once when it succeeds.
class TcpReachabilityChecker final : public ReachabilityChecker {
 public:
  bool CanConnect(const std::string& address, std::uint16_t port,
                  std::chrono::milliseconds timeout) override;
};

}  // namespace tarvix::platform
