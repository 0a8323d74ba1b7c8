#pragma once

#include <string>

#include "platform/SystemInfo.h"
#include "platform/linux/LinuxSystemInfo.h"

namespace tarvix::testing {

// A system with a chosen version name ("Linux" unless set; "Windows NT 4",
// "Vista" and so on play the old Windows paths) and logged-on user; text and
// address conversions behave as on Linux.
class FakeSystemInfo final : public platform::SystemInfo {
 public:
  void SetVersionName(std::string name) { versionName_ = std::move(name); }
  void SetUserName(std::string name) { userName_ = std::move(name); }

  std::string VersionName() const override { return versionName_; }
  std::string LoggedOnUserName() const override { return userName_; }
  std::string ToSystemText(std::string_view utf8, std::size_t width) const override;
  std::uint32_t ParseDottedAddress(std::string_view text) const override;

 private:
  std::string versionName_ = "Linux";
  std::string userName_ = "winuser";
  platform::LinuxSystemInfo conversions_;
};

}  // namespace tarvix::testing
