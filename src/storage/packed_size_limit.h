#pragma once
// How large a packed block from an outside file may claim to unpack. The LZ copy codec's
// densest command, four bytes, yields 1028 bytes, so a genuine LZ block never unpacks to more
// than 257 bytes per packed byte. The Huffman codec's repeats and nested byte pairs can expand
// much further, so for those families a fixed ceiling stands in. A header claiming more is
// forged or damaged, and is refused before anything is allocated for it.

#include <cstdint>

namespace torvale {

inline constexpr uint64_t kMaxPackExpansion = 257;
inline constexpr uint64_t kMaxNonLzUnpackedSize = uint64_t{256} << 20;

// `family` is the block's first byte; 0x10, 0x11, 0x90 and 0x91 are the LZ copy forms.
inline bool IsPlausibleUnpackedSize(uint64_t unpackedSize, uint64_t packedLength, uint8_t family = 0x10) {
  const bool lz = (family & 0x7E) == 0x10;
  return unpackedSize <= packedLength * kMaxPackExpansion || (!lz && unpackedSize <= kMaxNonLzUnpackedSize);
}

}  // namespace torvale
