#pragma once
// Competition ids: every competition node is filed and referred to by one 32-bit number that
// packs the owning country, the competition kind and a running index:
//   ((country << 8) + kind) << 16 + index
// Country 250 holds the international competitions; id 0 means "no competition".

#include <cstdint>
#include <string>
#include <string_view>

namespace torvale {

using CompetitionId = uint32_t;

// Competition kinds as stored in the id's bits 16-23. Value 2 is unused and has no name.
struct CompKind {
  enum : int {
    ROOT = 0,
    LEAGUE = 1,
    FA_CUP = 3,
    LE_CUP = 4,
    CHALLENGE_SHIELD = 5,
    CONFERENCE_CUP = 6,
    SUPERCUP = 7,
    RELEGATION = 8,
    CHAMPIONSLEAGUE = 9,
    UEFA_CUP = 10,
    TOYOTA = 11,
    EURO_SUPERCUP = 12,
    WORLD_CLUB_CHAMP = 13,
    UIC = 14,
    QUALI_WC = 15,
    QUALI_EC = 16,
    WORLD_CUP = 17,
    EURO_CUP = 18,
    REL1 = 19,
    REL2 = 20,
    REL3 = 21,
    INDOOR = 22,
    FRIENDLY = 23,
    SCOTT1 = 24,
    SCOTT2 = 25,
    SWITZERLAND = 26,
  };
};

// The pseudo-country of the international competitions.
constexpr int kInternationalCountry = 250;

constexpr CompetitionId MakeCompetitionId(int country, int kind, int index) {
  return ((((static_cast<uint32_t>(country) & 0xFF) << 8) + (static_cast<uint32_t>(kind) & 0xFF))
          << 16) +
         (static_cast<uint32_t>(index) & 0xFFFF);
}
constexpr int CompetitionCountry(CompetitionId id) { return static_cast<int>(id >> 24); }
constexpr int CompetitionKindOf(CompetitionId id) { return static_cast<int>((id >> 16) & 0xFF); }
constexpr int CompetitionIndex(CompetitionId id) { return static_cast<int>(id & 0xFFFF); }
// The same competition filed under another country (top byte replaced).
constexpr CompetitionId WithCountry(CompetitionId id, int country) {
  return (id & 0x00FFFFFFu) | ((static_cast<uint32_t>(country) & 0xFF) << 24);
}

// Kind names, looked up by value for writing ("" for a value without a name) and by name for
// reading (prefix rule of the structure files; `fallback` when nothing matches).
std::string_view CompetitionKindName(int kind);
int CompetitionKindFromName(std::string_view field, int fallback);

// The text form "{ %d, %s, %d }". The country is `countryOverride` unless that is -1, else the
// id's top byte read as a signed byte, which is why country 250 appears as -6 in files.
std::string FormatCompetitionId(CompetitionId id, int countryOverride = -1);
// Parses the text form starting at the first '{' of `text`; only the low 8 bits of the
// country are kept, so -6 comes back as 250. `consumed` (when given) receives the offset just
// behind the closing '}' (or the end of the text). Returns 0 when there is no '{'.
CompetitionId ParseCompetitionId(std::string_view text, size_t* consumed = nullptr);

}  // namespace torvale
