// The matchday calendar of a node: its day table maps season days to matchday numbers, which
// rise with the day. Requests a node cannot take (all its matchdays placed, or no matchday on
// the day) pass on to the successors of the same level, so that a league's play-off gets the
// days after the league's last matchday.

#include "competition/competition_tree.h"

#include <algorithm>

namespace torvale {

namespace {

bool SameLevel(const CDBCompetition& node, const CDBCompetition& successor) {
  return successor.Level() == node.Level() || successor.Level() < 0;
}

}  // namespace

int CDBCompetition::MatchdayOnDay(int day) const { return DayMatchday(day); }

int CDBCompetition::PreviousMatchday(int day) const {
  for (int d = std::min(day, kDays) - 1; d >= 0; --d)
    if (days_[static_cast<size_t>(d)] != 0) return days_[static_cast<size_t>(d)];
  return -1;
}

int CDBCompetition::IsActiveOnDay(int day) const {
  if (DayMatchday(day) != 0) return 1;
  for (int i = 0; i < SuccessorCount(); ++i)
    if (const CDBCompetition* next = GetSuccessorNode(i); next && next->IsActiveOnDay(day))
      return 1;
  return 0;
}

int CDBCompetition::AddMatchday(int day) {
  if (day < 0 || day >= kDays) return 0;
  int previous = PreviousMatchday(day);
  int count = MatchdayCount();
  if (previous < count) {
    days_[static_cast<size_t>(day)] = std::max(previous, 0) + 1;
    for (int d = day + 1; d < 360; ++d) {
      int32_t& m = days_[static_cast<size_t>(d)];
      if (m == 0) continue;
      m = m >= count ? 0 : m + 1;
    }
    return 1;
  }
  int placed = 0;
  for (int i = 0; i < SuccessorCount(); ++i)
    if (CDBCompetition* next = GetSuccessorNode(i); next && SameLevel(*this, *next))
      placed |= next->AddMatchday(day);
  return placed;
}

int CDBCompetition::RemoveMatchday(int day) {
  if (DayMatchday(day) != 0) {
    days_[static_cast<size_t>(day)] = 0;
    for (int d = day + 1; d < kDays; ++d)
      if (days_[static_cast<size_t>(d)] != 0) --days_[static_cast<size_t>(d)];
    return 1;
  }
  for (int i = 0; i < SuccessorCount(); ++i)
    if (CDBCompetition* next = GetSuccessorNode(i); next && SameLevel(*this, *next))
      return next->RemoveMatchday(day);
  return 0;
}

int CDBCompetition::SameLevelQuery(int day) const {
  for (int i = 0; i < SuccessorCount(); ++i)
    if (const CDBCompetition* next = GetSuccessorNode(i); next && SameLevel(*this, *next))
      return next->SameLevelQuery(day);
  return -1;
}

int CDBCompetition::MatchdayOnDayOrSameLevel(int day) const {
  if (int m = MatchdayOnDay(day); m != 0) return m;
  for (int i = 0; i < SuccessorCount(); ++i)
    if (const CDBCompetition* next = GetSuccessorNode(i); next && SameLevel(*this, *next))
      return next->MatchdayOnDayOrSameLevel(day);
  return 0;
}

}  // namespace torvale
