#include "platform/windows/WindowsVersionName.h"

namespace tarvix::platform::windows {
namespace {

std::string Windows95Name(unsigned build) {
  if (build == 950) return "Windows 95";
  if (build > 950 && build <= 1080) return "Windows 95 SP1";
  if (build > 1080) return "Windows 95 OSR2";
  return kUnknownWindowsVersion;
}

std::string Windows98Name(unsigned build) {
  if (build == 1998) return "Windows 98";
  if (build > 1998 && build < 2183) return "Windows 98 SP1";
  if (build >= 2183) return "Windows 98 SE";
  return kUnknownWindowsVersion;
}

std::string Win9xName(const WindowsVersion& v) {
  if (v.major != 4) return kUnknownWindowsVersion;
  if (v.minor < 10) return Windows95Name(v.build & 0xFFFFu);
  if (v.minor == 10) return Windows98Name(v.build & 0xFFFFu);
  if (v.minor == 90) return "Windows ME";
  return kUnknownWindowsVersion;
}

// Every 6.x system is called "Vista": the drive mapping looks for that word.
std::string NtName(const WindowsVersion& v) {
  if (v.major == 3 && v.minor == 51) return "Windows NT 3.51";
  if (v.major == 4 && v.minor == 0) return "Windows NT 4";
  if (v.major == 5 && v.minor == 0) return "Windows 2000";
  if (v.major == 5 && v.minor == 1) return "Windows XP";
  if (v.major == 6) return "Vista";
  return kUnknownWindowsVersion;
}

}  // namespace

std::string WindowsVersionName(const std::optional<WindowsVersion>& record) {
  if (!record) return kUnknownWindowsVersion;
  switch (record->platform) {
    case WindowsVersion::Platform::Win9x: return Win9xName(*record);
    case WindowsVersion::Platform::NT: return NtName(*record);
    case WindowsVersion::Platform::CE: return "Windows CE";
  }
  return kUnknownWindowsVersion;
}

}  // namespace tarvix::platform::windows
