#include "tools/devsim/StopSignal.h"

namespace tarvix::devsim {

volatile std::sig_atomic_t stopRequested = 0;

namespace {
void OnStopSignal(int) { stopRequested = 1; }
}  // namespace

void InstallStopHandler() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace tarvix::devsim
