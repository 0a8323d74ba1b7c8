#include "tests/mock/ScriptedSocketApi.h"

#include <algorithm>
#include <cstring>

#include "protocol/FixedText.h"
#include "tests/mock/ReplyBuilder.h"

namespace tarvix::testing {
namespace {

using Datagram = std::vector<uint8_t>;

constexpr size_t kQueryHeader = 28;
constexpr size_t kQueryLengthAt = 24;
constexpr size_t kSetHeader = 60;
constexpr size_t kSetLengthAt = 56;
constexpr size_t kLanRecordSize = 120;
constexpr size_t kPortEntrySize = 60;

// The device as the shared reply builder lays it out.
FakeDevice AsFakeDevice(const ScriptedDevice& device) {
  FakeDevice fake;
  std::memcpy(fake.ownBytes, device.identity.data(), device.identity.size());
  ParseAddress(device.address, fake.address);
  fake.name = device.name;
  fake.netmask = device.netmask;
  fake.gateway = device.gateway;
  fake.dhcp = device.dhcpFlag;
  fake.model = device.model;
  return fake;
}

std::string Dotted(const uint8_t* b) {
  return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." +
         std::to_string(b[3]);
}

uint32_t Le32(const uint8_t* b) {
  return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
         static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
}

// A fixed-width text field: up to its first NUL or its width.
std::string TextField(const uint8_t* at, size_t width) {
  size_t n = 0;
  while (n < width && at[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(at), n);
}

// Port text pieces, empty ones kept.
std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(':', start);
    pieces.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) return pieces;
    start = end + 1;
  }
}

struct Port {
  std::string name, address, netmask, gateway, dhcp;
};

Port ReadPortEntry(const uint8_t* entry) {
  return {TextField(entry, 10), TextField(entry + 10, 16), TextField(entry + 26, 16),
          TextField(entry + 42, 16), TextField(entry + 58, 2)};
}

// The name of the port through which the device is reached: the reported port
// with the device's address, else its first one.
std::string OwnPortName(const ScriptedDevice& device) {
  const std::vector<std::string> pieces = Pieces(device.portText);
  for (size_t i = 0; i + 1 < pieces.size(); i += 5)
    if (pieces[i + 1] == device.address) return pieces[i];
  return pieces.empty() ? std::string() : pieces[0];
}

void MoveTo(ScriptedDevice& device, const std::string& address, const std::string& netmask,
            const std::string& gateway) {
  device.address = address;
  device.netmask = netmask;
  device.gateway = gateway;
  device.dhcpFlag = '0';
}

void MoveToDhcpAddress(ScriptedDevice& device) {
  if (!device.dhcpAddress.empty()) device.address = device.dhcpAddress;
  device.dhcpFlag = '1';
}

// Command 21: the device takes the entry of its own port and reports the record's
// ports from then on.
void ApplyLanRecord(ScriptedDevice& device, const uint8_t* record) {
  const Port ports[2] = {ReadPortEntry(record), ReadPortEntry(record + kPortEntrySize)};
  const std::string own = OwnPortName(device);
  const Port& mine = ports[1].name == own && !own.empty() ? ports[1] : ports[0];
  if (mine.dhcp == "1")
    MoveToDhcpAddress(device);
  else
    MoveTo(device, mine.address, mine.netmask, mine.gateway);
  std::string text;
  for (const Port& port : ports) {
    if (port.name.empty()) continue;
    const std::string address = &port == &mine ? device.address : port.address;
    if (!text.empty()) text += ':';
    text += port.name + ":" + address + ":" + port.netmask + ":" + port.gateway + ":" + port.dhcp;
  }
  device.portText = text;
}

}  // namespace

ScriptedDevice MakeDevice(std::string name, std::string address, std::string gateway,
                          char dhcpFlag) {
  ScriptedDevice device;
  uint8_t octets[4] = {};
  ParseAddress(address, octets);
  // Bytes that no address could be mistaken for, different for every address.
  device.identity = {0x00,
                     0x1B,
                     static_cast<uint8_t>(octets[2] * 7 + 1),
                     static_cast<uint8_t>(octets[3] * 13 + 5),
                     static_cast<uint8_t>(octets[1] ^ 0x5A),
                     0x42};
  device.name = std::move(name);
  device.address = std::move(address);
  device.gateway = std::move(gateway);
  device.dhcpFlag = dhcpFlag;
  return device;
}

std::string SentRequest::TargetAddress() const {
  return bytes.size() >= 21 ? Dotted(&bytes[17]) : std::string();
}

std::vector<SentRequest> ScriptedSocketApi::SentOfType(uint8_t type) const {
  std::vector<SentRequest> out;
  std::copy_if(sent.begin(), sent.end(), std::back_inserter(out),
               [type](const SentRequest& r) { return r.Type() == type; });
  return out;
}

const ScriptedDevice* ScriptedSocketApi::DeviceNamed(const std::string& name) const {
  auto it = std::find_if(devices.begin(), devices.end(),
                         [&](const ScriptedDevice& d) { return d.name == name; });
  return it == devices.end() ? nullptr : &*it;
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
  Datagram request(bytes, bytes + length);
  sent.push_back({interfaceIndex, request});
  if (bytes[0] == 1) AnswerDiscovery(interfaceIndex, request);
  if (bytes[0] == 3) AnswerQuery(interfaceIndex, request);
  if (bytes[0] == 5) AnswerSet(interfaceIndex, request);
  return true;
}

