#include "addons/EmbeddedPayloads.h"

#include <algorithm>
#include <cctype>

namespace tarvix::addons {
namespace {

bool SameType(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::optional<std::span<const std::uint8_t>> FindPayload(std::string_view type, unsigned id) {
  const auto resourceId = static_cast<std::uint16_t>(id & 0xFFFFu);
  for (const EmbeddedPayload& payload : EmbeddedPayloadTable()) {
    if (payload.id != resourceId || !SameType(payload.type, type)) continue;
    return std::span<const std::uint8_t>(payload.begin, payload.end);
  }
  return std::nullopt;
}

}  // namespace tarvix::addons
