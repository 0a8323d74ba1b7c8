#pragma once

#include <optional>
#include <string>

#include "platform/linux/SmbAccount.h"
#include "platform/linux/UncPath.h"

namespace tarvix::platform {

enum class SmbAuthResult { Accepted, Refused, NoSuchShare, Unreachable, Failed };

struct SmbCredentials {
  SmbAccount account;
  std::optional<std::string> password;  // absent: the user's current credentials
};

// Proves credentials against a share: the one step of a drive connection that
// needs the server.
class SmbAuthenticator {
 public:
  virtual ~SmbAuthenticator() = default;
  virtual SmbAuthResult Authenticate(const UncPath& share, const SmbCredentials& credentials) = 0;
};

}  // namespace tarvix::platform
