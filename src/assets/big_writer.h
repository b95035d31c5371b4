#pragma once
// Writes BIG archives for the sample installation and for tests. The editor itself only reads
// archives; this writer makes the same layout the reader expects, in the variants the game's
// tools produced: the length field in either byte order, packed entries, a wholly packed file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvale {

struct BigWriterEntry {
  std::string name;           // relative path with backslashes, at most 258 characters
  std::vector<uint8_t> data;
  bool pack = false;          // store the entry as a packed block
};

struct BigWriteOptions {
  bool lengthBigEndian = false;  // the archive length field, little-endian unless set
  bool packWhole = false;        // the whole file as one packed block (up to 16 MiB unpacked)
};

// The archive's bytes, or empty when an entry cannot be stored (a name too long or holding a
// NUL, an entry that does not pack) or the archive outgrows 32-bit offsets or the packed form.
std::vector<uint8_t> BuildBigArchive(const std::vector<BigWriterEntry>& entries, const BigWriteOptions& options);

// Builds the archive and writes it atomically to `path`.
bool WriteBigArchive(std::string_view path, const std::vector<BigWriterEntry>& entries,
                     const BigWriteOptions& options);

}  // namespace torvale
