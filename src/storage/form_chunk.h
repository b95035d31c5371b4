#pragma once
// FORM chunk files: "FORM", the file's total length (u32, little-endian), then chunks back to
// back, each a four-byte tag, the length of its packed block (u32, little-endian) and the
// packed block. World archives ("*.zdb") are such files.

#include <array>
#include <cstdint>
#include <vector>

namespace torvale {

// The chunk tags by their index; the index is what the program passes around.
enum FormTag : uint32_t {
  kFormTagNone = 0,     // four zero bytes; also any tag that is not in the table
  kFormTagCountry = 1,  // "COUN": country number (u32) and the country file
  kFormTagClub = 2,     // "CLUB"
  kFormTagPlayer = 3,   // "PLAY"
  kFormTagBadge = 4,    // "BADG": NUL-terminated file name, then the badge image file
  kFormTagKit = 5,      // "KIT ": defined, never written or handled
  kFormTagPicture = 6,  // "PLIM": NUL-terminated file name, then the player picture file
  // Our own additions for the automatic backups; an import of the game's kind skips them.
  kFormTagFile = 7,     // "FILE": NUL-terminated name, then a database file other than a country's
  kFormTagInfo = 8,     // "INFO": the backup's description (text)
};

inline constexpr uint32_t kFormTagCount = 9;
inline constexpr std::array<std::array<char, 4>, kFormTagCount> kFormTagBytes = {{
    {0, 0, 0, 0},
    {'C', 'O', 'U', 'N'},
    {'C', 'L', 'U', 'B'},
    {'P', 'L', 'A', 'Y'},
    {'B', 'A', 'D', 'G'},
    {'K', 'I', 'T', ' '},
    {'P', 'L', 'I', 'M'},
    {'F', 'I', 'L', 'E'},
    {'I', 'N', 'F', 'O'},
}};

// The index of a tag read from a file: the first of entries 1..8 it equals, else 0.
uint32_t FormTagIndex(const uint8_t tag[4]);

// One chunk as the reader hands it out: its unpacked data and its tag index.
struct CFormChunk {
  std::vector<uint8_t> data;
  uint32_t tagIndex = kFormTagNone;

  uint32_t Size() const { return static_cast<uint32_t>(data.size()); }
};

}  // namespace torvale
