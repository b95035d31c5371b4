#include "storage/form_chunk.h"

#include <cstring>

namespace torvale {

uint32_t FormTagIndex(const uint8_t tag[4]) {
  for (uint32_t index = 1; index < kFormTagCount; ++index)
    if (std::memcmp(tag, kFormTagBytes[index].data(), 4) == 0) return index;
  return kFormTagNone;
}

}  // namespace torvale
