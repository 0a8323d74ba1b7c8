// Feeds arbitrary bytes as a device's datagram to whole exchanges: a discovery round and
// every query and set operation, through scripted sockets, as the program would take
// them. Slower than the readers' own target (reply_readers_fuzz), because every input
// runs all the waits; it finds what only the exchanges' handling of the receive area
// can get wrong.
//
// Besides what the sanitizers find, it catches reads past the datagram that stay
// inside the receive area: the sockets fill the whole area with a marker byte before
// every read (fuzz/MarkerCheck.h), so a marker in any result (device list, session
// fields, port entries, share names, login verdict, reported address) can only come
// from beyond the datagram.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/MarkerCheck.h"
#include "protocol/FixedText.h"
#include "protocol/Packet.h"
#include "protocol/Protocol.h"
#include "tests/mock/CountingClock.h"
#include "tests/mock/FakeSocketApi.h"

using namespace tarvix;

namespace {

using fuzz::CheckDevices;
using fuzz::CheckSession;
using fuzz::CheckShares;
using fuzz::kMarker;

constexpr uint8_t kClientBytes[kClientIdSize] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};

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
    fuzz::FailOnMarker(reported);
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
  const std::vector<uint8_t> input = fuzz::WithoutMarker(data, size);
  ThroughTheProtocol(input.data(), input.size());
  return 0;
}
