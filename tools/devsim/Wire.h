#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix::devsim {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// Little-endian 32-bit fields, as every length field of the protocol.
void PutU32(Bytes& out, std::size_t offset, std::uint32_t value);
std::optional<std::uint32_t> GetU32(ByteView in, std::size_t offset);

// Copies at most `width` bytes of text into a zero-filled field; a text of
// exactly `width` bytes is left without terminator, as on real devices.
void PutTextField(Bytes& out, std::size_t offset, std::size_t width, std::string_view text);

// Reads a fixed-width text field up to its first NUL, never past the field
// or the datagram.
std::string GetTextField(ByteView in, std::size_t offset, std::size_t width);

void PutBytes(Bytes& out, std::size_t offset, ByteView bytes);

std::string ToHex(ByteView bytes);
std::optional<Bytes> FromHex(std::string_view text);

}  // namespace tarvix::devsim
