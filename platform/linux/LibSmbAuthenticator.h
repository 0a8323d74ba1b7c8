#pragma once

#include <cstdint>

#include "platform/SmbAuthenticator.h"

namespace tarvix::platform {

// Authenticates by listing the share's root with libsmbclient, in a fresh
// client context per attempt so no earlier session is reused.
class LibSmbAuthenticator final : public SmbAuthenticator {
 public:
  struct Options {
    std::uint16_t port = 0;  // 0: the library's default ports
    int timeoutMs = 10000;   // connection time-out
  };

  LibSmbAuthenticator() = default;
  explicit LibSmbAuthenticator(Options options) : options_(options) {}

  SmbAuthResult Authenticate(const UncPath& share, const SmbCredentials& credentials) override;

 private:
  Options options_;
};

}  // namespace tarvix::platform
