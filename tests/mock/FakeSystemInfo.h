#pragma once

#include <optional>
#include <string>

#include "platform/linux/LinuxSystemInfo.h"
#include "platform/SystemInfo.h"

namespace tarvix::testing {

// A system with a chosen version record and logged-on user; text and address
// conversions behave as on Linux.
class FakeSystemInfo final : public platform::SystemInfo {
 public:
  void SetWindowsVersion(std::optional<platform::WindowsVersion> version) { version_ = version; }
  void SetUserName(std::string name) { userName_ = std::move(name); }

  std::optional<platform::WindowsVersion> WindowsVersionRecord() const override { return version_; }
  std::string LoggedOnUserName() const override { return userName_; }
  std::string Utf8ToAnsi(std::string_view utf8, std::size_t width) const override;
  std::uint32_t ParseDottedAddress(std::string_view text) const override;

 private:
  std::optional<platform::WindowsVersion> version_;
  std::string userName_ = "winuser";
  platform::LinuxSystemInfo conversions_;
};

}  // namespace tarvix::testing
