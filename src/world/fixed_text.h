#pragma once
// Fixed text fields of the world's records: NUL-terminated Windows-1252 bytes in buffers of a
// fixed size, some of which keep fewer characters than their buffer would hold (the game's own
// screens and the master file were laid out for those lengths).

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "storage/record_stream.h"

namespace torvale {

// Stores at most `maxChars` characters (and never more than the buffer holds); the rest of
// the buffer is zeroed so that copies and comparisons of whole records are stable.
inline void SetFixedText(char* buffer, size_t size, std::string_view text, size_t maxChars) {
  if (size == 0) return;
  const size_t n = std::min({text.size(), maxChars, size - 1});
  std::memcpy(buffer, text.data(), n);
  std::memset(buffer + n, 0, size - n);
}

template <size_t N>
void SetFixedText(char (&buffer)[N], std::string_view text, size_t maxChars = N - 1) {
  SetFixedText(buffer, N, text, maxChars);
}

template <size_t N>
std::string_view FixedText(const char (&buffer)[N]) {
  return std::string_view(buffer, strnlen(buffer, N));
}

// Reads one text value into the buffer, keeping at most `maxChars` characters; the buffer is
// unchanged when the value is missing.
template <size_t N>
bool ReadFixedText(CKLFile& file, char (&buffer)[N], size_t maxChars = N - 1) {
  std::string text;
  if (!file.ReadString(text)) return false;
  SetFixedText(buffer, N, text, maxChars);
  return true;
}

template <size_t N>
bool WriteFixedText(CKLFile& file, const char (&buffer)[N]) {
  return file.WriteString(FixedText(buffer));
}

}  // namespace torvale
