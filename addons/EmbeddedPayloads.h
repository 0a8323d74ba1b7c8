#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tarvix::addons {

// One payload file carried inside the program, by resource type and id.
struct EmbeddedPayload {
  const char* type;
  std::uint16_t id;
  const unsigned char* begin;
  const unsigned char* end;
};

// Every payload the build embedded (made by tarvix_make_payloads).
std::span<const EmbeddedPayload> EmbeddedPayloadTable();

// The bytes of the payload of `type` (letter case ignored) and `id` (only its
// low 16 bits count, as for resource ids); none when the program carries none.
// The bytes live in the program image: nothing is copied.
std::optional<std::span<const std::uint8_t>> FindPayload(std::string_view type, unsigned id);

}  // namespace tarvix::addons
