#pragma once

#include <vector>

#include "platform/SmbAuthenticator.h"

namespace tarvix::testing {

// Accepts the credentials it was given (for any share), refuses others, and
// records every attempt.
class FakeSmbAuthenticator final : public platform::SmbAuthenticator {
 public:
  struct Attempt {
    platform::UncPath share;
    platform::SmbCredentials credentials;
  };

  void Accept(const std::string& account, std::optional<std::string> password);
  // Result for credentials that were not accepted (default Refused).
  void SetOtherwise(platform::SmbAuthResult result) { otherwise_ = result; }
  const std::vector<Attempt>& Attempts() const { return attempts_; }

  platform::SmbAuthResult Authenticate(const platform::UncPath& share,
                                       const platform::SmbCredentials& credentials) override;

 private:
  std::vector<platform::SmbCredentials> accepted_;
  platform::SmbAuthResult otherwise_ = platform::SmbAuthResult::Refused;
  std::vector<Attempt> attempts_;
};

}  // namespace tarvix::testing
