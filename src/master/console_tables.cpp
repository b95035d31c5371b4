#include "master/console_tables.h"

namespace torvale {

ConsoleConversions::ConsoleConversions() {
  for (auto& table : appearance_)
    for (size_t v = 0; v < table.size(); ++v) table[v] = static_cast<uint8_t>(v);
  for (auto& bits : maskBits_)
    for (size_t b = 0; b < bits.size(); ++b) bits[b] = static_cast<uint8_t>(b);
}

uint32_t ConsoleConversions::YouthMask(int mask, uint32_t value) const {
  uint32_t out = 0;
  for (int bit = 0; bit < 32; ++bit) {
    if ((value & (1u << bit)) == 0) continue;
    const uint8_t to = MaskBit(mask, bit);
    if (to < 32) out |= 1u << to;
  }
  return out;
}

}  // namespace torvale
