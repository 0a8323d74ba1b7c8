#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvix {

// Fixed-width, NUL-terminated text fields are part of the data model. These helpers
// are the only way text enters such a field, so nothing is ever written past one.

// Copies at most width - 1 bytes of text (stopping at a NUL) and terminates.
void CopyField(char* field, size_t width, std::string_view text);

template <size_t N>
void CopyField(char (&field)[N], std::string_view text) {
  CopyField(field, N, text);
}

// Text of a field up to its first NUL, never past its width.
std::string_view FieldText(const char* field, size_t width);

template <size_t N>
std::string_view FieldText(const char (&field)[N]) {
  return FieldText(field, N);
}

// The text that a field of `width` bytes holds after CopyField(text).
std::string_view FieldTextOf(std::string_view text, size_t width);

// Text of a received field of `width` bytes at `offset`, limited to the datagram.
std::string_view ReadTextField(const uint8_t* datagram, size_t length, size_t offset, size_t width);

// "%d.%d.%d.%d" of four bytes, each unsigned.
std::string FormatAddress(const uint8_t* fourBytes);

// Parses strict dotted-quad text into four bytes; false for anything else.
bool ParseAddress(std::string_view text, uint8_t* fourBytes);

}  // namespace tarvix
