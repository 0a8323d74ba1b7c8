#pragma once
#include <optional>
#include <string>

#include "platform/SystemInfo.h"

namespace tarvix::settings {

// Name given when the system keeps no Windows version record. It contains none of
// "NT", "Vista", "98" and "ME", so the login dialog and the drive mapping take
// the paths of a current system that needs no special treatment.
inline constexpr const char* kNoVersionRecordName = "Linux";
inline constexpr const char* kUnknownWindowsVersion = "unknown Windows version";

// The version table for one record; none gives kNoVersionRecordName.
std::string WindowsVersionName(const std::optional<platform::WindowsVersion>& record);

// The name of the running system, from its version record.
std::string GetWindowsVersionName(const platform::SystemInfo& system);

}  // namespace tarvix::settings
