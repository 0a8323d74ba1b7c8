#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvix::platform {

// The dotted-address parser's error value (also the value of 255.255.255.255).
inline constexpr std::uint32_t kAddressNone = 0xFFFFFFFFu;

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // The name of the running system: "Linux", or on Windows the name of its
  // version ("Windows 98", "Windows XP", "Vista", ...). The login and drive
  // mapping flows pick their paths by the words "NT", "Vista", "98" and "ME" in it.
  virtual std::string VersionName() const = 0;
  virtual std::string LoggedOnUserName() const = 0;
  // UTF-8 text as the system's own encoding shows it, at most width - 1 bytes
  // (the rest of a buffer of `width` bytes is its terminator), cut on a
  // character boundary.
  virtual std::string ToSystemText(std::string_view utf8, std::size_t width) const = 0;
  // Address in host order (first octet in the high byte); kAddressNone for
  // text the parser rejects.
  virtual std::uint32_t ParseDottedAddress(std::string_view text) const = 0;
};

}  // namespace tarvix::platform
