#include "addons/EmbeddedPayloads.h"

#include "common/EqualsIgnoringCase.h"

namespace tarvix::addons {

std::optional<std::span<const std::uint8_t>> FindPayload(std::string_view type, unsigned id) {
  const auto resourceId = static_cast<std::uint16_t>(id & 0xFFFFu);
  for (const EmbeddedPayload& payload : EmbeddedPayloadTable()) {
    if (payload.id != resourceId || !EqualsIgnoringCase(payload.type, type)) continue;
    return std::span<const std::uint8_t>(payload.begin, payload.end);
  }
  return std::nullopt;
}

}  // namespace tarvix::addons
