#include "platform/linux/XdgBrowserService.h"

#include <utility>

#include "platform/linux/CommandOutput.h"
#include "platform/linux/DesktopEntry.h"
#include "platform/linux/MimeApps.h"

namespace tarvix::platform {
namespace {

std::string FirstLine(const std::string& text) {
  std::string line = text.substr(0, text.find('\n'));
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return line;
}

}  // namespace

XdgBrowserService::XdgBrowserService(DesktopEnvironment env)
    : XdgBrowserService(std::move(env), XdgSettingsQuery()) {}

XdgBrowserService::XdgBrowserService(DesktopEnvironment env, DefaultQuery query)
    : env_(std::move(env)), query_(std::move(query)) {}

std::string XdgBrowserService::DefaultBrowserName() const {
  if (query_) {
    if (auto name = query_(); !name.empty()) return name;
  }
  return MimeApps::DefaultFor(env_, "x-scheme-handler/http").value_or("");
}

std::string XdgBrowserService::BrowserCommand(const std::string& browserName) const {
  const auto file = DesktopEntry::Find(env_, browserName);
  if (!file) return {};
  const auto exec = DesktopEntry::ReadExec(*file);
  return exec ? DesktopEntry::StripFieldCodes(*exec) : std::string{};
}

XdgBrowserService::DefaultQuery XdgBrowserService::XdgSettingsQuery(std::string program) {
  return [program = std::move(program)] {
    const auto output = RunForOutput({program, "get", "default-web-browser"});
    return output ? FirstLine(*output) : std::string{};
  };
}

}  // namespace tarvix::platform
