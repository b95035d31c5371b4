#include "world/player_legacy_appearance.h"

#include <cstddef>
#include <span>

namespace torvale {

namespace {

// Each table is indexed by the old number and gives the current one.

// Files without "VERSION": four hair colours, twelve faces, six haircuts, three beards.
constexpr uint8_t kUnversionedHairColour[] = {
    1,  // black
    2,  // brown
    4,  // blond
    5,  // red
};
constexpr uint8_t kUnversionedFace[] = {
    1, 2, 3, 4, 5,  // European
    8, 9,           // Asian
    14, 15, 16,     // African
    20, 21,         // Latin
};
constexpr uint8_t kUnversionedHairStyle[] = {
    1,   // short shaved
    5,   // medium short
    2,   // long
    6,   // short afro
    9,   // dreadlocks
    10,  // ponytail
};
constexpr uint8_t kUnversionedFacialHair[] = {
    1,  // none
    3,  // moustache
    6,  // full beard
};

// Files of 0x2003: five hair colours, twenty faces, nine haircuts, five beards. The edition
// numbered from 0 and had neither the sideburns nor the partial goatee.
constexpr uint8_t kEdition2003HairColour[] = {
    1,  // black
    2,  // brown
    3,  // dark blond
    4,  // blond
    5,  // red
};
constexpr uint8_t kEdition2003Face[] = {
    1,  2,  3,  4,  5,  6,  // European
    8,  9,  10, 11, 12,     // Asian
    14, 15, 16, 17, 18,     // African
    20, 21, 22, 23,         // Latin
};
constexpr uint8_t kEdition2003HairStyle[] = {
    1,   // short shaved
    5,   // medium short
    2,   // long
    3,   // long curly
    4,   // fringe long
    6,   // short afro
    7,   // short dreadlocks
    9,   // dreadlocks
    10,  // ponytail
};
constexpr uint8_t kEdition2003FacialHair[] = {
    1,  // none
    3,  // moustache
    4,  // stubble
    5,  // full goatee
    6,  // full beard
};

struct EditionTables {
  std::span<const uint8_t> hairColour, face, hairStyle, facialHair;
};
constexpr EditionTables kUnversioned{kUnversionedHairColour, kUnversionedFace,
                                     kUnversionedHairStyle, kUnversionedFacialHair};
constexpr EditionTables kEdition2003{kEdition2003HairColour, kEdition2003Face,
                                     kEdition2003HairStyle, kEdition2003FacialHair};

uint8_t Translate(std::span<const uint8_t> table, uint8_t old) {
  return old < table.size() ? table[old] : 0;
}

}  // namespace

LegacyAppearance ConvertLegacyAppearance(LegacyEdition edition, const LegacyAppearance& old) {
  const EditionTables& t = edition == LegacyEdition::kUnversioned ? kUnversioned : kEdition2003;
  LegacyAppearance now;
  now.hairColour = Translate(t.hairColour, old.hairColour);
  now.face = Translate(t.face, old.face);
  now.hairStyle = Translate(t.hairStyle, old.hairStyle);
  now.facialHair = Translate(t.facialHair, old.facialHair);
  return now;
}

}  // namespace torvale
