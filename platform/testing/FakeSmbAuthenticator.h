#pragma once

#include <vector>

#include "platform/SmbAuthenticator.h"

namespace tarvix::platform::testing {

// Accepts the credentials it was given (for any share), refuses others, and
// records every attempt.
class FakeSmbAuthenticator final : public SmbAuthenticator {
 public:
  struct Attempt {
    UncPath share;
    SmbCredentials credentials;
  };

  void Accept(const std::string& account, std::optional<std::string> password);
  // Result for credentials that were not accepted (default Refused).
  void SetOtherwise(SmbAuthResult result) { otherwise_ = result; }
  const std::vector<Attempt>& Attempts() const { return attempts_; }

  SmbAuthResult Authenticate(const UncPath& share, const SmbCredentials& credentials) override;

 private:
  std::vector<SmbCredentials> accepted_;
  SmbAuthResult otherwise_ = SmbAuthResult::Refused;
  std::vector<Attempt> attempts_;
};

}  // namespace tarvix::platform::testing
