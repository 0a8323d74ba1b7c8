#include <iostream>
#include <string>

#include "tools/cli/Command.h"
#include "protocol/PosixSocketApi.h"
#include "protocol/Protocol.h"

int main(int argc, char** argv) {
  using namespace tarvix::cli;
  if (argc < 2) {
    std::cerr << UsageText();
    return kUsageError;
  }
  Command* command = FindCommand(argv[1]);
  if (!command) {
    std::cerr << "tarvix: unknown command '" << argv[1] << "'\n" << UsageText();
    return kUsageError;
  }
  tarvix::PosixSocketApi sockets;
  tarvix::SystemClock clock;
  tarvix::Protocol protocol(sockets, clock);
  // Trace lines of the queries would mix with the tool's own output.
  protocol.commands.SetTraceSink(nullptr);
  if (!protocol.network.StartNetwork()) {
    std::cerr << "tarvix: the network could not be started\n";
    return kFailure;
  }
  CliContext context{protocol, std::cout, std::cerr};
  const int status = command->Run(context, CliArgs(argv + 2, argv + argc));
  protocol.network.StopNetwork();
  return status;
}
