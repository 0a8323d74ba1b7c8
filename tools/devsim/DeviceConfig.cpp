#include "tools/devsim/DeviceConfig.h"

namespace tarvix::devsim {

const Fault& DeviceConfig::FaultForDiscovery() const {
  return discoveryFault ? *discoveryFault : fault;
}

const Fault& DeviceConfig::FaultForCommand(int command) const {
  const auto it = commandFaults.find(command);
  return it != commandFaults.end() ? it->second : fault;
}

}  // namespace tarvix::devsim
