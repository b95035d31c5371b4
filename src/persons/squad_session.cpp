#include "persons/squad_session.h"

#include <algorithm>

#include "database/world_database.h"
#include "persons/squad_rules.h"

namespace torvale {

SquadEditSession::SquadEditSession(CWorldDatabase& world, CClub& club) : world_(world), club_(club), copy_(club) {
  copy_.SetWorld(club.World());
}

SquadEditSession::~SquadEditSession() {
  DiscardCreated();
  RestoreFetchedTeams();
}

void SquadEditSession::RestoreFetchedTeams() {
  for (const auto& [id, fetch] : fetched_)
    if (CPlayer* person = world_.Persons().FindPlayer(id)) person->team = fetch.originalTeam;
}

std::vector<uint32_t> SquadEditSession::TeamPlayers(int team) const {
  std::vector<uint32_t> ids;
  for (uint32_t id : copy_.PlayerIds()) {
    const CPlayer* person = world_.Persons().FindPlayer(id);
    if (person && person->role == kRolePlayer && (person->team == 0 ? 0 : 1) == team) ids.push_back(id);
  }
  return ids;
}

std::vector<uint32_t> SquadEditSession::Officials() const {
  std::vector<uint32_t> ids;
  for (uint32_t id : copy_.PlayerIds()) {
    const CPlayer* person = world_.Persons().FindPlayer(id);
    if (person && person->role != kRolePlayer) ids.push_back(id);
  }
  return ids;
}

CPlayer* SquadEditSession::NewPlayer(int8_t team) {
  if (!CanAddNewPlayer(copy_)) return nullptr;
  CPlayer* person = world_.Persons().CreatePlayer(0, true);
  if (!person) return nullptr;
  person->InitDefaults(kRolePlayer, copy_.CountryId());
  person->team = team == 0 ? 0 : 1;
  if (!copy_.AddPlayer(person->id)) {
    world_.Persons().RemovePlayer(person->id);
    return nullptr;
  }
  created_.insert(person->id);
  return person;
}

CPlayer* SquadEditSession::NewOfficial(int role) {
  if (role <= kRolePlayer || role >= kRoleCount || ClubHasRole(copy_, world_.Persons(), role)) return nullptr;
  CPlayer* person = world_.Persons().CreatePlayer(0, true);
  if (!person) return nullptr;
  person->InitDefaults(static_cast<int8_t>(role), copy_.CountryId());
  if (!copy_.AddPlayer(person->id)) {
    world_.Persons().RemovePlayer(person->id);
    return nullptr;
  }
  created_.insert(person->id);
  return person;
}

bool SquadEditSession::SwitchTeam(uint32_t playerId) {
  CPlayer* person = world_.Persons().FindPlayer(playerId);
  if (!person || !copy_.HasPlayer(playerId)) return false;
  person->team = person->team == 0 ? 1 : 0;
  return true;
}

bool SquadEditSession::Remove(uint32_t playerId) {
  if (!copy_.HasPlayer(playerId)) return false;
  copy_.RemovePlayer(playerId);
  // A person fetched in and removed again simply stays where it was.
  if (fetched_.erase(playerId) == 0) removed_.insert(playerId);
  return true;
}

int SquadEditSession::PendingTransfersTo(uint32_t clubId) const {
  int count = 0;
  for (const auto& [id, transfer] : transfers_)
    if ((transfer.toClubId & ~kReserveTeamBit) == (clubId & ~kReserveTeamBit)) ++count;
  return count;
}

MoveResult SquadEditSession::TransferOut(uint32_t playerId, uint32_t toClubId) {
  const CClub* target = FindWorldClub(world_, toClubId);
  if (!target || !copy_.HasPlayer(playerId) || !world_.Persons().FindPlayer(playerId)) return MoveResult::kUnchanged;
  if (target->clubId == club_.clubId || target->HasPlayer(playerId)) return MoveResult::kUnchanged;
  if (static_cast<int>(target->PlayerIds().size()) + PendingTransfersTo(toClubId) >= kMaxClubPersons)
    return MoveResult::kClubFull;
  copy_.RemovePlayer(playerId);
  // A person fetched in and passed on stays in `fetched_`: on Commit it leaves its old place
  // and goes straight on to the target.
  transfers_[playerId] = {toClubId};
  return MoveResult::kMoved;
}

MoveResult SquadEditSession::FetchIn(uint32_t playerId, int8_t team) {
  CPlayer* person = world_.Persons().FindPlayer(playerId);
  if (!person || copy_.HasPlayer(playerId)) return MoveResult::kUnchanged;
  if (static_cast<int>(copy_.PlayerIds().size()) >= kMaxClubPersons) return MoveResult::kClubFull;
  const bool wasHere = club_.HasPlayer(playerId);
  if (!wasHere) {
    const uint32_t from = FindPersonClub(world_, playerId);
    const CPlayersWithoutClub* freeList = world_.PlayersWithoutClub();
    bool free = false;
    for (size_t i = 0; freeList && i < freeList->Count() && !free; ++i) free = freeList->IdAt(i) == playerId;
    if (from == 0 && !free) return MoveResult::kUnchanged;  // a person of no club and no list
    fetched_[playerId] = {from, person->team};
  }
  copy_.AddPlayer(playerId);
  // Taken back before the commit: it never left.
  removed_.erase(playerId);
  transfers_.erase(playerId);
  person->team = team == 0 ? 0 : 1;
  return MoveResult::kMoved;
}

void SquadEditSession::DeleteFromWorld(uint32_t playerId) {
  const CPlayer* person = world_.Persons().FindPlayer(playerId);
  if (!person || ListedByAnotherClub(world_, playerId, club_.clubId)) return;
  if (person->role == kRolePlayer) {
    const CPlayersWithoutClub* freeList = world_.PlayersWithoutClub();
    for (size_t i = 0; freeList && i < freeList->Count(); ++i)
      if (freeList->IdAt(i) == playerId) return;
  }
  world_.Persons().RemovePlayer(playerId);
}

std::vector<uint32_t> SquadEditSession::PendingClubIds() const {
  std::vector<uint32_t> ids;
  for (const auto& [id, transfer] : transfers_) ids.push_back(transfer.toClubId & ~kReserveTeamBit);
  for (const auto& [id, fetch] : fetched_) ids.push_back(fetch.fromClubId);
  return ids;
}

void SquadEditSession::Commit() {
  // Fetched persons leave their old places first, so the club's own list comes out right.
  for (const auto& [id, fetch] : fetched_) {
    if (fetch.fromClubId != 0) {
      if (CClub* old = FindWorldClub(world_, fetch.fromClubId)) old->RemovePlayer(id);
    } else if (CPlayersWithoutClub* freeList = world_.PlayersWithoutClub()) {
      freeList->Remove(id);
    }
    if (CPlayer* person = world_.Persons().FindPlayer(id); person && !transfers_.contains(id)) {
      person->shirtNumber = 0;
      person->contractStart = std::max(person->contractStart, kTransferContractStart);
    }
  }
  club_.players = copy_.players;
  club_.playerCount = copy_.playerCount;
  for (const auto& [id, transfer] : transfers_) {
    CClub* target = FindWorldClub(world_, transfer.toClubId);
    CPlayer* person = world_.Persons().FindPlayer(id);
    if (!person) continue;
    // The room was counted when the command was given; should it be gone, the person stays.
    if (!target || !target->AddPlayer(id)) {
      club_.AddPlayer(id);
      continue;
    }
    person->shirtNumber = 0;
    person->contractStart = std::max(person->contractStart, kTransferContractStart);
    person->team = static_cast<int8_t>((transfer.toClubId & kReserveTeamBit) ? 1 : 0);
  }
  for (uint32_t id : removed_) DeleteFromWorld(id);
  created_.clear();
  removed_.clear();
  transfers_.clear();
  fetched_.clear();
  copy_.players = club_.players;
  copy_.playerCount = club_.playerCount;
}

void SquadEditSession::Reload() {
  DiscardCreated();
  RestoreFetchedTeams();
  removed_.clear();
  transfers_.clear();
  fetched_.clear();
  copy_ = club_;
  copy_.SetWorld(club_.World());
}

void SquadEditSession::DiscardCreated() {
  for (uint32_t id : created_) {
    if (!club_.HasPlayer(id) && !ListedByAnotherClub(world_, id, club_.clubId)) world_.Persons().RemovePlayer(id);
  }
  created_.clear();
}

}  // namespace torvale
