#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/devsim/ConfigParser.h"
#include "tools/devsim/DeviceDisk.h"
#include "tools/devsim/GroupSocket.h"
#include "tools/devsim/NamespaceGuard.h"
#include "tools/devsim/Options.h"
#include "tools/devsim/RequestLog.h"
#include "tools/devsim/ServeLoop.h"
#include "tools/devsim/Simulator.h"

namespace {

using namespace tarvix::devsim;

constexpr int kExitUsage = 2;
constexpr int kExitRefused = 3;
constexpr int kExitSetup = 4;

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "tarvix-devsim: %s\n", message.c_str());
  return status;
}

void BlockStopSignals() {
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
}

bool TouchReadyFile(const std::string& path) {
  return path.empty() || static_cast<bool>(std::ofstream(path, std::ios::app));
}

int Serve(const Options& options, const std::vector<DeviceConfig>& devices) {
  GroupSocket socket;
  std::string error;
  if (!socket.Open(options.interfaceAddress, error)) return Fail(kExitSetup, error);
  RequestLog log;
  if (!options.logPath.empty() && !log.Open(options.logPath)) {
    return Fail(kExitSetup, "cannot open log " + options.logPath);
  }
  Simulator simulator(devices);
  ServeLoop loop(simulator, socket, log, options.statePath);
  if (!TouchReadyFile(options.readyPath))
    return Fail(kExitSetup, "cannot write " + options.readyPath);
  const int status = loop.Run();
  if (!options.readyPath.empty()) std::remove(options.readyPath.c_str());
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.options.help) {
    std::fputs(UsageText(), stdout);
    return 0;
  }
  if (!parsed.ok()) return Fail(kExitUsage, parsed.error + "\n" + UsageText());
  std::string reason;
  if (!InLabNamespace(reason)) return Fail(kExitRefused, "refusing to start: " + reason);
  const auto config = LoadConfigFile(parsed.options.configPath);
  if (!config.ok()) return Fail(kExitUsage, parsed.options.configPath + ": " + config.error);
  for (const DeviceConfig& device : config.devices) {
    const std::string error = RefuseWrites(device);
    if (!error.empty()) return Fail(kExitSetup, error);
  }
  BlockStopSignals();
  return Serve(parsed.options, config.devices);
}
