#include "platform/linux/EffectiveUser.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace tarvix::platform {

std::string EffectiveUserName() {
  const uid_t uid = ::geteuid();
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
    return found->pw_name;
  }
  return std::to_string(uid);
}

}  // namespace tarvix::platform
