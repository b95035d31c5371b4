#include "persons/world_persons.h"

#include <algorithm>

#include "database/world_database.h"

namespace torvale {

CClub* FindWorldClub(CWorldDatabase& world, uint32_t clubId) {
  if (clubId == 0) return nullptr;
  CCountry* country = world.Country(ClubCountry(clubId));
  return country ? country->FindClub(clubId & ~kReserveTeamBit) : nullptr;
}

const CClub* FindWorldClub(const CWorldDatabase& world, uint32_t clubId) {
  if (clubId == 0) return nullptr;
  const CCountry* country = world.Country(ClubCountry(clubId));
  return country ? country->FindClub(clubId & ~kReserveTeamBit) : nullptr;
}

std::string WorldClubName(const CWorldDatabase& world, uint32_t clubId) {
  const CClub* club = FindWorldClub(world, clubId);
  return club ? std::string(club->Name(world.Language())) : std::string();
}

std::string WorldCountryName(const CWorldDatabase& world, int country) {
  const CCountry* c = world.Country(country);
  return c ? std::string(c->Name(world.Language())) : std::string();
}

uint32_t FindPersonClub(const CWorldDatabase& world, uint32_t playerId) {
  uint32_t pseudoClub = 0;
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry* country = world.Country(n);
    if (!country) continue;
    for (const auto& [id, club] : country->Clubs()) {
      if (!club->HasPlayer(playerId)) continue;
      if (club->Number() != kAmateurClubNumber) return club->clubId;
      if (pseudoClub == 0) pseudoClub = club->clubId;
    }
  }
  return pseudoClub;
}

bool ListedByAnotherClub(const CWorldDatabase& world, uint32_t playerId, uint32_t exceptClubId) {
  const uint32_t except = exceptClubId & ~kReserveTeamBit;
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry* country = world.Country(n);
    if (!country) continue;
    for (const auto& [id, club] : country->Clubs())
      if (club->clubId != except && club->HasPlayer(playerId)) return true;
  }
  return false;
}

MoveResult TransferPerson(CWorldDatabase& world, uint32_t playerId, uint32_t fromClubId, uint32_t toClubId) {
  CPlayer* person = world.Persons().FindPlayer(playerId);
  CClub* target = FindWorldClub(world, toClubId);
  CPlayersWithoutClub* freeList = world.PlayersWithoutClub();
  if (!person || !target) return MoveResult::kUnchanged;
  CClub* source = nullptr;
  if (fromClubId != 0) {
    source = FindWorldClub(world, fromClubId);
    if (!source || !source->HasPlayer(playerId) || source == target) return MoveResult::kUnchanged;
  } else {
    if (!freeList) return MoveResult::kUnchanged;
    bool listed = false;
    for (size_t i = 0; i < freeList->Count() && !listed; ++i) listed = freeList->IdAt(i) == playerId;
    if (!listed) return MoveResult::kUnchanged;
  }
  if (target->HasPlayer(playerId)) return MoveResult::kUnchanged;
  if (!target->AddPlayer(playerId)) return MoveResult::kClubFull;
  if (source)
    source->RemovePlayer(playerId);
  else
    freeList->Remove(playerId);
  person->shirtNumber = 0;
  person->contractStart = std::max(person->contractStart, kTransferContractStart);
  person->team = static_cast<int8_t>((toClubId & kReserveTeamBit) ? 1 : 0);
  return MoveResult::kMoved;
}

bool ReleaseToPlayersWithoutClub(CWorldDatabase& world, uint32_t playerId, uint32_t fromClubId) {
  CClub* club = FindWorldClub(world, fromClubId);
  CPlayersWithoutClub* freeList = world.PlayersWithoutClub();
  if (!club || !freeList || !club->HasPlayer(playerId)) return false;
  if (!freeList->Add(playerId)) return false;
  club->RemovePlayer(playerId);
  return true;
}

}  // namespace torvale