void ScriptedSocketApi::AnswerDiscovery(int interfaceIndex, const Datagram& request) {
  ++discoveries;
  if (request.size() != 11) {
    Violation("discovery request of " + std::to_string(request.size()) + " bytes, not 11");
    return;
  }
  std::array<uint8_t, 10> id;
  std::copy(request.begin() + 1, request.begin() + 11, id.begin());
  clientId_ = id;
  if (onDiscover) onDiscover();
  for (const ScriptedDevice& device : devices) {
    if (device.interfaceIndex != interfaceIndex) continue;
    Deliver(interfaceIndex, DiscoveryReplyBytes(8, request.data() + 1, AsFakeDevice(device)));
  }
}

ScriptedDevice* ScriptedSocketApi::Addressee(int interfaceIndex, const Datagram& request,
                                             size_t headerSize, size_t lengthOffset) {
  const std::string kind = "type " + std::to_string(request[0]) + " request";
  if (request.size() < headerSize) {
    Violation(kind + " of " + std::to_string(request.size()) + " bytes, shorter than its header");
    return nullptr;
  }
  const uint32_t declared = Le32(&request[lengthOffset]);
  if (declared != request.size() - headerSize) {
    Violation(kind + " declares a payload of " + std::to_string(declared) + " bytes but carries " +
              std::to_string(request.size() - headerSize));
    return nullptr;
  }
  if (!clientId_ || !std::equal(clientId_->begin(), clientId_->end(), request.begin() + 1)) {
    Violation(kind + " with a ClientId that is not the one of the last search");
    return nullptr;
  }
  const std::string target = Dotted(&request[17]);
  ScriptedDevice* elsewhere = nullptr;
  for (ScriptedDevice& device : devices) {
    if (device.address != target) continue;
    if (device.interfaceIndex != interfaceIndex) {
      elsewhere = &device;
      continue;
    }
    if (!std::equal(device.identity.begin(), device.identity.end(), request.begin() + 11)) {
      Violation(kind + " for " + device.name + " with DeviceId bytes 0-5 not its own");
      return nullptr;
    }
    return &device;
  }
  // The device never sees it: it listens on another link.
  if (elsewhere)
    Violation(kind + " for " + elsewhere->name + " left from interface " +
              std::to_string(interfaceIndex) + ", the device is on interface " +
              std::to_string(elsewhere->interfaceIndex));
  return nullptr;
}

void ScriptedSocketApi::AnswerQuery(int interfaceIndex, const Datagram& request) {
  const uint8_t command = request.size() > 21 ? request[21] : 0;
  queries.push_back(command);
  if (onQuery) onQuery(command);
  ScriptedDevice* device = Addressee(interfaceIndex, request, kQueryHeader, kQueryLengthAt);
  if (!device || !device->answersQueries) return;
  std::string value;
  switch (command) {
    case 20:
      if (device->portText.empty()) return;
      value = device->portText;
      break;
    case 3: value = device->shareText; break;
    case 19: value = device->ssl; break;
    case 18: value = device->domain; break;
    case 4: {
      // user, 0x55 0xAA, password
      const uint8_t separator[2] = {0x55, 0xAA};
      auto at =
          std::search(request.begin() + kQueryHeader, request.end(), separator, separator + 2);
      if (at == request.end()) Violation("login check without the 0x55 0xAA separator");
      const std::string user(request.begin() + kQueryHeader, at);
      const std::string password(at == request.end() ? at : at + 2, request.end());
      const bool accepted =
          at != request.end() && user == device->adminUser && password == device->adminPassword;
      value = std::string(1, accepted ? '\x01' : '\0');
      break;
    }
    default: break;
  }
  Deliver(interfaceIndex, QueryReplyBytes(request.data() + 1, AsFakeDevice(*device), value));
}

void ScriptedSocketApi::AnswerSet(int interfaceIndex, const Datagram& request) {
  setRequests.push_back(request);
  ScriptedDevice* device = Addressee(interfaceIndex, request, kSetHeader, kSetLengthAt);
  if (!device || !device->answersQueries) return;
  const size_t payload = request.size() - kSetHeader;
  const uint8_t* data = request.data() + kSetHeader;
  switch (request[21]) {
    case 1:
      MoveTo(*device, std::string(reinterpret_cast<const char*>(data), payload),
             TextField(&request[24], 16), TextField(&request[40], 16));
      break;
    case 2:
      if (payload != 0 && payload != kLanRecordSize) {
        Violation("DHCP switch with a payload of " + std::to_string(payload) + " bytes");
        return;
      }
      MoveToDhcpAddress(*device);
      break;
    case 21:
      if (payload != kLanRecordSize) {
        Violation("port record of " + std::to_string(payload) + " bytes, not 120");
        return;
      }
      ApplyLanRecord(*device, data);
      break;
    default: break;
  }
  // The acknowledgement comes from the device as it is now: after a DHCP switch
  // it carries the new address.
  Deliver(interfaceIndex, SetReplyBytes(request.data() + 1, AsFakeDevice(*device)));
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
