#pragma once
#include "DeviceCommands.h"
#include "DeviceList.h"
#include "DeviceSession.h"
#include "Discovery.h"
#include "Network.h"
#include "ShareList.h"

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
