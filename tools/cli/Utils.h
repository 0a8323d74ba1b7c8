#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "settings/LanForm.h"
#include "tools/cli/Command.h"

namespace tarvix::cli {

// Reads a line from the terminal with echo off; none without a terminal.
std::optional<std::string> AskHidden(const char* prompt);

// Searches, then selects the device listed at `address`. Prints a clear error and
// returns false when it is not listed.
bool SelectListedDevice(CliContext& context, const std::string& address);

// Strict dotted-quad text as four octets; none for anything else.
std::optional<settings::Octets> ToOctets(std::string_view text);
// Like ToOctets, but empty or 0.0.0.0 is none: a blank gateway control.
std::optional<settings::Octets> GatewayOctets(std::string_view text);

}  // namespace tarvix::cli
