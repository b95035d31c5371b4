#include "persons/free_players.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "database/world_database.h"
#include "persons/person_texts.h"
#include "persons/world_persons.h"

namespace torvale {

namespace {

bool InFreeList(const CPlayersWithoutClub& list, uint32_t playerId) {
  for (size_t i = 0; i < list.Count(); ++i)
    if (list.IdAt(i) == playerId) return true;
  return false;
}

}  // namespace

const std::string& FreePlayerRow::Text(int column) const {
  switch (column) {
    case kFreeNationality: return nationality;
    case kFreePosition: return position;
    case kFreeStrength: return strength;
    default: return name;
  }
}

bool MakeFreePlayerRow(const CWorldDatabase& world, size_t index, FreePlayerRow& row) {
  const CPlayersWithoutClub* list = world.PlayersWithoutClub();
  const CPlayer* person = list ? list->At(index) : nullptr;
  if (!person) return false;
  row = {};
  row.playerId = person->id;
  row.name = person->ShortName();
  row.position = PositionOrRoleText(*person);
  row.positionKey = PositionOrRoleKey(*person);
  row.strengthValue = person->Strength();
  if (person->role == kRolePlayer) {
    if (const CCountry* country = world.Country(person->nationality))
      row.nationality = country->ShortName(world.Language());
    char text[32];
    std::snprintf(text, sizeof text, "%2.1f", static_cast<double>(row.strengthValue));
    row.strength = text;
  }
  return true;
}

int CompareFreePlayerRows(const FreePlayerRow& left, const FreePlayerRow& right, int column, const NameCompare& names) {
  switch (column) {
    case kFreeName: return names(left.name, right.name);
    case kFreeNationality: return names(left.nationality, right.nationality);
    case kFreePosition: return CompareValues(left.positionKey, right.positionKey);
    case kFreeStrength: return CompareValues(left.strengthValue, right.strengthValue);
    default: return 0;
  }
}

std::vector<uint32_t> MoveFreePlayersToClub(CWorldDatabase& world, std::span<const uint32_t> playerIds,
                                            uint32_t clubId) {
  std::vector<uint32_t> moved;
  CClub* club = FindWorldClub(world, clubId);
  CPlayersWithoutClub* list = world.PlayersWithoutClub();
  if (!club || !list) return moved;
  for (uint32_t id : playerIds) {
    CPlayer* person = world.Persons().FindPlayer(id);
    if (!person || !InFreeList(*list, id) || club->HasPlayer(id)) continue;
    if (!club->AddPlayer(id)) continue;  // full: the row stays
    list->Remove(id);
    person->team = static_cast<int8_t>((clubId & kReserveTeamBit) ? 1 : 0);
    moved.push_back(id);
  }
  return moved;
}

int DeleteFreePlayers(CWorldDatabase& world, std::span<const uint32_t> playerIds) {
  CPlayersWithoutClub* list = world.PlayersWithoutClub();
  if (!list) return 0;
  // A person some club lists as well (a damaged file) leaves the list but stays in the table,
  // so that club keeps no dangling id. One walk over the clubs answers that for all of them.
  const std::set<uint32_t> wanted(playerIds.begin(), playerIds.end());
  std::set<uint32_t> listedByClubs;
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry* country = world.Country(n);
    if (!country) continue;
    for (const auto& [id, club] : country->Clubs())
      for (uint32_t listed : club->PlayerIds())
        if (wanted.contains(listed)) listedByClubs.insert(listed);
  }
  int deleted = 0;
  for (auto it = playerIds.rbegin(); it != playerIds.rend(); ++it) {
    if (!InFreeList(*list, *it)) continue;
    list->Remove(*it);
    if (!listedByClubs.contains(*it)) world.Persons().RemovePlayer(*it);
    ++deleted;
  }
  return deleted;
}

int RowAfterRemovals(int previousRow, std::span<const int> removedRows, int rowCount) {
  if (rowCount <= 0) return -1;
  const auto above = std::count_if(removedRows.begin(), removedRows.end(), [&](int r) { return r < previousRow; });
  return std::clamp(previousRow - static_cast<int>(above), 0, rowCount - 1);
}

}  // namespace torvale
