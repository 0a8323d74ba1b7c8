#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
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
  // DeviceId bytes 0-5: the device answers only requests that carry them back.
  std::array<uint8_t, 6> identity{0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F};
  int interfaceIndex = 0;      // the local address through which it is reached
  bool answersQueries = true;  // false: found by a search, silent to every request
  std::string portText;        // command 20; empty: the device knows no ports, no answer
  std::string shareText;       // command 3
  std::string ssl = "0";       // command 19
  std::string domain;          // command 18
  // The login check (command 4) accepts exactly these credentials.
  std::string adminUser = "admin";
  std::string adminPassword = "secret";
  // The address the device takes after a switch to DHCP; empty: it keeps its own.
  std::string dhcpAddress;
};

// A device with identity bytes of its own (derived from its address).
ScriptedDevice MakeDevice(std::string name, std::string address, std::string gateway = {},
                          char dhcpFlag = '0');

// One datagram the program sent, with the interface it left from.
struct SentRequest {
  int interfaceIndex = -1;
  std::vector<uint8_t> bytes;

  uint8_t Type() const { return bytes.empty() ? 0 : bytes[0]; }
  // Queries and set requests: the command byte and the addressed device.
  uint8_t Command() const { return bytes.size() > 21 ? bytes[21] : 0; }
  std::string TargetAddress() const;
};

// Sockets without a network: requests are answered at once from a table of devices,
// the way the devices would, and every call is counted. Never touches the system's
// sockets. Strict: a device answers only a well-formed request that echoes the
// ClientId of the last search and carries its full DeviceId, and only on its own
// interface; everything else a request gets wrong is listed in `violations`.
class ScriptedSocketApi : public SocketApi {
 public:
  // Named as FakeSocketApi's: what LocalAddresses() answers, whether Startup() fails.
  std::vector<std::string> localAddresses{"10.77.1.1"};
  bool startupFails = false;
  std::vector<ScriptedDevice> devices;
  // Called when a discovery request or a query leaves (the command number).
  std::function<void()> onDiscover;
  std::function<void(uint8_t command)> onQuery;

  int discoveries = 0;
  std::vector<uint8_t> queries;                   // commands of the queries, in order
  std::vector<std::vector<uint8_t>> setRequests;  // whole set requests, in order
  std::vector<SentRequest> sent;                  // every datagram, with its interface
  std::vector<std::string> violations;            // what malformed requests got wrong
  int closedSockets = 0;
  int OpenSocketCount() const { return static_cast<int>(open_.size()); }

  std::vector<SentRequest> SentOfType(uint8_t type) const;
  const ScriptedDevice* DeviceNamed(const std::string& name) const;

  bool Startup() override { return !startupFails; }
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
  void AnswerDiscovery(int interfaceIndex, const Datagram& request);
  // The device a query or set request is for, once the request passed every check.
  ScriptedDevice* Addressee(int interfaceIndex, const Datagram& request, size_t headerSize,
                            size_t lengthOffset);
  void AnswerQuery(int interfaceIndex, const Datagram& request);
  void AnswerSet(int interfaceIndex, const Datagram& request);
  void Deliver(int interfaceIndex, Datagram datagram);
  void Violation(const std::string& what) { violations.push_back(what); }

  int nextSocket_ = 3;
  std::map<int, std::string> open_;  // socket -> local address ("" for senders)
  std::map<int, std::deque<Datagram>> inbox_;
  std::optional<std::array<uint8_t, 10>> clientId_;  // of the last discovery request
};

}  // namespace tarvix::testing
