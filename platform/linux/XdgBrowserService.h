#pragma once

#include <functional>
#include <string>

#include "platform/BrowserService.h"
#include "platform/linux/DesktopEnvironment.h"

namespace tarvix::platform {

// The browser is named by its desktop file id. xdg-settings is asked first,
// then mimeapps.list's handler of http URLs; the command is the Exec line of
// the desktop file without its field codes.
class XdgBrowserService final : public BrowserService {
 public:
  // Returns the desktop id that the desktop tools report, or empty.
  using DefaultQuery = std::function<std::string()>;

  // Asks xdg-settings first.
  explicit XdgBrowserService(DesktopEnvironment env);
  XdgBrowserService(DesktopEnvironment env, DefaultQuery query);

  std::string DefaultBrowserName() const override;
  std::string BrowserCommand(const std::string& browserName) const override;

  // Runs `<program> get default-web-browser` and returns its first line.
  static DefaultQuery XdgSettingsQuery(std::string program = "xdg-settings");

 private:
  DesktopEnvironment env_;
  DefaultQuery query_;
};

}  // namespace tarvix::platform
