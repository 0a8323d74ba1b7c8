#include "protocol/FixedText.h"

#include <cstdio>
#include <cstring>

namespace tarvix {

std::string_view FieldTextOf(std::string_view text, size_t width) {
  if (width == 0) return {};
  size_t n = text.find('\0');
  if (n == std::string_view::npos) n = text.size();
  if (n > width - 1) n = width - 1;
  return text.substr(0, n);
}

void CopyField(char* field, size_t width, std::string_view text) {
  if (width == 0) return;
  const std::string_view kept = FieldTextOf(text, width);
  // An empty view may carry a null pointer, which memcpy must never see.
  if (!kept.empty()) std::memcpy(field, kept.data(), kept.size());
  field[kept.size()] = '\0';
}

std::string_view FieldText(const char* field, size_t width) {
  const void* nul = std::memchr(field, '\0', width);
  size_t n = nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : width;
  return {field, n};
}

std::string_view ReadTextField(const uint8_t* datagram, size_t length, size_t offset,
                               size_t width) {
  if (offset >= length) return {};
  size_t avail = length - offset;
  if (width > avail) width = avail;
  return FieldText(reinterpret_cast<const char*>(datagram + offset), width);
}

std::string FormatAddress(const uint8_t* b) {
  char text[20];
  std::snprintf(text, sizeof text, "%d.%d.%d.%d", b[0], b[1], b[2], b[3]);
  return text;
}

bool ParseAddress(std::string_view text, uint8_t* out) {
  uint8_t bytes[4];
  size_t pos = 0;
  for (int i = 0; i < 4; ++i) {
    if (i > 0) {
      if (pos >= text.size() || text[pos] != '.') return false;
      ++pos;
    }
    int value = 0;
    size_t digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 3) {
      value = value * 10 + (text[pos] - '0');
      ++pos;
      ++digits;
    }
    if (digits == 0 || value > 255) return false;
    bytes[i] = static_cast<uint8_t>(value);
  }
  if (pos != text.size()) return false;
  std::memcpy(out, bytes, 4);
  return true;
}

}  // namespace tarvix
