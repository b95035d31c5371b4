#include "persons/national_team.h"

#include <algorithm>

#include "database/world_database.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/strength.h"

namespace torvale {

std::vector<uint32_t> NationalTeamCandidates(const CWorldDatabase& world, int country) {
  struct Candidate {
    float strength;
    uint32_t id;
  };
  std::vector<Candidate> candidates;
  for (const auto& [id, person] : world.Persons().Persons()) {
    if (person->role != kRolePlayer) continue;
    if (person->nationality != country && person->secondNationality != country) continue;
    candidates.push_back({person->Strength(), id});
  }
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    return a.strength != b.strength ? a.strength > b.strength : a.id < b.id;
  });
  std::vector<uint32_t> ids;
  ids.reserve(candidates.size());
  for (const Candidate& c : candidates) ids.push_back(c.id);
  return ids;
}

namespace {

CClub* NationalClub(CWorldDatabase& world, int country) {
  CCountry* c = world.Country(country);
  return c ? c->AmateurClub() : nullptr;
}

}  // namespace

bool CallUpNationalPlayer(CWorldDatabase& world, int country, uint32_t playerId) {
  CClub* squad = NationalClub(world, country);
  const CPlayer* person = world.Persons().FindPlayer(playerId);
  if (!squad || !person || person->role != kRolePlayer) return false;
  if (person->nationality != country && person->secondNationality != country) return false;
  if (squad->HasPlayer(playerId)) return false;
  return squad->AddPlayer(playerId);
}

bool DropNationalPlayer(CWorldDatabase& world, int country, uint32_t playerId) {
  CClub* squad = NationalClub(world, country);
  if (!squad || !squad->HasPlayer(playerId)) return false;
  squad->RemovePlayer(playerId);
  return true;
}

}  // namespace torvale
