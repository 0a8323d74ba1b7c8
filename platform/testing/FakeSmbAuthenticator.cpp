#include "platform/testing/FakeSmbAuthenticator.h"

namespace tarvix::platform::testing {

void FakeSmbAuthenticator::Accept(const std::string& account, std::optional<std::string> password) {
  accepted_.push_back({SmbAccount::Split(account), std::move(password)});
}

SmbAuthResult FakeSmbAuthenticator::Authenticate(const UncPath& share, const SmbCredentials& credentials) {
  attempts_.push_back({share, credentials});
  for (const auto& accepted : accepted_) {
    if (accepted.account == credentials.account && accepted.password == credentials.password) {
      return SmbAuthResult::Accepted;
    }
  }
  return otherwise_;
}

}  // namespace tarvix::platform::testing
