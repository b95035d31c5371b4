#include "persons/duplicate_players.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <utility>

#include "database/world_database.h"
#include "persons/person_texts.h"
#include "persons/world_persons.h"
#include "world/fixed_text.h"

namespace torvale {

namespace {

bool IsRegularClub(uint32_t clubId) { return clubId != 0 && ClubNumber(clubId) != kAmateurClubNumber; }

bool SideInScope(const DuplicateIndexEntry& side, const DuplicateFilter& filter) {
  switch (filter.scope) {
    case DuplicateScope::kClub:
      return (side.clubId & ~kReserveTeamBit) == (filter.clubId & ~kReserveTeamBit);
    case DuplicateScope::kCountry: return side.country == filter.country;
    default: return true;
  }
}

DuplicatePerson Side(const DuplicateIndexEntry& entry) { return {entry.person->id, entry.clubId, entry.country}; }

}  // namespace

DuplicateScope DefaultDuplicateScope(int country, uint32_t clubId) {
  if (IsRegularClub(clubId)) return DuplicateScope::kClub;
  if (country != 0) return DuplicateScope::kCountry;
  return DuplicateScope::kAll;
}

bool DuplicateScopeAvailable(DuplicateScope scope, int country, uint32_t clubId) {
  switch (scope) {
    case DuplicateScope::kClub: return IsRegularClub(clubId);
    case DuplicateScope::kCountry: return country != 0;
    default: return true;
  }
}

std::vector<DuplicateIndexEntry> BuildDuplicateIndex(const CWorldDatabase& world, const NameCompare& collation) {
  // Persons of exactly the same name are gathered first (in walk order) and only the distinct
  // names are sorted: far fewer comparisons through the collation, and equal names always end
  // up side by side, even where the collation ranks a case variant ("MUSTER") equal to them.
  struct NameGroup {
    std::string_view surname;
    std::string_view firstName;
    size_t count = 0;
    size_t start = 0;  // where the group begins in the sorted index
  };
  struct NameKeyHash {
    size_t operator()(const std::pair<std::string_view, std::string_view>& key) const {
      const size_t h = std::hash<std::string_view>()(key.first);
      return h ^ (std::hash<std::string_view>()(key.second) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2));
    }
  };
  std::vector<NameGroup> groups;
  std::unordered_map<std::pair<std::string_view, std::string_view>, uint32_t, NameKeyHash> groupOf;
  std::vector<DuplicateIndexEntry> walked;
  std::vector<uint32_t> groupOfEntry;
  walked.reserve(world.Persons().Count());
  groupOfEntry.reserve(world.Persons().Count());
  const CPersonTable& persons = world.Persons();
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry* country = world.Country(n);
    if (!country) continue;
    for (const auto& [id, club] : country->Clubs()) {
      if (club->Number() == kAmateurClubNumber) continue;
      for (uint32_t playerId : club->PlayerIds()) {
        const CPlayer* person = persons.FindPlayer(playerId);
        if (!person) continue;
        walked.push_back({person, club->clubId, n, FixedText(person->surname), FixedText(person->firstName)});
        const auto [it, added] =
            groupOf.try_emplace({walked.back().surname, walked.back().firstName}, static_cast<uint32_t>(groups.size()));
        if (added) groups.push_back({walked.back().surname, walked.back().firstName});
        ++groups[it->second].count;
        groupOfEntry.push_back(it->second);
      }
    }
  }
  std::vector<NameGroup*> order;
  order.reserve(groups.size());
  for (NameGroup& group : groups) order.push_back(&group);
  std::stable_sort(order.begin(), order.end(), [&](const NameGroup* a, const NameGroup* b) {
    if (int c = collation(a->surname, b->surname)) return c < 0;
    return collation(a->firstName, b->firstName) < 0;
  });
  size_t start = 0;
  for (NameGroup* group : order) {
    group->start = start;
    start += group->count;
  }
  // Each entry goes to the next free place of its group: walk order within a group.
  std::vector<DuplicateIndexEntry> index(walked.size());
  for (size_t i = 0; i < walked.size(); ++i) index[groups[groupOfEntry[i]].start++] = walked[i];
  return index;
}

