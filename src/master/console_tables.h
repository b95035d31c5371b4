#pragma once
// Conversions of appearance values and youth masks for the console edition of the game. The
// console edition draws its players from the same appearance numbers as the PC edition, so
// the tables we ship map every value to itself; they are tables (not a pass-through) so that
// a console edition with a different numbering only needs new table contents.

#include <array>
#include <cstddef>
#include <cstdint>

namespace torvale {

enum ConsoleAppearance : int { kConsoleHairColour = 0, kConsoleSkinColour, kConsoleFace, kConsoleHairStyle, kConsoleFacialHair, kConsoleAppearanceCount };

class ConsoleConversions {
 public:
  // Identity tables.
  ConsoleConversions();

  uint8_t Appearance(int kind, uint8_t value) const {
    return appearance_[static_cast<size_t>(kind)][value];
  }
  void SetAppearance(int kind, uint8_t from, uint8_t to) {
    appearance_[static_cast<size_t>(kind)][from] = to;
  }
  // A youth appearance mask (index 0-4 as the country stores them): bit b of the PC mask
  // becomes bit MaskBit(mask, b) of the console mask; bits mapped to 32 or above are dropped.
  uint32_t YouthMask(int mask, uint32_t value) const;
  uint8_t MaskBit(int mask, int bit) const { return maskBits_[static_cast<size_t>(mask)][static_cast<size_t>(bit)]; }
  void SetMaskBit(int mask, int bit, uint8_t to) { maskBits_[static_cast<size_t>(mask)][static_cast<size_t>(bit)] = to; }

 private:
  std::array<std::array<uint8_t, 256>, kConsoleAppearanceCount> appearance_;
  std::array<std::array<uint8_t, 32>, 5> maskBits_;
};

}  // namespace torvale
