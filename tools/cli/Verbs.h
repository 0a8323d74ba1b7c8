#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace tarvix {
struct Protocol;
}

// What every verb of the command-line tool works with; the network is started.
struct CliContext {
  tarvix::Protocol& protocol;
  std::ostream& out;
  std::ostream& err;
};

using CliArgs = std::vector<std::string>;

int RunDiscover(CliContext& context, const CliArgs& args);
int RunInfo(CliContext& context, const CliArgs& args);
int RunSetStatic(CliContext& context, const CliArgs& args);
int RunSetDhcp(CliContext& context, const CliArgs& args);

// Shared by the verbs: search, then select the device listed at `address`.
// Prints a clear error and returns false when it is not listed.
bool SelectListedDevice(CliContext& context, const std::string& address);
