#pragma once
// The looks of persons in files of the two editions before 0x2004 were numbered differently:
// the 2004 edition added hair colours, faces, haircuts and beards and renumbered them from 1
// in the order the editor lists them (the youth appearance masks of a country use the same
// numbers). Old numbers are translated through these tables; a number an old edition did
// not have becomes 0, which the game draws as its plain default look.
//
// The current numbering:
//   hair colour  1 black, 2 brown, 3 dark blond, 4 blond, 5 red
//   face         1-7 European, 8-13 Asian, 14-19 African, 20-25 Latin
//   haircut      1 short shaved, 2 long, 3 long curly, 4 fringe long, 5 medium short,
//                6 short afro, 7 short dreadlocks, 8 sideburns, 9 dreadlocks, 10 ponytail
//   facial hair  1 none, 2 partial goatee, 3 moustache, 4 stubble, 5 full goatee, 6 full beard
// The skin colour kept its numbering and is not translated.

#include <cstdint>

namespace torvale {

enum class LegacyEdition {
  kUnversioned,  // files without a "VERSION" section
  kEdition2003,  // files of version 0x2003
};

struct LegacyAppearance {
  uint8_t hairColour = 0;
  uint8_t face = 0;
  uint8_t hairStyle = 0;
  uint8_t facialHair = 0;
};

// Translates the four numbered looks of an old file into the current numbering.
LegacyAppearance ConvertLegacyAppearance(LegacyEdition edition, const LegacyAppearance& old);

}  // namespace torvale
