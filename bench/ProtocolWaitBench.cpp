// How closely the protocol's waits follow their nominal times on real sockets, how
// little CPU they burn while waiting, how a search's time depends on the number of
// interfaces, and how soon an exchange returns once its answer has left the device.
// Runs only inside the network lab, best with four links:
//   lab/lab.sh run 4 -- build/bench/protocol_wait_bench
// Waits against a silent device (listed at 10.77.1.250, which nothing plays) run to
// their ends; the latency benchmarks use a simulated device at 10.77.1.20 whose login
// answer is held back by a delay fault.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "protocol/FixedText.h"
#include "protocol/PosixSocketApi.h"
#include "protocol/Protocol.h"
#include "tests/support/LabGuard.h"

namespace {

using tarvix::Protocol;

constexpr double kSearchSeconds = 0.99;  // 50 ms, 32 polls of 10 ms, 31 pauses of 20 ms

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The host's interfaces, or only the first few of them.
class FirstAddresses : public tarvix::PosixSocketApi {
 public:
  explicit FirstAddresses(size_t keep) : keep_(keep) {}
  std::vector<std::string> LocalAddresses() override {
    std::vector<std::string> all = PosixSocketApi::LocalAddresses();
    if (all.size() > keep_) all.resize(keep_);
    return all;
  }

 private:
  size_t keep_;
};

struct Lab {
  explicit Lab(size_t interfaces = 8) : sockets(interfaces) {
    protocol.network.StartNetwork();
    protocol.commands.SetTraceSink(nullptr);
  }
  void Select(const char* name, const char* address, const uint8_t* id) {
    if (!protocol.devices.ContainsAddress(address))
      protocol.devices.AppendDevice(name, address, "255.255.255.0", "", id, "", "0", 0);
    tarvix::CopyField(protocol.session.selectedAddress, address);
  }
  // A device that is listed but never answers (a search in between empties the list).
  void ListSilentDevice() {
    const uint8_t id[10] = {2, 0, 0, 0, 0, 1, 10, 77, 1, 250};
    Select("silent", "10.77.1.250", id);
  }
  FirstAddresses sockets;
  tarvix::SystemClock clock;
  Protocol protocol{sockets, clock};
};

Lab& TheLab() {
  static Lab lab;
  return lab;
}

void MeasureWait(benchmark::State& state, double nominalSeconds,
                 const std::function<void(Protocol&)>& operation) {
  Protocol& p = TheLab().protocol;
  double wall = 0, cpu = 0;
  for (auto _ : state) {
    TheLab().ListSilentDevice();
    auto start = std::chrono::steady_clock::now();
    double cpuStart = CpuSeconds();
    operation(p);
    cpu += CpuSeconds() - cpuStart;
    wall += Since(start);
  }
  double n = static_cast<double>(state.iterations());
  state.counters["wall_ratio"] = wall / n / nominalSeconds;
  state.counters["cpu_share"] = cpu / wall;
}

// Every operation against a silent device: its flush polls, (miss limit + 1) polls
// of 10 ms and (miss limit) pauses of 100 ms.
struct SilentWait {
  const char* name;
  double nominalSeconds;
  std::function<void(Protocol&)> run;
};

double Nominal(int flushPolls, int missLimit) {
  return (flushPolls + missLimit + 1) * 0.01 + missLimit * 0.1;
}

const std::vector<SilentWait>& SilentWaits() {
  static const std::vector<SilentWait> waits = {
      {"QueryCodepage", Nominal(11, 10), [](Protocol& p) { p.commands.QueryCodepage(); }},
      {"QueryIdeOk", Nominal(11, 20), [](Protocol& p) { p.commands.QueryIdeOk(); }},
      {"QueryShareName", Nominal(11, 20), [](Protocol& p) { p.commands.QueryShareName(); }},
      {"QueryBtFirmware", Nominal(11, 20), [](Protocol& p) { p.commands.QueryBtFirmware(); }},
      {"QueryDomain", Nominal(11, 20), [](Protocol& p) { p.commands.QueryDomain(); }},
      {"QuerySsl", Nominal(11, 20), [](Protocol& p) { p.commands.QuerySsl(); }},
      {"QueryShareList", Nominal(11, 20), [](Protocol& p) { p.commands.QueryShareList(); }},
      {"QueryLanInfo", Nominal(11, 20), [](Protocol& p) { p.commands.QueryLanInfo(); }},
      {"VerifyLogin", Nominal(0, 10), [](Protocol& p) { p.commands.VerifyLogin(); }},
      {"SetDhcp", Nominal(0, 100), [](Protocol& p) { p.commands.SetDhcp(); }},
      {"SetStaticAddress", Nominal(0, 300),
       [](Protocol& p) {
         tarvix::CopyField(p.session.pendingAddress, "10.77.1.251");
         p.commands.SetStaticAddress();
       }},
      {"SendTextCommand", Nominal(0, 10),
       [](Protocol& p) { p.commands.SendTextCommand(10, "rw"); }},
  };
  return waits;
}

void DiscoveryRound(benchmark::State& s) {
  MeasureWait(s, kSearchSeconds, [](Protocol& p) { p.Search(); });
}

// A search over the first N interfaces: one round, whatever N is.
void SearchInterfaces(benchmark::State& state) {
  Lab lab(static_cast<size_t>(state.range(0)));
  if (lab.protocol.network.Interfaces().count != state.range(0)) {
    state.SkipWithError("the lab has fewer links (run it with lab/lab.sh run 4)");
    return;
  }
  double wall = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    lab.protocol.Search();
    wall += Since(start);
  }
  state.counters["interfaces"] = static_cast<double>(state.range(0));
  state.counters["wall_ratio"] = wall / static_cast<double>(state.iterations()) / kSearchSeconds;
}

