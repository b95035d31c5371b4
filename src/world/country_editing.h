#pragma once
// Rules the country editor applies when the user changes a country: the days of a month for
// the president's birth date, reserve teams allowed per league level, and the youth player
// pool's places.

#include <array>
#include <cstdint>
#include <vector>

namespace torvale {

class CCountry;
class CDBLeague;
struct CPlayerPoolEntry;

// Days of the month in that year (29 for February of a leap year); 31 for a month outside 1-12.
int32_t DaysInMonth(int32_t year, int32_t month);

// "Reservemannschaften erlaubt" for one league level: reserve teams play on every level from
// the country's reserve level down, so allowing them on a level moves the reserve level up to
// it, and forbidding them there moves it below that level (5 = nowhere).
bool ReservesAllowedOnLevel(const CCountry& country, int level);
void SetReservesAllowedOnLevel(CCountry& country, int level, bool allowed);

// The leagues that holding `leaguesPerLevel` leagues per level would destroy with their
// clubs: on each level, the leagues beyond the new count that list at least one team.
std::vector<const CDBLeague*> LeaguesDroppedWithTeams(const CCountry& country,
                                                      const std::array<int, 5>& leaguesPerLevel);

// How many youth players the pool may hold: 25 for every club of the league system (the
// game's rule), never less than the pool already has.
int PlayerPoolLimit(const CCountry& country);
// Puts the entry into the first unused place of the pool, growing the pool up to its limit;
// the entry's place + 1, or 0 (nothing added) when the pool is full or the entry has no
// surname (an entry without one counts as unused and would be lost on saving).
int AddPlayerPoolEntry(CCountry& country, const CPlayerPoolEntry& entry);
// Empties the entry at `index`; its place stays, as this country's.
void ClearPlayerPoolEntry(CCountry& country, int index);

}  // namespace torvale
