#include "world/language_slots.h"

#include <algorithm>

namespace torvale {

void NormaliseLanguageSlots(LanguageSlots& slots) {
  for (size_t i = 1; i < slots.size(); ++i) {
    if (slots[i] == 0) continue;
    if (std::find(slots.begin(), slots.begin() + static_cast<long>(i), slots[i]) !=
        slots.begin() + static_cast<long>(i))
      slots[i] = 0;
  }
  // Stable: the order of the spoken languages is kept, only the empty slots move back.
  std::stable_partition(slots.begin(), slots.end(), [](uint8_t l) { return l != 0; });
}

bool SetLanguageSlot(LanguageSlots& slots, int slot, int language) {
  if (slot < 0 || slot >= static_cast<int>(slots.size())) return false;
  if (language < 0 || language > 0xFF) return false;
  const auto value = static_cast<uint8_t>(language);
  for (int i = 0; i < slot; ++i)
    if (slots[static_cast<size_t>(i)] == value) return false;
  const LanguageSlots before = slots;
  slots[static_cast<size_t>(slot)] = value;
  NormaliseLanguageSlots(slots);
  return slots != before;
}

}  // namespace torvale
