#pragma once
// The list of players without club ("Freie Spieler", CDlgPlayerWithoutClub): its rows, its
// sort order, and its two commands.
//
// How the dialog uses it:
//   * rows: MakeFreePlayerRow(world, i) for every position i of world.PlayersWithoutClub();
//     sort with CompareFreePlayerRows (column 1 compares the codes case-sensitively in the
//     user's collation, so the GUI passes a case-sensitive comparison there).
//   * "&Wechsel zum Verein": after CDlgChooseClub, MoveFreePlayersToClub(world, ids, clubId)
//     with the selected rows' person ids; rows whose person the club cannot take stay.
//   * "&Löschen": DeleteFreePlayers(world, ids).
//   * After either: refill, and select RowAfterRemovals(previous row, removed rows, count).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "persons/list_order.h"

namespace torvale {

class CWorldDatabase;

enum FreePlayerColumn : int {
  kFreeName = 0,     // "Name" (848)
  kFreeNationality,  // "Nationalität" (854)
  kFreePosition,     // "Position" (849)
  kFreeStrength,     // "Stärke" (850)
  kFreeColumnCount
};

struct FreePlayerRow {
  uint32_t playerId = 0;
  std::string name;         // "Surname, F."
  std::string nationality;  // players: the short code of the nationality's country; officials: empty
  std::string position;     // position or role
  std::string strength;     // players: "%2.1f"; officials: empty
  int positionKey = 0;
  float strengthValue = 0.0f;

  const std::string& Text(int column) const;
};

// The row of position `index` of the list; false past the end or for a missing person.
bool MakeFreePlayerRow(const CWorldDatabase& world, size_t index, FreePlayerRow& row);

// Column 0 short name, 1 nationality code, 2 position or role (players by main position,
// before officials by role), 3 strength; the first two through `names`.
int CompareFreePlayerRows(const FreePlayerRow& left, const FreePlayerRow& right, int column, const NameCompare& names);

// Moves each listed free player the club accepts (fewer than 256 persons) into club
// `clubId`: it leaves the list and plays in the reserve team (team 1) when `clubId` has bit
// 24 set, else in the first team (0). Persons not in the list are skipped. Returns the ids
// that moved, in the given order; the others stay in the list.
std::vector<uint32_t> MoveFreePlayersToClub(CWorldDatabase& world, std::span<const uint32_t> playerIds,
                                            uint32_t clubId);

// Deletes the listed persons, from the last given to the first: each leaves the list and the
// person table. Returns how many were deleted.
int DeleteFreePlayers(CWorldDatabase& world, std::span<const uint32_t> playerIds);

// The row to select after a refill: the previously selected row, moved up by the removed rows
// above it, within 0 .. rowCount - 1; -1 for an empty list.
int RowAfterRemovals(int previousRow, std::span<const int> removedRows, int rowCount);

}  // namespace torvale