// Simulated devices on link 1 whose login answers are held back by a delay fault, so
// that each lands somewhere else in the exchange's steps (poll 0-10 ms, pause 10-110,
// poll 110-120, pause 120-220, ...): in a pause the old design saw it only at the next
// poll, up to 110 ms later.
struct DelayedDevice {
  int delayMs;
  uint8_t last;  // address 10.77.1.last; section number = last - 19
};
constexpr DelayedDevice kDelayed[] = {{15, 20}, {64, 21}, {105, 22}, {230, 23}};

// The exchange should return as soon as the answer is there. latency_ms is the
// exchange's time less the delay: the answer's way from the simulator's send to the
// exchange's return, plus the request's way and the simulator's own timer.
void ReplyLatency(benchmark::State& state) {
  Lab& lab = TheLab();
  const DelayedDevice& device = kDelayed[state.range(0)];
  const uint8_t id[10] = {
      0x02, 0x54, 0x56, 0x00, 0x00, static_cast<uint8_t>(device.last - 19), 10, 77, 1, device.last};
  const std::string address = "10.77.1." + std::to_string(device.last);
  const double delay = device.delayMs / 1000.0;
  double worst = 0, total = 0;
  for (auto _ : state) {
    lab.Select("Delayed", address.c_str(), id);
    tarvix::CopyField(lab.protocol.session.loginUser, "admin");
    auto start = std::chrono::steady_clock::now();
    const int verdict = lab.protocol.commands.VerifyLogin();
    const double latency = Since(start) - delay;
    if (verdict != 1) {
      state.SkipWithError("the simulated device did not answer");
      return;
    }
    total += latency;
    worst = std::max(worst, latency);
  }
  state.counters["delay_ms"] = device.delayMs;
  state.counters["latency_ms"] = 1000 * total / static_cast<double>(state.iterations());
  state.counters["worst_latency_ms"] = 1000 * worst;
}

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

// The delayed devices on link 1, for the latency benchmarks; false when they cannot run.
bool StartDelayedDevices() {
  const std::string config = "/run/tarvix-lab/" + Env("TARVIX_LAB") + "/bench-delayed.conf";
  std::ofstream out(config);
  for (const DelayedDevice& d : kDelayed)
    out << "[Delayed" << d.delayMs << "]\naddress = 10.77.1." << int{d.last}
        << "\nadmin_user = admin\nfault.4 = delay:" << d.delayMs << "\n";
  out.close();
  return std::system(("'" + Env("TARVIX_LAB_SCRIPT") + "' sim '" + Env("TARVIX_LAB") + "' 1 '" +
                      config + "' >/dev/null")
                         .c_str()) == 0;
}

void StopDevices() {
  std::system(("'" + Env("TARVIX_LAB_SCRIPT") + "' stop-sims '" + Env("TARVIX_LAB") + "'").c_str());
}

void RegisterBenchmarks(bool delayedDevice) {
  benchmark::RegisterBenchmark("DiscoveryRound", DiscoveryRound)
      ->Iterations(5)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("SearchInterfaces", SearchInterfaces)
      ->Arg(1)
      ->Arg(2)
      ->Arg(4)
      ->Iterations(5)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  for (const SilentWait& wait : SilentWaits()) {
    benchmark::RegisterBenchmark(
        ("Silent/" + std::string(wait.name)).c_str(),
        [&wait](benchmark::State& s) { MeasureWait(s, wait.nominalSeconds, wait.run); })
        ->Iterations(wait.nominalSeconds > 5 ? 1 : 2)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
  if (delayedDevice)
    benchmark::RegisterBenchmark("ReplyLatency", ReplyLatency)
        ->DenseRange(0, static_cast<int>(std::size(kDelayed)) - 1)
        ->Iterations(10)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace

int main(int argc, char** argv) {
  std::string why;
  if (!tarvix::lab::InsideLab(&why)) {
    std::printf("SKIPPED: %s (run it through lab/lab.sh run 4 -- %s)\n", why.c_str(),
                "protocol_wait_bench");
    return 77;
  }
  const bool delayed = StartDelayedDevices();
  if (!delayed) std::printf("no simulated device: the latency benchmark is left out\n");
  benchmark::Initialize(&argc, argv);
  RegisterBenchmarks(delayed);
  benchmark::RunSpecifiedBenchmarks();
  if (delayed) StopDevices();
  return 0;
}
