#include <iostream>
#include <string>
#include <vector>

#include "protocol/PosixSocketApi.h"
#include "protocol/Protocol.h"
#include "tools/cli/Verbs.h"

namespace {

const char kUsage[] =
    "usage: tarvix discover [--json]\n"
    "       tarvix info ADDRESS [--json]\n"
    "       tarvix set-static ADDRESS NEW_ADDRESS NETMASK [GATEWAY] [--port LAN2]\n"
    "       tarvix set-dhcp ADDRESS [--port LAN2]\n";

using Verb = int (*)(CliContext&, const CliArgs&);

Verb FindVerb(const std::string& name) {
  if (name == "discover") return RunDiscover;
  if (name == "info") return RunInfo;
  if (name == "set-static") return RunSetStatic;
  if (name == "set-dhcp") return RunSetDhcp;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << kUsage;
    return 2;
  }
  Verb verb = FindVerb(argv[1]);
  if (!verb) {
    std::cerr << "tarvix: unknown command '" << argv[1] << "'\n" << kUsage;
    return 2;
  }
  tarvix::PosixSocketApi sockets;
  tarvix::SystemClock clock;
  tarvix::Protocol protocol(sockets, clock);
  // Trace lines of the queries would mix with the tool's own output.
  protocol.commands.SetTraceSink(nullptr);
  if (!protocol.network.StartNetwork()) {
    std::cerr << "tarvix: the network could not be started\n";
    return 1;
  }
  CliContext context{protocol, std::cout, std::cerr};
  int status = verb(context, CliArgs(argv + 2, argv + argc));
  protocol.network.StopNetwork();
  return status;
}
