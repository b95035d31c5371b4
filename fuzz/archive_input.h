#pragma once
// Writes a fuzz input as a chunk file. Inputs that do not start with "FORM" get a header with
// the right length put in front, so that the chunk reading itself is reached as often as the
// header checks.

#include <cstddef>
#include <cstdint>
#include <cstdio>

inline bool WriteArchiveInput(const char* path, const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const bool hasHeader = size >= 4 && data[0] == 'F' && data[1] == 'O' && data[2] == 'R' && data[3] == 'M';
  if (!hasHeader) {
    const uint32_t length = static_cast<uint32_t>(size + 8);
    const uint8_t header[8] = {'F', 'O', 'R', 'M', uint8_t(length), uint8_t(length >> 8), uint8_t(length >> 16),
                               uint8_t(length >> 24)};
    std::fwrite(header, 1, sizeof header, file);
  }
  if (size) std::fwrite(data, 1, size, file);
  return std::fclose(file) == 0;
}
