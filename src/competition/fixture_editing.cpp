#include "competition/fixture_editing.h"

#include "competition/fixture_list.h"
#include "competition/fixture_templates.h"

namespace torvale {

bool CanGenerateFixturePlan(int teams) {
  if (teams < kFixtureTemplateMinTeams || teams > kFixtureTemplateMaxTeams) return false;
  return teams % 2 == 0 || teams == 19;
}

bool GenerateFixturePlan(CDBFixturelist& grid, int teams, int rounds) {
  return CanGenerateFixturePlan(teams) && FillFromTemplate(grid, teams, rounds);
}

void MirrorFirstHalf(CDBFixturelist& grid) {
  const int half = grid.Rows() / 2;
  for (int m = 0; m < half; ++m) {
    for (int c = 0; c < grid.Columns(); ++c) {
      const CDBFixturelist::Pair p = grid.GetPair(m, c);
      grid.SetPair(m + half, c, p.away, p.home);
    }
  }
}

void ClearMatchday(CDBFixturelist& grid, int row) { grid.ClearRow(row); }

bool PutTeamIntoFirstEmptySlot(CDBFixturelist& grid, int row, uint8_t place) {
  if (row < 0 || row >= grid.Rows()) return false;
  for (int c = 0; c < grid.Columns(); ++c) {
    const CDBFixturelist::Pair p = grid.GetPair(row, c);
    if (p.home == 0) {
      grid.SetPair(row, c, place, p.away);
      return true;
    }
  }
  for (int c = 0; c < grid.Columns(); ++c) {
    const CDBFixturelist::Pair p = grid.GetPair(row, c);
    if (p.away == 0) {
      grid.SetPair(row, c, p.home, place);
      return true;
    }
  }
  return false;
}

void ClearSlot(CDBFixturelist& grid, int row, int column, FixtureSide side) {
  CDBFixturelist::Pair p = grid.GetPair(row, column);
  if (side == FixtureSide::kHome) {
    p.home = 0;
  } else {
    p.away = 0;
  }
  grid.SetPair(row, column, p.home, p.away);
}

}  // namespace torvale
