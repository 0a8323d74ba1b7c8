#pragma once
#include <cstddef>
#include <string_view>

namespace tarvix {

// The longest prefix of `text` of at most `maxBytes` bytes that does not split
// a UTF-8 character: what a fixed-size field of the device or the system can
// hold of a longer entry.
inline std::string_view CutUtf8(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t n = maxBytes;
  // Step back over continuation bytes so the cut lands before a lead byte.
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0u) == 0x80u) --n;
  return text.substr(0, n);
}

}  // namespace tarvix
