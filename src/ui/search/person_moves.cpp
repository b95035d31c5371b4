#include "ui/search/person_moves.h"

#include "ui/common/world_changes.h"
#include "world/club.h"

namespace torvale {
namespace {

// The parts a move between two places touches: the clubs' countries, or the players without
// club for id 0.
ChangeScope MoveScope(uint32_t fromClubId, uint32_t toClubId) {
  ChangeScope scope;
  for (uint32_t clubId : {fromClubId, toClubId}) {
    if (clubId == 0) {
      scope |= ChangeScope::PlayersWithoutClub();
    } else {
      scope |= ChangeScope::Country(ClubCountry(clubId));
    }
  }
  return scope;
}

QString MovedText(int count, const char* verb) {
  return QString::fromUtf8("%1 Spieler %2").arg(count).arg(QString::fromUtf8(verb));
}

}  // namespace

MoveResult CommitTransfer(WorldChanges& changes, uint32_t playerId, uint32_t fromClubId, uint32_t toClubId) {
  MoveResult result = MoveResult::kUnchanged;
  changes.CommitIf(MoveScope(fromClubId, toClubId), MovedText(1, "transferiert"), [&](CWorldDatabase& world) {
    result = TransferPerson(world, playerId, fromClubId, toClubId);
    return result == MoveResult::kMoved;
  });
  return result;
}

int CommitTransfers(WorldChanges& changes, std::span<const uint32_t> playerIds, uint32_t fromClubId, uint32_t toClubId) {
  int moved = 0;
  // The change's text has to be given before the moves run, so it names the persons asked
  // for; when none moves the change is declined.
  changes.CommitIf(MoveScope(fromClubId, toClubId), MovedText(static_cast<int>(playerIds.size()), "transferiert"),
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
  return changes.CommitIf(MoveScope(fromClubId, 0), MovedText(1, "in die freien Spieler entlassen"),
                          [&](CWorldDatabase& world) { return ReleaseToPlayersWithoutClub(world, playerId, fromClubId); });
}

}  // namespace torvale
