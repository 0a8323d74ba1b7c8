// Drives every reader of device replies with arbitrary bytes: the discovery reader,
// the value text, the port-text parse, the share split and a whole exchange and
// discovery round fed the datagram through scripted sockets.
//
// Besides what the sanitizers find, it catches reads past the datagram that stay
// inside the receive area: the sockets fill the whole area with a marker byte before
// every read, and the input never holds that byte, so a marker in any result (device
// list, session fields, port entries, share names, login verdict, reported address)
// can only come from beyond the datagram.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "tests/support/FakeSocketApi.h"
#include "protocol/FixedText.h"
#include "protocol/LanInfo.h"
#include "protocol/Packet.h"
#include "protocol/Protocol.h"

using namespace tarvix;

namespace {

constexpr uint8_t kMarker = 0xA5;
constexpr uint8_t kClientBytes[kClientIdSize] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};

void FailOnMarker(const void* bytes, size_t size) {
  if (std::memchr(bytes, kMarker, size) != nullptr) __builtin_trap();
}

template <typename Field>
void FailOnMarker(const Field& field) {
  FailOnMarker(&field, sizeof field);
}

void CheckDevices(const DeviceList& devices) {
  for (const DeviceNode& n : devices) {
    FailOnMarker(n.name);
    FailOnMarker(n.address);
    FailOnMarker(n.netmask);
    FailOnMarker(n.gateway);
    FailOnMarker(n.dhcpFlag);
    FailOnMarker(n.deviceId);
    FailOnMarker(n.model);
  }
}

void CheckSession(const DeviceSession& s) {
  FailOnMarker(s.selectedAddress);
  FailOnMarker(s.lanInfo);
  FailOnMarker(s.codepage);
  FailOnMarker(s.ideOk);
  FailOnMarker(s.shareName);
  FailOnMarker(s.btFirmware);
  FailOnMarker(s.domain);
  FailOnMarker(s.ssl);
}

void CheckShares(const ShareList& shares) {
  for (const ShareNode& n : shares) FailOnMarker(n.name);
}

void ReadDirectly(const uint8_t* data, size_t size) {
  DiscoveryReply reply;
  ReadDiscoveryReply(data, size, reply);
  ReportedAddress(data, size);
  ReadLoginVerdict(data, size);
  std::string_view text(reinterpret_cast<const char*>(data), size);
  LanInfo info;
  std::memset(&info, 'x', sizeof info);
  ParsePortText(text, info);
  ShareList shares;
  shares.AppendShareText(text);
}

// Lists the device that the datagram names (or one at 0.0.0.0) and selects it.
void SelectSomeDevice(Protocol& p, const testing::Bytes& datagram) {
  if (p.devices.IsEmpty()) {
    uint8_t id[kDeviceIdSize] = {};
    std::string address = ReportedAddress(datagram.data(), datagram.size());
    p.devices.AppendDevice("d", address.empty() ? "0.0.0.0" : address, "", "", id, "", "0", 0);
  }
  CopyField(p.session.selectedAddress, p.devices.Head()->address);
}

void RunEveryReader(Protocol& p) {
  DeviceCommands& c = p.commands;
  c.QueryLanInfo();
  c.QueryShareList();
  c.QueryCodepage();
  c.QueryIdeOk();
  c.QueryShareName();
  c.QueryBtFirmware();
  c.QueryDomain();
  c.QuerySsl();
  int verdict = c.VerifyLogin();
  if (static_cast<uint8_t>(verdict) == kMarker) __builtin_trap();
  if (c.SetDhcp()) {
    // The address the device reported: a dotted quad made of datagram bytes.
    uint8_t reported[4];
    if (!ParseAddress(p.session.selectedAddress, reported)) __builtin_trap();
    FailOnMarker(reported);
  }
}

void ThroughTheProtocol(const uint8_t* data, size_t size) {
  testing::FakeSocketApi sockets;
  sockets.receiveFill = kMarker;
  testing::CountingClock clock;
  Protocol p(sockets, clock);
  p.commands.SetTraceSink(nullptr);
  p.network.StartNetwork();
  ClientId id;
  std::memcpy(id.bytes, kClientBytes, kClientIdSize);
  p.network.SetClientId(id);
  testing::Bytes datagram(data, data + size);
  sockets.Queue(0, datagram);
  p.Search();
  CheckDevices(p.devices);
  SelectSomeDevice(p, datagram);
  // Make the datagram look like ours so the value readers get to see it.
  if (size > 7) std::memcpy(datagram.data() + 1, kClientBytes, 6);
  sockets.responder = [&](int i, const testing::Bytes&) { sockets.Queue(i, datagram); };
  RunEveryReader(p);
  CheckDevices(p.devices);
  CheckSession(p.session);
  CheckShares(p.shares);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kReceiveAreaSize + 64) return 0;
  // The marker must not come from the input itself.
  testing::Bytes input(data, data + size);
  for (uint8_t& b : input)
    if (b == kMarker) b = kMarker ^ 1;
  ReadDirectly(input.data(), input.size());
  ThroughTheProtocol(input.data(), input.size());
  return 0;
}
