#pragma once
// The framework calendar editor's model: the columns of a country's calendar (its leagues in
// level order, its national cups, a comparison league of another country), what a click on a
// day does to the matchdays, and the check on closing. The dialog only draws and forwards.

#include <string>
#include <vector>

#include "competition/competition_id.h"
#include "competition/league_checks.h"

namespace torvale {

class CDBCompetition;
class LeagueSystemOwner;

// "Spieltag nur für eine Liga", "Spieltag für alle Ligen", "Spieltag für gleiche Ligen".
enum class PlacementMode { kOneLeague = 0, kAllLeagues = 1, kSameLevelLeagues = 2 };

struct CalendarColumn {
  enum class Kind { kLeague, kCup, kComparison };
  Kind kind = Kind::kLeague;
  // The column's own node first, then the nodes of its same-level chain (its play-offs), which
  // take the matchdays the column's node has no more room for. At most 10.
  std::vector<CompetitionId> competitions;
};

class CalendarEditor {
 public:
  // Days the calendar shows; days 0 and 1 cannot be clicked.
  static constexpr int kShownDays = 360;
  static constexpr int kFirstClickableDay = 2;
  static constexpr int kMaxColumns = 50;
  static constexpr int kMaxColumnCompetitions = 10;

  explicit CalendarEditor(const LeagueSystemOwner& country);

  // Shows the first league of `other` in the last column; null removes the column.
  void SetComparison(const LeagueSystemOwner* other);

  const std::vector<CalendarColumn>& Columns() const { return columns_; }

  // Clicking the cell of `day` in competition column `column` (0 = the first league). Returns
  // true when a matchday was placed or taken off.
  bool Click(int day, int column, PlacementMode mode);

  // The cell's text: the label of the matchday the column plays that day, empty for none.
  std::string CellText(int day, int column) const;

  // The check on OK: every competition of every column with its country's reserve level.
  ConsistencyReport Validate() const;

 private:
  CDBCompetition* Node(CompetitionId id) const;
  CalendarColumn MakeColumn(CalendarColumn::Kind kind, CompetitionId head) const;
  void RebuildColumns();
  bool Toggle(CDBCompetition& node, int day) const;

  const LeagueSystemOwner& country_;
  const LeagueSystemOwner* comparison_ = nullptr;
  std::vector<CalendarColumn> columns_;
};

}  // namespace torvale
