#pragma once
#include <csignal>
#include <string>

#include "tools/devsim/GroupSocket.h"
#include "tools/devsim/RequestLog.h"
#include "tools/devsim/SendQueue.h"
#include "tools/devsim/Simulator.h"

namespace tarvix::devsim {

// The thin socket layer around the simulator: read a datagram, hand it to
// the simulator, send or hold back its replies, record what happened.
class ServeLoop {
 public:
  ServeLoop(Simulator& simulator, GroupSocket& socket, RequestLog& log, std::string statePath);

  // Runs until SIGTERM or SIGINT arrives; both must be blocked by the caller,
  // so that they can only arrive while the loop waits. Returns the exit status.
  int Run();

 private:
  void WaitForWork(const sigset_t& waitMask);
  void ReceiveAll();
  void Dispatch(const Datagram& datagram);
  void SendDue();
  void Send(const Outgoing& reply);
  void SaveState();

  Simulator& simulator_;
  GroupSocket& socket_;
  RequestLog& log_;
  std::string statePath_;
  SendQueue queue_;
};

}  // namespace tarvix::devsim
