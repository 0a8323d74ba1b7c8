// Test-only requester for lab tests: sends one datagram to the protocol group
// from inside a lab namespace and prints, in hex, the first reply that echoes
// the request's ClientId (bytes 1-6) and has the expected type. The wait is
// only an upper bound for a reply that never comes.
//
//   devsim_probe --interface ADDR --send HEX --expect-type T [--wait-ms MS]
//
// Exit 0 when such a reply came within the wait, 1 when none did,
// 2 on bad use, 3 when not inside the lab.
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "tools/devsim/GroupSocket.h"
#include "tools/devsim/NamespaceGuard.h"
#include "tools/devsim/Wire.h"

namespace {

using namespace tarvix::devsim;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kEchoedBytes = 7;  // type byte and ClientId bytes 1-6

bool Echoes(const Bytes& request, const Bytes& reply, int type) {
  return reply.size() >= kEchoedBytes && request.size() >= kEchoedBytes && reply[0] == type &&
         std::equal(request.begin() + 1, request.begin() + kEchoedBytes, reply.begin() + 1);
}

bool AwaitReply(GroupSocket& socket, const Bytes& request, int type, int waitMs) {
  const auto end = Clock::now() + std::chrono::milliseconds(waitMs);
  for (auto now = Clock::now(); now < end; now = Clock::now()) {
    pollfd watch{socket.receiveFd(), POLLIN, 0};
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now);
    if (poll(&watch, 1, static_cast<int>(left.count()) + 1) <= 0) continue;
    while (const auto reply = socket.Receive()) {
      if (!Echoes(request, reply->bytes, type)) continue;
      std::printf("%s\n", ToHex(reply->bytes).c_str());
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> args;
  for (int i = 1; i + 1 < argc; i += 2) args[argv[i]] = argv[i + 1];
  const auto address = ParseIpv4(args["--interface"]);
  const auto request = FromHex(args["--send"]);
  const int type = std::atoi(args["--expect-type"].c_str());
  const int waitMs = args.count("--wait-ms") ? std::atoi(args["--wait-ms"].c_str()) : 2000;
  if (!address || !request || request->empty() || type <= 0) {
    std::fprintf(
        stderr, "usage: devsim_probe --interface ADDR --send HEX --expect-type T [--wait-ms MS]\n");
    return 2;
  }
  std::string error;
  if (!InLabNamespace(error)) {
    std::fprintf(stderr, "devsim_probe: refusing to send: %s\n", error.c_str());
    return 3;
  }
  GroupSocket socket;
  if (!socket.Open(*address, error) || !socket.Send(*request)) {
    std::fprintf(stderr, "devsim_probe: %s\n", error.empty() ? "send failed" : error.c_str());
    return 1;
  }
  return AwaitReply(socket, *request, type, waitMs) ? 0 : 1;
}
