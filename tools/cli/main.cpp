#include <iostream>
#include <string>

#include "protocol/PosixSocketApi.h"
#include "protocol/Protocol.h"
#include "tools/cli/CommandLine.h"

int main(int argc, char** argv) {
  using namespace tarvix::cli;
  // Help, the version and usage errors are answered before any socket exists.
  const Request request = ReadCommandLine(CliArgs(argv + 1, argv + argc), std::cout, std::cerr);
  if (!request.command) return request.status;
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
  const int status = request.command->Run(context);
  protocol.network.StopNetwork();
  return status;
}
