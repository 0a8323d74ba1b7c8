#pragma once
#include "protocol/DeviceCommands.h"
#include "protocol/DeviceList.h"
#include "protocol/DeviceSession.h"
#include "protocol/Discovery.h"
#include "protocol/Network.h"
#include "protocol/ShareList.h"

namespace tarvix {

// Everything the protocol keeps for the whole run, made once by the program.
struct Protocol {
  Protocol(SocketApi& sockets, Clock& clock)
      : network(sockets, clock), commands(network, devices, session, shares) {}

  void Search() { DiscoverDevices(network, devices, 3, 3); }

  Network network;
  DeviceList devices;
  DeviceSession session;
  ShareList shares;
  DeviceCommands commands;
};

}  // namespace tarvix
