#include "ui/search/person_moves.h"

#include "app/qt_text.h"
#include "database/world_database.h"
#include "ui/common/world_changes.h"
#include "world/club.h"
#include "world/player.h"

namespace torvale {
namespace {

// The parts a move touches: every place that lists the persons now (their club, a national
// squad, the free list) and the place they go to (0: the players without club).
ChangeScope MoveScope(const CWorldDatabase& world, std::span<const uint32_t> playerIds, uint32_t fromClubId,
                      uint32_t toClubId) {
  ChangeScope scope = ChangeScope::ListingPersons(world, playerIds);
  for (uint32_t clubId : {fromClubId, toClubId}) scope |= clubId == 0 ? ChangeScope::PlayersWithoutClub() : ChangeScope::Club(clubId);
  return scope;
}

QString MovedText(const CWorldDatabase& world, std::span<const uint32_t> playerIds, const char* verb) {
  if (playerIds.size() == 1)
    if (const CPlayer* person = world.Persons().FindPlayer(playerIds.front()))
      return QString::fromUtf8("Spieler %1 %2").arg(FromCp1252(person->ShortName()), QString::fromUtf8(verb));
  return QString::fromUtf8("%1 Spieler %2").arg(playerIds.size()).arg(QString::fromUtf8(verb));
}

}  // namespace

MoveResult CommitTransfer(WorldChanges& changes, uint32_t playerId, uint32_t fromClubId, uint32_t toClubId) {
  MoveResult result = MoveResult::kUnchanged;
  const std::span<const uint32_t> ids(&playerId, 1);
  const CWorldDatabase& current = changes.World();
  changes.CommitIf(MoveScope(current, ids, fromClubId, toClubId), MovedText(current, ids, "transferiert"), [&](CWorldDatabase& world) {
    result = TransferPerson(world, playerId, fromClubId, toClubId);
    return result == MoveResult::kMoved;
  });
  return result;
}

int CommitTransfers(WorldChanges& changes, std::span<const uint32_t> playerIds, uint32_t fromClubId, uint32_t toClubId) {
  int moved = 0;
  // The change's text has to be given before the moves run, so it names the persons asked
  // for; when none moves the change is declined.
  changes.CommitIf(MoveScope(changes.World(), playerIds, fromClubId, toClubId), MovedText(changes.World(), playerIds, "transferiert"),
                   [&](CWorldDatabase& world) {
                     for (uint32_t id : playerIds) {
                       if (TransferPerson(world, id, fromClubId, toClubId) == MoveResult::kMoved) ++moved;
                     }
                     return moved > 0;
                   });
  return moved;
}

bool CommitRelease(WorldChanges& changes, uint32_t playerId, uint32_t fromClubId) {
  if (fromClubId == 0) return false;
  const std::span<const uint32_t> ids(&playerId, 1);
  return changes.CommitIf(MoveScope(changes.World(), ids, fromClubId, 0),
                          MovedText(changes.World(), ids, "in die freien Spieler entlassen"),
                          [&](CWorldDatabase& world) { return ReleaseToPlayersWithoutClub(world, playerId, fromClubId); });
}

}  // namespace torvale
