#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvix::platform {

// The Windows version record; systems other than Windows have none.
struct WindowsVersion {
  enum class Platform { Win9x, NT, CE };
  Platform platform = Platform::NT;
  unsigned major = 0;
  unsigned minor = 0;
  unsigned build = 0;  // low 16 bits
  bool operator==(const WindowsVersion&) const = default;
};

// The dotted-address parser's error value (also the value of 255.255.255.255).
inline constexpr std::uint32_t kAddressNone = 0xFFFFFFFFu;

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  virtual std::optional<WindowsVersion> WindowsVersionRecord() const = 0;
  virtual std::string LoggedOnUserName() const = 0;
  // Text in the system's ANSI code page, at most width - 1 bytes (the rest of
  // a buffer of `width` bytes is its terminator).
  virtual std::string Utf8ToAnsi(std::string_view utf8, std::size_t width) const = 0;
  // Address in host order (first octet in the high byte); kAddressNone for
  // text the parser rejects.
  virtual std::uint32_t ParseDottedAddress(std::string_view text) const = 0;
};

}  // namespace tarvix::platform
