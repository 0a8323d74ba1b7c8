// How closely the protocol's waits follow their nominal times on real sockets, and how
// little CPU they burn while waiting. Runs only inside the network lab with one link
// and no device, so every wait runs to its end:
//   lab/lab.sh run 1 -- build/bench/protocol_wait_bench
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <functional>

#include "protocol/FixedText.h"
#include "tests/support/LabGuard.h"
#include "protocol/PosixSocketApi.h"
#include "protocol/Protocol.h"

namespace {

using tarvix::Protocol;

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Lab {
  tarvix::PosixSocketApi sockets;
  tarvix::SystemClock clock;
  Protocol protocol{sockets, clock};
  Lab() {
    protocol.network.StartNetwork();
    protocol.commands.SetTraceSink(nullptr);
  }
  // A device that is listed but never answers (a search in between empties the list).
  void ListSilentDevice() {
    uint8_t id[10] = {2, 0, 0, 0, 0, 1, 10, 77, 1, 250};
    if (!protocol.devices.ContainsAddress("10.77.1.250"))
      protocol.devices.AppendDevice("silent", "10.77.1.250", "255.255.255.0", "", id, "", "0", 0);
    tarvix::CopyField(protocol.session.selectedAddress, "10.77.1.250");
  }
};

Lab& TheLab() {
  static Lab lab;
  return lab;
}

void MeasureWait(benchmark::State& state, double nominalSeconds,
                 const std::function<void(Protocol&)>& operation) {
  Protocol& p = TheLab().protocol;
  TheLab().ListSilentDevice();
  double wall = 0, cpu = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    double cpuStart = CpuSeconds();
    operation(p);
    cpu += CpuSeconds() - cpuStart;
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  double n = static_cast<double>(state.iterations());
  state.counters["wall_ratio"] = wall / n / nominalSeconds;
  state.counters["cpu_share"] = cpu / wall;
}

// Nominal waits: polls of 10 ms and pauses as the protocol defines them.
void DiscoveryRound(benchmark::State& s) {
  MeasureWait(s, 0.99, [](Protocol& p) { p.Search(); });
}
void Exchange20(benchmark::State& s) {
  MeasureWait(s, 2.32, [](Protocol& p) { p.commands.QuerySsl(); });
}
void Exchange10(benchmark::State& s) {
  MeasureWait(s, 1.22, [](Protocol& p) { p.commands.QueryCodepage(); });
}
void SetDhcpWait(benchmark::State& s) {
  MeasureWait(s, 11.01, [](Protocol& p) { p.commands.SetDhcp(); });
}
void SetStaticWait(benchmark::State& s) {
  tarvix::CopyField(TheLab().protocol.session.pendingAddress, "10.77.1.251");
  MeasureWait(s, 33.01, [](Protocol& p) { p.commands.SetStaticAddress(); });
}

BENCHMARK(DiscoveryRound)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Exchange20)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Exchange10)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SetDhcpWait)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SetStaticWait)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  std::string why;
  if (!tarvix::lab::InsideLab(&why)) {
    std::printf("SKIPPED: %s (run it through lab/lab.sh run 1 -- %s)\n", why.c_str(),
                "protocol_wait_bench");
    return 77;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
