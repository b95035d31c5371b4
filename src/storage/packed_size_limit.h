#pragma once
// How large a packed block from an outside file may claim to unpack. The LZ copy codec's
// densest command, four bytes, yields 1028 bytes, so a genuine block never unpacks to more than
// 257 bytes per packed byte. A header claiming more is forged or damaged, and is refused before
// anything is allocated for it.

#include <cstdint>

namespace torvale {

inline constexpr uint64_t kMaxPackExpansion = 257;

inline bool IsPlausibleUnpackedSize(uint64_t unpackedSize, uint64_t packedLength) {
  return unpackedSize <= packedLength * kMaxPackExpansion;
}

}  // namespace torvale
