#include "competition/calendar_editor.h"

#include <algorithm>

#include "competition/calendar_chain.h"
#include "competition/competition_registry.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "competition/league_system_owner.h"

namespace torvale {

namespace {

// The national cups get columns in this order, behind the leagues.
constexpr int kCupColumnKinds[] = {CompKind::FA_CUP, CompKind::LE_CUP, CompKind::CONFERENCE_CUP,
                                   CompKind::CHALLENGE_SHIELD, CompKind::SUPERCUP};

}  // namespace

CalendarEditor::CalendarEditor(const LeagueSystemOwner& country) : country_(country) {
  RebuildColumns();
}

void CalendarEditor::SetComparison(const LeagueSystemOwner* other) {
  comparison_ = other;
  RebuildColumns();
}

CDBCompetition* CalendarEditor::Node(CompetitionId id) const {
  return country_.Competitions().FindCompetition(id);
}

CalendarColumn CalendarEditor::MakeColumn(CalendarColumn::Kind kind, CompetitionId head) const {
  CalendarColumn column;
  column.kind = kind;
  // Breadth-first through the same-level successors; a node met twice (a play-off fed by two
  // leagues of the level, or a cycle in a damaged file) is listed once.
  column.competitions.push_back(head);
  for (size_t i = 0; i < column.competitions.size(); ++i) {
    const CDBCompetition* node = Node(column.competitions[i]);
    if (!node) continue;
    for (int s = 0; s < node->SuccessorCount(); ++s) {
      const CDBCompetition* next = node->GetSuccessorNode(s);
      if (!next || !IsSameLevelSuccessor(*node, *next)) continue;
      if (std::find(column.competitions.begin(), column.competitions.end(), next->Id()) !=
          column.competitions.end()) {
        continue;
      }
      if (column.competitions.size() >= kMaxColumnCompetitions) return column;
      column.competitions.push_back(next->Id());
    }
  }
  return column;
}

void CalendarEditor::RebuildColumns() {
  columns_.clear();
  // One column is kept free for the comparison league.
  auto room = [this] { return columns_.size() + 1 < kMaxColumns; };
  for (const CDBLeague* league : LeaguesInLevelOrder(country_)) {
    if (room()) columns_.push_back(MakeColumn(CalendarColumn::Kind::kLeague, league->Id()));
  }
  for (int kind : kCupColumnKinds) {
    const CompetitionId id = MakeCompetitionId(country_.CountryNumber(), kind, 0);
    if (Node(id) && room()) columns_.push_back(MakeColumn(CalendarColumn::Kind::kCup, id));
  }
  if (comparison_) {
    const CompetitionId first = LeagueId(comparison_->CountryNumber(), 0);
    if (Node(first)) columns_.push_back(MakeColumn(CalendarColumn::Kind::kComparison, first));
  }
}

bool CalendarEditor::Toggle(CDBCompetition& node, int day) const {
  if (node.MatchdayOnDayOrSameLevel(day) != 0) return node.RemoveMatchday(day) != 0;
  // A competition does not play on two days running.
  if (node.MatchdayOnDay(day - 1) != 0 || node.MatchdayOnDay(day) != 0 ||
      node.MatchdayOnDay(day + 1) != 0) {
    return false;
  }
  return node.AddMatchday(day) != 0;
}

bool CalendarEditor::Click(int day, int column, PlacementMode mode) {
  if (day < kFirstClickableDay || day >= kShownDays) return false;
  if (column < 0 || static_cast<size_t>(column) >= columns_.size()) return false;
  const CalendarColumn& clicked = columns_[static_cast<size_t>(column)];
  if (clicked.kind == CalendarColumn::Kind::kComparison) return false;

  std::vector<const CalendarColumn*> affected;
  if (clicked.kind == CalendarColumn::Kind::kCup || mode == PlacementMode::kOneLeague) {
    affected.push_back(&clicked);
  } else {
    const CDBCompetition* clickedLeague = Node(clicked.competitions.front());
    for (const CalendarColumn& c : columns_) {
      if (c.kind != CalendarColumn::Kind::kLeague) continue;
      const CDBCompetition* league = Node(c.competitions.front());
      if (mode == PlacementMode::kSameLevelLeagues &&
          (!league || !clickedLeague || league->Level() != clickedLeague->Level())) {
        continue;
      }
      affected.push_back(&c);
    }
  }

  // Only the column's own node is toggled: the nodes of its chain get their matchdays through
  // it (a full league hands the day on to its play-off), so toggling them as well would undo
  // the hand-over or give the play-off a day the league still needs.
  bool changed = false;
  for (const CalendarColumn* c : affected) {
    if (CDBCompetition* node = Node(c->competitions.front())) changed |= Toggle(*node, day);
  }
  return changed;
}

std::string CalendarEditor::CellText(int day, int column) const {
  if (column < 0 || static_cast<size_t>(column) >= columns_.size()) return {};
  // The label comes from the node that plays the day, so a play-off cup shows its round.
  for (CompetitionId id : columns_[static_cast<size_t>(column)].competitions) {
    const CDBCompetition* node = Node(id);
    if (!node) continue;
    if (int m = node->MatchdayOnDay(day); m != 0) return node->MatchdayLabel(m);
  }
  return {};
}

ConsistencyReport CalendarEditor::Validate() const {
  ConsistencyReport report;
  for (const CalendarColumn& column : columns_) {
    const bool foreign = column.kind == CalendarColumn::Kind::kComparison && comparison_;
    const int reserveLevel = foreign ? comparison_->ReserveLevel() : country_.ReserveLevel();
    for (CompetitionId id : column.competitions) {
      if (const CDBCompetition* node = Node(id)) report.Add(*node, node->CheckConsistency(reserveLevel));
    }
  }
  return report;
}

}  // namespace torvale
