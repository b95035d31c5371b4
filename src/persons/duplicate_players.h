#pragma once
// The duplicate-player report ("Doppelte Spieler anzeigen"): pairs of persons under contract
// at clubs who carry exactly the same surname and first name, so the user can remove one.
//
// How CPlayerDouble uses it:
//   1. index = BuildDuplicateIndex(world, collation): every person under contract with a club
//      of countries 1-206 except the national pseudo-clubs (the free players are not in it),
//      sorted by surname, then first name, in the user's collation (the GUI passes a
//      QCollator comparison). Persons of exactly the same name stand together in walk order.
//   2. pairs = FindDuplicatePairs(world, index, filter): neighbours of the index whose names
//      are equal byte for byte (so names that differ in case only are no pair, although the
//      collation puts them side by side); three equal names give two pairs. The filter is the
//      scope ("Alle", "Nur von <Land>", "Nur von <Verein>", DefaultDuplicateScope for the
//      preselection) and the flag "Nur Spieler mit gleichem Geburtsdatum anzeigen".
//   3. rows: MakeDuplicateRow per pair; sort with CompareDuplicateRows and the header clicks
//      of ClickSortColumn (list_order.h).
//   4. "delplayer1"/"delplayer2": RemoveDuplicatePerson(world, pair side), then rebuild 1-3.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "persons/list_order.h"
#include "world/date.h"

namespace torvale {

class CPlayer;
class CWorldDatabase;

struct DuplicateIndexEntry {
  const CPlayer* person = nullptr;
  uint32_t clubId = 0;
  int country = 0;
  std::string_view surname;  // the person's names, measured once for the sort
  std::string_view firstName;
};

// One side of a pair.
struct DuplicatePerson {
  uint32_t playerId = 0;
  uint32_t clubId = 0;
  int country = 0;
};

struct DuplicatePair {
  DuplicatePerson first;
  DuplicatePerson second;
};

enum class DuplicateScope { kAll, kCountry, kClub };

struct DuplicateFilter {
  DuplicateScope scope = DuplicateScope::kAll;
  int country = 0;       // with kCountry
  uint32_t clubId = 0;   // with kClub (bit 24 ignored)
  bool sameBirthDate = false;
};

// The narrowest scope the caller allows: the club when one is given that is not a national
// pseudo-club, else the country when one is given, else all.
DuplicateScope DefaultDuplicateScope(int country, uint32_t clubId);
// Whether the scope choice can be offered ("Nur von <Verein>" only for a regular club).
bool DuplicateScopeAvailable(DuplicateScope scope, int country, uint32_t clubId);

std::vector<DuplicateIndexEntry> BuildDuplicateIndex(const CWorldDatabase& world, const NameCompare& collation);

std::vector<DuplicatePair> FindDuplicatePairs(const std::vector<DuplicateIndexEntry>& index,
                                              const DuplicateFilter& filter);

// Columns of the report.
enum DuplicateColumn : int {
  kDuplicateName = 0,  // "Name" (848)
  kDuplicateClub1,     // "Verein 1", "Verein 2" (851)
  kDuplicateClub2,
  kDuplicateBirth1,    // "Geburtstag 1", "Geburtstag 2" (852)
  kDuplicateBirth2,
  kDuplicatePos1,      // "Pos 1", "Pos 2" (864)
  kDuplicatePos2,
  kDuplicateColumnCount
};

struct DuplicateRow {
  DuplicatePair pair;
  std::string name;                 // "%s, %s": surname, first name
  std::string clubTexts[2];         // "%s (%s)": club name, country name
  std::string birthTexts[2];        // "dd.mm.yyyy"
  std::string positionTexts[2];
  // Sort keys.
  std::string surname;
  std::string firstName;
  std::string clubNames[2];
  std::string countryNames[2];
  DATE birthDays[2];
  int positionKeys[2] = {};

  // The text of one column.
  const std::string& Text(int column) const;
};

// The row of a pair; false when a person no longer exists.
bool MakeDuplicateRow(const CWorldDatabase& world, const DuplicatePair& pair, DuplicateRow& row);

// Column 0: surname, then first name; 1 and 2: that side's club name, then country name;
// 3 and 4: that side's birth date (earlier first); 5 and 6: that side's position or role
// (players by main position, before officials by role). Names compare through `names`.
int CompareDuplicateRows(const DuplicateRow& left, const DuplicateRow& right, int column, const NameCompare& names);

// "delplayer1"/"delplayer2": the person leaves its club (and any national squad that lists
// it) and the list of players without club. It stays in the person table but belongs to no
// list, so the next save does not write it. False when the person does not exist.
bool RemoveDuplicatePerson(CWorldDatabase& world, const DuplicatePerson& side);

}  // namespace torvale