std::vector<DuplicatePair> FindDuplicatePairs(const std::vector<DuplicateIndexEntry>& index,
                                              const DuplicateFilter& filter) {
  std::vector<DuplicatePair> pairs;
  for (size_t i = 0; i + 1 < index.size(); ++i) {
    const DuplicateIndexEntry& a = index[i];
    const DuplicateIndexEntry& b = index[i + 1];
    if (a.surname != b.surname || a.firstName != b.firstName) continue;
    if (!SideInScope(a, filter) && !SideInScope(b, filter)) continue;
    if (filter.sameBirthDate && a.person->birthDate != b.person->birthDate) continue;
    pairs.push_back({Side(a), Side(b)});
  }
  return pairs;
}

const std::string& DuplicateRow::Text(int column) const {
  switch (column) {
    case kDuplicateClub1: return clubTexts[0];
    case kDuplicateClub2: return clubTexts[1];
    case kDuplicateBirth1: return birthTexts[0];
    case kDuplicateBirth2: return birthTexts[1];
    case kDuplicatePos1: return positionTexts[0];
    case kDuplicatePos2: return positionTexts[1];
    default: return name;
  }
}

bool MakeDuplicateRow(const CWorldDatabase& world, const DuplicatePair& pair, DuplicateRow& row) {
  const DuplicatePerson sides[2] = {pair.first, pair.second};
  const CPlayer* persons[2] = {world.Persons().FindPlayer(pair.first.playerId),
                               world.Persons().FindPlayer(pair.second.playerId)};
  if (!persons[0] || !persons[1]) return false;
  row.pair = pair;
  row.surname = FixedText(persons[0]->surname);
  row.firstName = FixedText(persons[0]->firstName);
  row.name = row.surname + ", " + row.firstName;
  for (int s = 0; s < 2; ++s) {
    row.clubNames[s] = WorldClubName(world, sides[s].clubId);
    row.countryNames[s] = WorldCountryName(world, sides[s].country);
    row.clubTexts[s] = row.clubNames[s] + " (" + row.countryNames[s] + ")";
    row.birthDays[s] = persons[s]->birthDate;
    row.birthTexts[s] = BirthDateText(persons[s]->birthDate);
    row.positionTexts[s] = PositionOrRoleText(*persons[s]);
    row.positionKeys[s] = PositionOrRoleKey(*persons[s]);
  }
  return true;
}

int CompareDuplicateRows(const DuplicateRow& left, const DuplicateRow& right, int column, const NameCompare& names) {
  switch (column) {
    case kDuplicateName:
      if (int c = names(left.surname, right.surname)) return c;
      return names(left.firstName, right.firstName);
    case kDuplicateClub1:
    case kDuplicateClub2: {
      const int s = column - kDuplicateClub1;
      if (int c = names(left.clubNames[s], right.clubNames[s])) return c;
      return names(left.countryNames[s], right.countryNames[s]);
    }
    case kDuplicateBirth1:
    case kDuplicateBirth2: {
      const int s = column - kDuplicateBirth1;
      return CompareValues(left.birthDays[s].jdn, right.birthDays[s].jdn);
    }
    case kDuplicatePos1:
    case kDuplicatePos2: {
      const int s = column - kDuplicatePos1;
      return CompareValues(left.positionKeys[s], right.positionKeys[s]);
    }
    default: return 0;
  }
}

bool RemoveDuplicatePerson(CWorldDatabase& world, const DuplicatePerson& side) {
  if (!world.Persons().FindPlayer(side.playerId)) return false;
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    CCountry* country = world.Country(n);
    if (!country) continue;
    for (const auto& [id, club] : country->Clubs()) club->RemovePlayer(side.playerId);
  }
  if (CPlayersWithoutClub* freeList = world.PlayersWithoutClub()) freeList->Remove(side.playerId);
  return true;
}

}  // namespace torvale
