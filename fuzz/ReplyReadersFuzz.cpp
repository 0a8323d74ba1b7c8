// Drives every reader of device replies with arbitrary bytes: the discovery reader,
// the value text, the port-text parse, the share split and a whole exchange and
// discovery round fed the datagram through scripted sockets.
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

void ReadDirectly(const uint8_t* data, size_t size) {
  DiscoveryReply reply;
  ReadDiscoveryReply(data, size, reply);
  ReportedAddress(data, size);
  std::string_view text(reinterpret_cast<const char*>(data), size);
  LanInfo info;
  std::memset(&info, 'x', sizeof info);
  ParsePortText(text, info);
  ShareList shares;
  shares.AppendShareText(text);
}

void ThroughTheProtocol(const uint8_t* data, size_t size) {
  testing::FakeSocketApi sockets;
  testing::CountingClock clock;
  Protocol p(sockets, clock);
  p.commands.SetTraceSink(nullptr);
  p.network.StartNetwork();
  testing::Bytes datagram(data, data + size);
  sockets.Queue(0, datagram);
  p.Search();
  if (p.devices.IsEmpty()) {
    uint8_t id[10] = {};
    p.devices.AppendDevice("d", "0.0.0.0", "", "", id, "", "0", 0);
  }
  CopyField(p.session.selectedAddress, p.devices.Head()->address);
  // Make the datagram look like ours so the value readers get to see it.
  if (size > 7) std::memcpy(datagram.data() + 1, p.network.Id().bytes, 6);
  sockets.responder = [&](int i, const testing::Bytes&) { sockets.Queue(i, datagram); };
  p.commands.QueryLanInfo();
  p.commands.QueryShareList();
  p.commands.QueryDomain();
  p.commands.VerifyLogin();
  p.commands.SetDhcp();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kReceiveAreaSize + 64) return 0;
  ReadDirectly(data, size);
  ThroughTheProtocol(data, size);
  return 0;
}
