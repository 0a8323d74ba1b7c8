#include "platform/linux/LinuxSystemInfo.h"

#include <arpa/inet.h>

#include "common/CutUtf8.h"
#include "platform/linux/EffectiveUser.h"

namespace tarvix::platform {
namespace {}  // namespace

std::string LinuxSystemInfo::VersionName() const { return "Linux"; }

std::string LinuxSystemInfo::LoggedOnUserName() const { return EffectiveUserName(); }

std::string LinuxSystemInfo::ToSystemText(std::string_view utf8, std::size_t width) const {
  if (width == 0) return {};
  return std::string(CutUtf8(utf8, width - 1));
}

std::uint32_t LinuxSystemInfo::ParseDottedAddress(std::string_view text) const {
  // inet_addr takes a C string; text with an embedded NUL is cut there, as it
  // would be in the fixed-width fields it comes from.
  const std::string terminated(text.substr(0, text.find('\0')));
  return ntohl(::inet_addr(terminated.c_str()));
}

}  // namespace tarvix::platform
