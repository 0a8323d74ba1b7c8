#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace tarvix::platform {

// Whether a host accepts connections on a port, waiting a bounded time.
class ReachabilityChecker {
 public:
  virtual ~ReachabilityChecker() = default;
  virtual bool CanConnect(const std::string& address, std::uint16_t port,
                          std::chrono::milliseconds timeout) = 0;
};

}  // namespace tarvix::platform
