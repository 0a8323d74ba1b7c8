#include "settings/BrowserCommandLine.h"

namespace tarvix::settings {

std::string RegistryText(std::string_view value) {
  if (value.size() >= kRegistryTextSize) return {};
  return std::string(value);
}

std::string ReadBrowserName(const platform::BrowserService& browsers) {
  return RegistryText(browsers.DefaultBrowserName());
}

std::string ReadBrowserCommand(const platform::BrowserService& browsers, const std::string& name) {
  if (name.empty()) return {};
  return RegistryText(browsers.BrowserCommand(name));
}

std::string WebAddress(std::string_view address, bool secure) {
  return std::string(secure ? "https://" : "http://") + std::string(address);
}

std::string ShellOpenerCommand(std::string_view address, bool secure) {
  return std::string(kShellOpener) + " " + WebAddress(address, secure);
}

std::string BrowserCommandLine(const platform::BrowserService& browsers, std::string_view address,
                               bool secure) {
  const std::string name = ReadBrowserName(browsers);
  if (name.find("IE") != std::string::npos) return ShellOpenerCommand(address, secure);
  return ReadBrowserCommand(browsers, name) + " " + WebAddress(address, secure);
}

bool IsSecureFlagSet(std::string_view ssl) { return ssl.find('1') != std::string_view::npos; }

}  // namespace tarvix::settings
