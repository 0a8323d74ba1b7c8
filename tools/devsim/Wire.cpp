#include "tools/devsim/Wire.h"

#include <algorithm>

namespace tarvix::devsim {

namespace {

void EnsureSize(Bytes& out, std::size_t size) {
  if (out.size() < size) out.resize(size, 0);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

void PutU32(Bytes& out, std::size_t offset, std::uint32_t value) {
  EnsureSize(out, offset + 4);
  for (std::size_t i = 0; i < 4; ++i) {
    out[offset + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu);
  }
}

std::optional<std::uint32_t> GetU32(ByteView in, std::size_t offset) {
  if (offset > in.size() || in.size() - offset < 4) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(in[offset + i]) << (8 * i);
  }
  return value;
}

void PutTextField(Bytes& out, std::size_t offset, std::size_t width, std::string_view text) {
  EnsureSize(out, offset + width);
  const auto count = std::min(width, text.size());
  std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(offset), width, std::uint8_t{0});
  std::copy_n(text.begin(), count, out.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::string GetTextField(ByteView in, std::size_t offset, std::size_t width) {
  if (offset >= in.size()) return {};
  const auto field = in.subspan(offset, std::min(width, in.size() - offset));
  const auto nul = std::find(field.begin(), field.end(), std::uint8_t{0});
  return std::string(field.begin(), nul);
}

void PutBytes(Bytes& out, std::size_t offset, ByteView bytes) {
  EnsureSize(out, offset + bytes.size());
  std::copy(bytes.begin(), bytes.end(), out.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::string ToHex(ByteView bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const auto byte : bytes) {
    text.push_back(kDigits[byte >> 4]);
    text.push_back(kDigits[byte & 0x0F]);
  }
  return text;
}

std::optional<Bytes> FromHex(std::string_view text) {
  Bytes bytes;
  int high = -1;
  for (const char c : text) {
    if (c == ' ' || c == ':') continue;
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    if (high < 0) {
      high = digit;
    } else {
      bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
      high = -1;
    }
  }
  if (high >= 0) return std::nullopt;
  return bytes;
}

}  // namespace tarvix::devsim
