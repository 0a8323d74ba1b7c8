#pragma once

#include "platform/SystemInfo.h"

namespace tarvix::platform {

// The version name is "Linux", which holds none of the words that send the
// login and drive mapping flows down an old Windows path. UTF-8 is the system's
// own encoding, so text is only cut; the address parser is the C library's inet_addr.
class LinuxSystemInfo final : public SystemInfo {
 public:
  std::string VersionName() const override;
  std::string LoggedOnUserName() const override;
  std::string ToSystemText(std::string_view utf8, std::size_t width) const override;
  std::uint32_t ParseDottedAddress(std::string_view text) const override;
};

}  // namespace tarvix::platform
