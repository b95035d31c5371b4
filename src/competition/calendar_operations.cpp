// The matchday calendar of a node: its day table maps season days to matchday numbers, which
// rise with the day (calendar_day_table.h keeps the numbering). Requests a node cannot take
// (all its matchdays placed, or no matchday on the day) pass on to the successors of the same
// level, so that a league's play-off gets the days after the league's last matchday.
//
// The hand-over walks the successor links itself and visits every node once: links come from
// files, and a damaged file may link nodes in a circle.

#include <vector>

#include "competition/calendar_chain.h"
#include "competition/calendar_day_table.h"
#include "competition/competition_tree.h"

namespace torvale {

namespace {

bool Seen(const std::vector<const CDBCompetition*>& seen, const CDBCompetition* node) {
  for (const CDBCompetition* s : seen) {
    if (s == node) return true;
  }
  return false;
}

// The first same-level successor not met before, or null.
CDBCompetition* NextSameLevel(const CDBCompetition& node,
                              const std::vector<const CDBCompetition*>& seen) {
  for (int i = 0; i < node.SuccessorCount(); ++i) {
    CDBCompetition* next = node.GetSuccessorNode(i);
    if (next && IsSameLevelSuccessor(node, *next) && !Seen(seen, next)) return next;
  }
  return nullptr;
}

}  // namespace

bool IsSameLevelSuccessor(const CDBCompetition& node, const CDBCompetition& successor) {
  return successor.Level() == node.Level() || successor.Level() < 0;
}

int CDBCompetition::MatchdayOnDay(int day) const { return torvale::MatchdayOnDay(days_, day); }

int CDBCompetition::PreviousMatchday(int day) const {
  return torvale::PreviousMatchday(days_, day);
}

int CDBCompetition::IsActiveOnDay(int day) const {
  std::vector<const CDBCompetition*> seen{this};
  for (size_t i = 0; i < seen.size(); ++i) {
    if (seen[i]->MatchdayOnDay(day) != 0) return 1;
    for (int s = 0; s < seen[i]->SuccessorCount(); ++s) {
      const CDBCompetition* next = seen[i]->GetSuccessorNode(s);
      if (next && !Seen(seen, next)) seen.push_back(next);
    }
  }
  return 0;
}

int CDBCompetition::AddMatchday(int day) {
  // Every same-level successor of a full node is offered the day, depth first.
  std::vector<const CDBCompetition*> seen;
  std::vector<CDBCompetition*> pending{this};
  int placed = 0;
  while (!pending.empty()) {
    CDBCompetition* node = pending.back();
    pending.pop_back();
    if (Seen(seen, node)) continue;
    seen.push_back(node);
    switch (PlaceMatchday(node->days_, day, node->MatchdayCount())) {
      case PlaceMatchdayResult::kPlaced:
        placed = 1;
        continue;
      case PlaceMatchdayResult::kDayTaken:
      case PlaceMatchdayResult::kOutOfSeason:
        continue;
      case PlaceMatchdayResult::kAllPlaced:
        break;
    }
    for (int s = node->SuccessorCount() - 1; s >= 0; --s) {
      CDBCompetition* next = node->GetSuccessorNode(s);
      if (next && IsSameLevelSuccessor(*node, *next)) pending.push_back(next);
    }
  }
  return placed;
}

int CDBCompetition::RemoveMatchday(int day) {
  std::vector<const CDBCompetition*> seen;
  for (CDBCompetition* node = this; node; node = NextSameLevel(*node, seen)) {
    seen.push_back(node);
    if (TakeMatchdayOff(node->days_, day)) return 1;
  }
  return 0;
}

int CDBCompetition::SameLevelQuery(int) const {
  // No node answers the query itself, so the hand-over along the chain always ends in "none".
  return -1;
}

int CDBCompetition::MatchdayOnDayOrSameLevel(int day) const {
  std::vector<const CDBCompetition*> seen;
  for (const CDBCompetition* node = this; node; node = NextSameLevel(*node, seen)) {
    seen.push_back(node);
    if (int m = node->MatchdayOnDay(day); m != 0) return m;
  }
  return 0;
}

}  // namespace torvale
