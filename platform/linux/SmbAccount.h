#pragma once

#include <string>
#include <string_view>

namespace tarvix::platform {

// An account text "DOMAIN\user" split for SMB authentication.
struct SmbAccount {
  std::string workgroup;  // empty when the account names no domain
  std::string user;       // empty for a guest connection

  static SmbAccount Split(std::string_view account);
  bool operator==(const SmbAccount&) const = default;
};

}  // namespace tarvix::platform
