#include "tests/mock/FakeSmbAuthenticator.h"

namespace tarvix::testing {

using platform::SmbAuthResult;

void FakeSmbAuthenticator::Accept(const std::string& account, std::optional<std::string> password) {
  accepted_.push_back({platform::SmbAccount::Split(account), std::move(password)});
}

SmbAuthResult FakeSmbAuthenticator::Authenticate(const platform::UncPath& share,
                                                 const platform::SmbCredentials& credentials) {
  attempts_.push_back({share, credentials});
  for (const auto& accepted : accepted_) {
    if (accepted.account == credentials.account && accepted.password == credentials.password) {
      return SmbAuthResult::Accepted;
    }
  }
  return otherwise_;
}

}  // namespace tarvix::testing
