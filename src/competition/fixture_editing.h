#pragma once
// The fixture list editor's operations on a league's grid, kept here so that the dialog only
// gathers the clicks.

#include <cstdint>

namespace torvale {

class CDBFixturelist;

// The generated plan is offered for even league sizes that have a template, and for 19 teams
// (the only odd size whose plan the editor fills in).
bool CanGenerateFixturePlan(int teams);

// "Vom Computer generierter Spielplan": fills the grid from the template for the league's
// size and rounds. False (grid unchanged) when the plan is not offered for the size.
bool GenerateFixturePlan(CDBFixturelist& grid, int teams, int rounds);

// "Rückrunde wie Hinrunde": every row m of the first half (rows / 2 rows) is copied into row
// m + rows / 2 with home and away exchanged.
void MirrorFirstHalf(CDBFixturelist& grid);

// "Spieltag komplett löschen".
void ClearMatchday(CDBFixturelist& grid, int row);

// Choosing a team: its place goes into the first empty home slot of the row, else into the
// first empty away slot. False when the row has no empty slot (or does not exist).
bool PutTeamIntoFirstEmptySlot(CDBFixturelist& grid, int row, uint8_t place);

enum class FixtureSide { kHome, kAway };

// Clicking a pairing's home or away cell empties that slot.
void ClearSlot(CDBFixturelist& grid, int row, int column, FixtureSide side);

}  // namespace torvale
