#pragma once
// The person moves of the search and transfer dialogs, each committed as one change of the
// world, so the unsaved mark, undo and backups see it. The rules themselves are the core's
// (world_persons.h); a move the core refuses (a full club, the same club) commits nothing.

#include <cstdint>
#include <span>

#include "persons/world_persons.h"

namespace torvale {

class WorldChanges;

// Moves one person from club `fromClubId` (0: the players without club) to `toClubId`.
MoveResult CommitTransfer(WorldChanges& changes, uint32_t playerId, uint32_t fromClubId, uint32_t toClubId);

// Moves several persons of club `fromClubId` to `toClubId` as one change ("3 Spieler
// transferiert"); returns how many moved.
int CommitTransfers(WorldChanges& changes, std::span<const uint32_t> playerIds, uint32_t fromClubId, uint32_t toClubId);

// Releases a person of club `fromClubId` into the players without club; false when the core
// refuses (no club, or the club does not list it).
bool CommitRelease(WorldChanges& changes, uint32_t playerId, uint32_t fromClubId);

}  // namespace torvale
