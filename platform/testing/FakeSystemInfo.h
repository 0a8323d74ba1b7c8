#pragma once

#include "platform/linux/LinuxSystemInfo.h"
#include "platform/SystemInfo.h"

namespace tarvix::platform::testing {

// A system with a chosen version record and user; text and address
// conversions behave as on Linux.
class FakeSystemInfo final : public SystemInfo {
 public:
  void SetWindowsVersion(std::optional<WindowsVersion> version) { version_ = version; }
  void SetUserName(std::string name) { userName_ = std::move(name); }

  std::optional<WindowsVersion> WindowsVersionRecord() const override { return version_; }
  std::string LoggedOnUserName() const override { return userName_; }
  std::string Utf8ToAnsi(std::string_view utf8, std::size_t width) const override;
  std::uint32_t ParseDottedAddress(std::string_view text) const override;

 private:
  std::optional<WindowsVersion> version_;
  std::string userName_ = "user";
  LinuxSystemInfo conversions_;
};

}  // namespace tarvix::platform::testing
