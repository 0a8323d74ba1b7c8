#pragma once
#include <string>
#include <vector>

#include "tools/devsim/Device.h"
#include "tools/devsim/DeviceConfig.h"
#include "tools/devsim/Wire.h"

namespace tarvix::devsim {

// One datagram to send to the group, `delayMs` after the request came in.
struct Outgoing {
  std::string device;
  Bytes bytes;
  int delayMs = 0;
  int command = -1;  // of the request answered; -1 for discovery
};

struct Outcome {
  std::vector<Outgoing> replies;
  bool stateChanged = false;
};

// The device side of the protocol for all devices of one process: request
// bytes in, reply bytes and state changes out. No sockets, no clock.
class Simulator {
 public:
  explicit Simulator(const std::vector<DeviceConfig>& configs);

  Outcome Handle(ByteView datagram);

  const std::vector<Device>& devices() const { return devices_; }

 private:
  void HandleFor(Device& device, const Request& request, Outcome& outcome);
  static void Emit(const Device& device, const Request& request, Bytes reply, Outcome& outcome);

  std::vector<Device> devices_;
};

}  // namespace tarvix::devsim
