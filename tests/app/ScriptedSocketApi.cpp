#include "tests/app/ScriptedSocketApi.h"

#include <algorithm>
#include <cstring>

#include "protocol/FixedText.h"
#include "tests/support/ReplyBuilder.h"

namespace tarvix::testing {
namespace {

// The device as the shared reply builder lays it out.
FakeDevice AsFakeDevice(const ScriptedDevice& device) {
  FakeDevice fake;
  const uint8_t identity[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
  std::memcpy(fake.ownBytes, identity, 6);
  ParseAddress(device.address, fake.address);
  fake.name = device.name;
  fake.netmask = device.netmask;
  fake.gateway = device.gateway;
  fake.dhcp = device.dhcpFlag;
  fake.model = device.model;
  return fake;
}

}  // namespace

ScriptedDevice MakeDevice(std::string name, std::string address, std::string gateway,
                          char dhcpFlag) {
  ScriptedDevice device;
  device.name = std::move(name);
  device.address = std::move(address);
  device.gateway = std::move(gateway);
  device.dhcpFlag = dhcpFlag;
  return device;
}

int ScriptedSocketApi::OpenSendSocket() {
  open_[nextSocket_] = "";
  return nextSocket_++;
}

int ScriptedSocketApi::OpenReceiveSocket(const std::string& localAddress) {
  open_[nextSocket_] = localAddress;
  return nextSocket_++;
}

int ScriptedSocketApi::InterfaceOf(const std::string& localAddress) const {
  auto it = std::find(localAddresses.begin(), localAddresses.end(), localAddress);
  return it == localAddresses.end() ? -1 : static_cast<int>(it - localAddresses.begin());
}

bool ScriptedSocketApi::SendToGroup(int socket, const std::string& localAddress,
                                    const uint8_t* bytes, size_t length) {
  if (!open_.count(socket) || length == 0) return false;
  const int interfaceIndex = InterfaceOf(localAddress);
  if (bytes[0] == 1) AnswerDiscovery(interfaceIndex, bytes);
  if (bytes[0] == 3 && length >= 28) AnswerQuery(interfaceIndex, bytes, length);
  if (bytes[0] == 5) setRequests.emplace_back(bytes, bytes + length);
  return true;
}

void ScriptedSocketApi::AnswerDiscovery(int interfaceIndex, const uint8_t* request) {
  ++discoveries;
  if (onDiscover) onDiscover();
  for (const ScriptedDevice& device : devices) {
    if (device.interfaceIndex != interfaceIndex) continue;
    Deliver(interfaceIndex, DiscoveryReplyBytes(8, request + 1, AsFakeDevice(device)));
  }
}

void ScriptedSocketApi::AnswerQuery(int interfaceIndex, const uint8_t* request, size_t) {
  const uint8_t command = request[21];
  queries.push_back(command);
  if (onQuery) onQuery(command);
  uint8_t target[4];
  std::memcpy(target, request + 17, 4);
  for (const ScriptedDevice& device : devices) {
    uint8_t own[4] = {};
    ParseAddress(device.address, own);
    if (std::memcmp(own, target, 4) != 0 || !device.answersQueries) continue;
    std::string value = command == 20 ? device.portText
                        : command == 3 ? device.shareText
                        : command == 19 ? device.ssl
                        : command == 4 && device.acceptsAdmin ? std::string("\x01")
                                        : std::string();
    Deliver(interfaceIndex, QueryReplyBytes(request + 1, AsFakeDevice(device), value));
  }
}

void ScriptedSocketApi::Deliver(int interfaceIndex, Datagram datagram) {
  if (interfaceIndex < 0) return;
  for (const auto& [socket, address] : open_) {
    if (address == localAddresses[static_cast<size_t>(interfaceIndex)])
      inbox_[socket].push_back(datagram);
  }
}

SocketApi::Wait ScriptedSocketApi::WaitReadable(int socket, int) {
  if (!open_.count(socket)) return Wait::Error;
  return inbox_[socket].empty() ? Wait::Nothing : Wait::Readable;
}

long ScriptedSocketApi::Receive(int socket, uint8_t* buffer, size_t capacity) {
  auto& queue = inbox_[socket];
  if (queue.empty()) return -1;
  Datagram d = std::move(queue.front());
  queue.pop_front();
  std::memcpy(buffer, d.data(), std::min(capacity, d.size()));
  return static_cast<long>(d.size());
}

void ScriptedSocketApi::Close(int socket) {
  if (open_.erase(socket)) ++closedSockets;
  inbox_.erase(socket);
}

}  // namespace tarvix::testing
