#include "settings/DriveAccount.h"

namespace tarvix::settings {

std::optional<std::string> DomainAccount(std::string_view domain, std::string_view user) {
  std::string account = std::string(domain) + "\\" + std::string(user);
  if (account.size() >= kAccountBufferSize) return std::nullopt;
  return account;
}

std::string ShareRemoteName(std::string_view address, std::string_view volume) {
  return "\\\\" + std::string(address) + "\\" + std::string(volume);
}

std::string DriveNameOf(std::string_view item) { return std::string(item.substr(0, 2)); }

bool IsDriveItemInUse(std::string_view item) { return item.size() > 4; }

}  // namespace tarvix::settings
