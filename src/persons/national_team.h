#pragma once
// The national team: the squad of a country's national pseudo-club (club number 65535), drawn
// from the players of that nationality who keep their own clubs. A called-up player is listed
// by both his club and the pseudo-club.

#include <cstdint>
#include <vector>

namespace torvale {

class CWorldDatabase;

// Players (no officials) with `country` as first or second nationality, strongest first, ties
// by id, so the best candidates for the national squad head the list.
std::vector<uint32_t> NationalTeamCandidates(const CWorldDatabase& world, int country);

// Calls a player into the national squad of `country`. False (nothing changes) when the
// country has no national pseudo-club, the person is no player of that nationality, is
// already in the squad, or the squad is full (256 persons).
bool CallUpNationalPlayer(CWorldDatabase& world, int country, uint32_t playerId);
// Takes a player out of the national squad; his club keeps him. False when he was not in it.
bool DropNationalPlayer(CWorldDatabase& world, int country, uint32_t playerId);

}  // namespace torvale
