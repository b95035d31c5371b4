#pragma once
// The four spoken-language slots of a person or a national coach: the mother tongue first,
// then up to three foreign languages. The game expects no language twice and no empty slot
// before a filled one, so every edit goes through this rule.

#include <array>
#include <cstdint>

namespace torvale {

using LanguageSlots = std::array<uint8_t, 4>;

// Sets slot `slot` to `language`. Nothing changes when `language` is negative, too large for a
// slot, or already spoken in an earlier slot. Afterwards later duplicates are cleared and the
// remaining languages move up so that no gap is left. Returns whether the slots changed.
bool SetLanguageSlot(LanguageSlots& slots, int slot, int language);

// Clears duplicates (a later occurrence of a language) and closes gaps.
void NormaliseLanguageSlots(LanguageSlots& slots);

}  // namespace torvale
