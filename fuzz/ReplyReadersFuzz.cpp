// Drives every reader of device replies with arbitrary bytes, directly and nothing
// else, so that it runs fast enough to reach millions of inputs: the discovery reader,
// the reported address, the value text, and the login verdict, port-text parse and
// share split of that value, as the commands use them.
//
// The datagram lies in an area laid out like the receive area (4096 bytes and a spare
// one, the byte after the datagram cleared), whose rest holds a marker byte that the
// input never holds (fuzz/MarkerCheck.h): a marker in any result is a read past the
// datagram that the sanitizers cannot see, because it stays inside the area.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/MarkerCheck.h"
#include "protocol/LanInfo.h"
#include "protocol/Network.h"
#include "protocol/Packet.h"
#include "protocol/ShareList.h"

using namespace tarvix;

namespace {

using fuzz::FailOnMarker;
using fuzz::kMarker;

void FailOnMarker(const std::string& text) { FailOnMarker(text.data(), text.size()); }
void FailOnMarker(std::string_view text) { FailOnMarker(text.data(), text.size()); }

void ReadDiscovery(const uint8_t* d, size_t n) {
  DiscoveryReply reply;
  if (!ReadDiscoveryReply(d, n, reply)) return;
  FailOnMarker(reply.deviceId);
  FailOnMarker(reply.address);
  FailOnMarker(reply.netmask);
  FailOnMarker(reply.gateway);
  FailOnMarker(reply.model);
  FailOnMarker(reply.name);
  if (static_cast<uint8_t>(reply.dhcpFlag) == kMarker) __builtin_trap();
}

enum ValueUse { kLoginVerdict, kPortText, kShareText };

void ReadValue(const uint8_t* d, size_t n, int use) {
  std::string_view value = ReadValueText(d, n);
  FailOnMarker(value);
  if (use == kLoginVerdict) {
    if (static_cast<uint8_t>(ReadLoginVerdict(d, n)) == kMarker) __builtin_trap();
  } else if (use == kPortText) {
    // The port text lands in a record that keeps what a parse does not write; it
    // starts without the marker, so a marker there came through the parse.
    LanInfo info;
    std::memset(&info, 'x', sizeof info);
    ParsePortText(value, info);
    FailOnMarker(info);
  } else {
    ShareList shares;
    shares.AppendShareText(value);
    fuzz::CheckShares(shares);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kReceiveAreaSize) return 0;
  static uint8_t area[kReceiveAreaSize + 1];
  if (size > 0) std::memcpy(area, data, size);
  fuzz::ReplaceMarker(area, size);
  area[size] = 0;  // as the network terminates every datagram
  std::memset(area + size + 1, kMarker, sizeof area - size - 1);

  // Each datagram goes to the readers that the program hands its type to. A query
  // reply's value is read as the request wanted it; reply byte 21, which no reader
  // interprets, picks which of the three, so one input runs one value reader.
  FailOnMarker(ReportedAddress(area, size));
  switch (size == 0 ? 0 : area[0]) {
    case kDiscoverReplyBasic:
    case kDiscoverReplyExtended:
    case kDiscoverReplyModel: ReadDiscovery(area, size); break;
    case kQueryReply: ReadValue(area, size, size > 21 ? area[21] % 3 : 0); break;
    default:
      // Anything else must be refused by every reader, safely.
      ReadDiscovery(area, size);
      ReadValue(area, size, 0);
      break;
  }
  return 0;
}
