#pragma once
#include <optional>
#include <string>

namespace tarvix::platform::windows {

// The Windows version record (the fields of GetVersionEx that name a version).
struct WindowsVersion {
  enum class Platform { Win9x, NT, CE };
  Platform platform = Platform::NT;
  unsigned major = 0;
  unsigned minor = 0;
  unsigned build = 0;  // low 16 bits
  bool operator==(const WindowsVersion&) const = default;
};

inline constexpr const char* kUnknownWindowsVersion = "unknown Windows version";

// The name a Windows backend gives its system: the version table for a record;
// none (the version query failed) and every combination the table does not
// know is kUnknownWindowsVersion. The callers only search the name for "NT",
// "Vista", "98" and "ME", so the exact names matter: "Windows 2000" and
// "Windows XP" contain neither "NT" nor "Vista", and every 6.x system is "Vista".
std::string WindowsVersionName(const std::optional<WindowsVersion>& record);

}  // namespace tarvix::platform::windows
