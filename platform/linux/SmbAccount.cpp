#include "platform/linux/SmbAccount.h"

namespace tarvix::platform {

SmbAccount SmbAccount::Split(std::string_view account) {
  const auto separator = account.find('\\');
  if (separator == std::string_view::npos) return {{}, std::string(account)};
  return {std::string(account.substr(0, separator)), std::string(account.substr(separator + 1))};
}

}  // namespace tarvix::platform
