#pragma once
#include <string>
#include <string_view>

#include "platform/BrowserService.h"

namespace tarvix::settings {

// The program that opens an address with the desktop's default handler; the
// "explorer" of the classic command lines.
#ifdef _WIN32
inline constexpr const char* kShellOpener = "explorer";
#else
inline constexpr const char* kShellOpener = "xdg-open";
#endif

// Registered texts are read into a 120-byte buffer: a longer one reads as empty,
// which makes the start fail and the shell opener take over.
inline constexpr std::size_t kRegistryTextSize = 120;
std::string RegistryText(std::string_view value);

// The browser's registered name and command, as ReadRegistryText would give them.
std::string ReadBrowserName(const platform::BrowserService& browsers);
std::string ReadBrowserCommand(const platform::BrowserService& browsers, const std::string& name);

// "http://ADDRESS", or "https://ADDRESS" for a device whose secure flag is set.
std::string WebAddress(std::string_view address, bool secure);

// The shell opener's form: "<opener> http[s]://ADDRESS".
std::string ShellOpenerCommand(std::string_view address, bool secure);

// The command line that starts the default browser with the device's pages.
// A name containing "IE" means the system's own browser, reached through the
// shell opener; any other name's registered command is used as it is.
std::string BrowserCommandLine(const platform::BrowserService& browsers, std::string_view address,
                               bool secure);

// The secure flag counts as set when it contains a '1' anywhere.
bool IsSecureFlagSet(std::string_view ssl);

}  // namespace tarvix::settings
