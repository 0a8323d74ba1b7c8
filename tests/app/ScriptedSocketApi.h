#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "protocol/SocketApi.h"

namespace tarvix::testing {

// A device as the scripted network plays it.
struct ScriptedDevice {
  std::string name;
  std::string address;
  std::string netmask = "255.255.255.0";
  std::string gateway;
  char dhcpFlag = '0';
  std::string model = "NAS-2";
  int interfaceIndex = 0;     // the local address through which it answers
  bool answersQueries = true;
  std::string portText;       // command 20; empty: no ports reported
  std::string shareText;      // command 3
  std::string ssl = "0";      // command 19
  bool acceptsAdmin = false;  // command 4 (login check) answers 1 for any credentials
};

ScriptedDevice MakeDevice(std::string name, std::string address, std::string gateway = {},
                          char dhcpFlag = '0');

// Sockets without a network: requests are answered at once from a table of devices,
// and every call is counted. Never touches the system's sockets.
class ScriptedSocketApi : public SocketApi {
 public:
  bool startupSucceeds = true;
  std::vector<std::string> localAddresses{"10.77.1.1"};
  std::vector<ScriptedDevice> devices;
  // Called when a discovery request or a query leaves (the command number).
  std::function<void()> onDiscover;
  std::function<void(uint8_t command)> onQuery;

  int discoveries = 0;
  std::vector<uint8_t> queries;
  // Set requests are recorded whole and left unanswered.
  std::vector<std::vector<uint8_t>> setRequests;
  int closedSockets = 0;
  int OpenSocketCount() const { return static_cast<int>(open_.size()); }

  bool Startup() override { return startupSucceeds; }
  void Cleanup() override {}
  std::vector<std::string> LocalAddresses() override { return localAddresses; }
  int OpenSendSocket() override;
  int OpenReceiveSocket(const std::string& localAddress) override;
  bool SendToGroup(int socket, const std::string& localAddress, const uint8_t* bytes,
                   size_t length) override;
  Wait WaitReadable(int socket, int timeoutMicroseconds) override;
  long Receive(int socket, uint8_t* buffer, size_t capacity) override;
  void Close(int socket) override;

 private:
  using Datagram = std::vector<uint8_t>;
  int InterfaceOf(const std::string& localAddress) const;
  void AnswerDiscovery(int interfaceIndex, const uint8_t* request);
  void AnswerQuery(int interfaceIndex, const uint8_t* request, size_t length);
  void Deliver(int interfaceIndex, Datagram datagram);

  int nextSocket_ = 3;
  std::map<int, std::string> open_;  // socket -> local address ("" for senders)
  std::map<int, std::deque<Datagram>> inbox_;
};

}  // namespace tarvix::testing
