#pragma once

#include "platform/SystemInfo.h"

namespace tarvix::platform {

// UTF-8 is the system code page, so conversions only cut; the address parser
// is the C library's inet_addr.
class LinuxSystemInfo final : public SystemInfo {
 public:
  std::optional<WindowsVersion> WindowsVersionRecord() const override;
  std::string LoggedOnUserName() const override;
  std::string Utf8ToAnsi(std::string_view utf8, std::size_t width) const override;
  std::uint32_t ParseDottedAddress(std::string_view text) const override;

  // Longest prefix of at most maxBytes that does not split a character.
  static std::string_view CutUtf8(std::string_view utf8, std::size_t maxBytes);
};

}  // namespace tarvix::platform
