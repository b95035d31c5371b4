// The matchday calendar of a node: its day table maps season days to matchday numbers, which
// rise with the day (calendar_day_table.h keeps the numbering). Requests a node cannot take
// (all its matchdays placed, or no matchday on the day) pass on to the successors of the same
// level, so that a league's play-off gets the days after the league's last matchday.

#include "competition/calendar_day_table.h"
#include "competition/competition_tree.h"

namespace torvale {

namespace {

// A successor shares the node's calendar column when it plays on the node's level; a
// successor without a level set (negative) goes with any node.
bool SameLevel(const CDBCompetition& node, const CDBCompetition& successor) {
  return successor.Level() == node.Level() || successor.Level() < 0;
}

}  // namespace

int CDBCompetition::MatchdayOnDay(int day) const { return torvale::MatchdayOnDay(days_, day); }

int CDBCompetition::PreviousMatchday(int day) const {
  return torvale::PreviousMatchday(days_, day);
}

int CDBCompetition::IsActiveOnDay(int day) const {
  if (MatchdayOnDay(day) != 0) return 1;
  for (int i = 0; i < SuccessorCount(); ++i) {
    if (const CDBCompetition* next = GetSuccessorNode(i); next && next->IsActiveOnDay(day)) {
      return 1;
    }
  }
  return 0;
}

int CDBCompetition::AddMatchday(int day) {
  switch (PlaceMatchday(days_, day, MatchdayCount())) {
    case PlaceMatchdayResult::kPlaced:
      return 1;
    case PlaceMatchdayResult::kDayTaken:
    case PlaceMatchdayResult::kOutOfSeason:
      return 0;
    case PlaceMatchdayResult::kAllPlaced:
      break;
  }
  int placed = 0;
  for (int i = 0; i < SuccessorCount(); ++i) {
    if (CDBCompetition* next = GetSuccessorNode(i); next && SameLevel(*this, *next)) {
      placed |= next->AddMatchday(day);
    }
  }
  return placed;
}

int CDBCompetition::RemoveMatchday(int day) {
  if (TakeMatchdayOff(days_, day)) return 1;
  for (int i = 0; i < SuccessorCount(); ++i) {
    if (CDBCompetition* next = GetSuccessorNode(i); next && SameLevel(*this, *next)) {
      return next->RemoveMatchday(day);
    }
  }
  return 0;
}

int CDBCompetition::SameLevelQuery(int day) const {
  for (int i = 0; i < SuccessorCount(); ++i) {
    if (const CDBCompetition* next = GetSuccessorNode(i); next && SameLevel(*this, *next)) {
      return next->SameLevelQuery(day);
    }
  }
  return -1;
}

int CDBCompetition::MatchdayOnDayOrSameLevel(int day) const {
  if (int m = MatchdayOnDay(day); m != 0) return m;
  for (int i = 0; i < SuccessorCount(); ++i) {
    if (const CDBCompetition* next = GetSuccessorNode(i); next && SameLevel(*this, *next)) {
      return next->MatchdayOnDayOrSameLevel(day);
    }
  }
  return 0;
}

}  // namespace torvale
