#include "competition/calendar_day_table.h"

#include <algorithm>

namespace torvale {

namespace {

bool InSeason(int day) { return day >= 0 && day < kSeasonDays; }

}  // namespace

int MatchdayOnDay(ConstDayTable days, int day) {
  return InSeason(day) ? days[static_cast<size_t>(day)] : 0;
}

int PreviousMatchday(ConstDayTable days, int day) {
  for (int d = std::min(day, kSeasonDays) - 1; d >= 0; --d) {
    if (days[static_cast<size_t>(d)] != 0) return days[static_cast<size_t>(d)];
  }
  return -1;
}

PlaceMatchdayResult PlaceMatchday(DayTable days, int day, int matchdayCount) {
  if (!InSeason(day)) return PlaceMatchdayResult::kOutOfSeason;
  // A day with a matchday would be renumbered below and leave a gap in the numbering.
  if (days[static_cast<size_t>(day)] != 0) return PlaceMatchdayResult::kDayTaken;
  const int previous = std::max(PreviousMatchday(days, day), 0);
  if (previous >= matchdayCount) return PlaceMatchdayResult::kAllPlaced;
  days[static_cast<size_t>(day)] = previous + 1;
  // Later days shift up through the whole table, so that matchdays read from a file beyond
  // the days the calendar shows keep their order too.
  for (int d = day + 1; d < kSeasonDays; ++d) {
    int32_t& m = days[static_cast<size_t>(d)];
    if (m == 0) continue;
    m = m >= matchdayCount ? 0 : m + 1;
  }
  return PlaceMatchdayResult::kPlaced;
}

bool TakeMatchdayOff(DayTable days, int day) {
  if (!InSeason(day) || days[static_cast<size_t>(day)] == 0) return false;
  days[static_cast<size_t>(day)] = 0;
  for (int d = day + 1; d < kSeasonDays; ++d) {
    int32_t& m = days[static_cast<size_t>(d)];
    if (m != 0) --m;
  }
  return true;
}

}  // namespace torvale
