#pragma once
#include <csignal>

namespace tarvix::devsim {

// Set by the handler of SIGTERM and SIGINT, which the lab sends to end a simulator or
// a flood; each loop checks it and ends cleanly.
extern volatile std::sig_atomic_t stopRequested;

void InstallStopHandler();

}  // namespace tarvix::devsim
