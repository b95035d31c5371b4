#pragma once
// Matchday calendar of one competition: a table of the season's days (0-399) holding the
// matchday number played on each day, 0 for none. Matchday numbers grow with the day: the
// k-th marked day carries matchday k. These functions keep that numbering intact while
// matchdays are placed and taken off; the competition nodes add the hand-over to their
// same-level successors.

#include <cstdint>
#include <span>

namespace torvale {

constexpr int kSeasonDays = 400;

using DayTable = std::span<int32_t, kSeasonDays>;
using ConstDayTable = std::span<const int32_t, kSeasonDays>;

// The matchday number on `day`; 0 for none and for days outside the season.
int MatchdayOnDay(ConstDayTable days, int day);

// The matchday number of the last earlier day that carries one; -1 when none.
int PreviousMatchday(ConstDayTable days, int day);

enum class PlaceMatchdayResult {
  kPlaced,
  kAllPlaced,    // every matchday already has a day before this one: hand the day on
  kDayTaken,     // the day already carries a matchday; nothing changed
  kOutOfSeason,  // the day is not a season day; nothing changed
};

// Puts the next matchday on `day`: the day gets the number following the previous marked day,
// later days move up by one, and a day that carried the last matchday loses it.
PlaceMatchdayResult PlaceMatchday(DayTable days, int day, int matchdayCount);

// Takes the matchday off `day` and moves every later matchday down by one. False when the day
// carries none.
bool TakeMatchdayOff(DayTable days, int day);

}  // namespace torvale
