#include "tools/devsim/LanInfoRecord.h"

#include "tools/devsim/MessageLayout.h"

namespace tarvix::devsim {

namespace {

LanPort ParseEntry(ByteView entry) {
  LanPort port;
  port.name = GetTextField(entry, 0, 10);
  port.address = GetTextField(entry, 10, 16);
  port.netmask = GetTextField(entry, 26, 16);
  port.gateway = GetTextField(entry, 42, 16);
  port.dhcp = GetTextField(entry, 58, 2);
  return port;
}

}  // namespace

std::optional<std::array<LanPort, 2>> ParseLanInfo(ByteView payload) {
  if (payload.size() < kLanInfoSize) return std::nullopt;
  return std::array<LanPort, 2>{ParseEntry(payload.subspan(0, kLanEntrySize)),
                                ParseEntry(payload.subspan(kLanEntrySize, kLanEntrySize))};
}

}  // namespace tarvix::devsim
