// tarvix-flood: a bounded flood of foreign datagrams on one lab link, for the tests
// and benchmarks that check that the program's searches and queries hold up under it.
#include <time.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/devsim/FloodMix.h"
#include "tools/devsim/GroupSocket.h"
#include "tools/devsim/NamespaceGuard.h"
#include "tools/devsim/StopSignal.h"

namespace {

using namespace tarvix::devsim;

constexpr int kExitUsage = 2;
constexpr int kExitRefused = 3;
constexpr int kExitSetup = 4;
constexpr long kTickNanoseconds = 1000000;  // sends are paced in steps of 1 ms

double Seconds(const timespec& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

timespec After(const timespec& start, long ticks) {
  long long ns =
      static_cast<long long>(start.tv_nsec) + static_cast<long long>(ticks) * kTickNanoseconds;
  timespec t{start.tv_sec + static_cast<time_t>(ns / 1000000000),
             static_cast<long>(ns % 1000000000)};
  return t;
}

// Sends on an absolute schedule: by the end of tick k, rate x (k + 1) / 1000
// datagrams; a sender that fell behind catches up, never past the count.
long Flood(GroupSocket& socket, const FloodPlan& plan, long& failed) {
  const std::vector<Bytes> mix = FloodMix(plan.interfaceAddress);
  timespec start{};
  clock_gettime(CLOCK_MONOTONIC, &start);
  const long ticks = static_cast<long>(plan.seconds * 1000);
  long sent = 0;
  for (long tick = 0; tick < ticks && sent < plan.count && stopRequested == 0; ++tick) {
    long due = static_cast<long>(static_cast<long long>(plan.rate) * (tick + 1) / 1000);
    if (due > plan.count) due = plan.count;
    for (; sent < due; ++sent)
      if (!socket.Send(mix[static_cast<std::size_t>(sent) % mix.size()])) ++failed;
    const timespec next = After(start, tick + 1);
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
  }
  return sent;
}

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = ParseFloodPlan(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.error == "help") {
    std::fputs(FloodUsageText(), stdout);
    return 0;
  }
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "tarvix-flood: %s\n%s", parsed.error.c_str(), FloodUsageText());
    return kExitUsage;
  }
  std::string reason;
  if (!InLabNamespace(reason)) {
    std::fprintf(stderr, "tarvix-flood: refusing to start: %s\n", reason.c_str());
    return kExitRefused;
  }
  GroupSocket socket;
  std::string error;
  if (!socket.Open(parsed.plan.interfaceAddress, error)) {
    std::fprintf(stderr, "tarvix-flood: %s\n", error.c_str());
    return kExitSetup;
  }
  InstallStopHandler();  // SIGTERM or SIGINT end the flood early; it still reports
  std::printf("flooding %s at %ld a second\n", FormatIpv4(parsed.plan.interfaceAddress).c_str(),
              parsed.plan.rate);
  std::fflush(stdout);
  timespec begin{}, end{};
  clock_gettime(CLOCK_MONOTONIC, &begin);
  long failed = 0;
  const long sent = Flood(socket, parsed.plan, failed);
  clock_gettime(CLOCK_MONOTONIC, &end);
  const double elapsed = Seconds(end) - Seconds(begin);
  std::printf("sent %ld datagrams in %.3f s (%.0f a second), %ld sends failed\n", sent, elapsed,
              elapsed > 0 ? static_cast<double>(sent) / elapsed : 0.0, failed);
  return 0;
}
