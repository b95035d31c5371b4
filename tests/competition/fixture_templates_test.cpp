#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "competition/fixture_creator.h"
#include "competition/fixture_editing.h"
#include "competition/fixture_list.h"
#include "competition/fixture_templates.h"
#include "round_robin_check.h"

namespace torvale {
namespace {

using Pair = CDBFixturelist::Pair;
using testing_support::ExpectRoundRobin;
using testing_support::LongestHomeOrAwayRun;
using testing_support::Matchday;

// The template as matchdays; with an odd count the row's last byte names the resting team,
// which must be the one left out.
std::vector<Matchday> TemplatePlan(const std::vector<uint8_t>& t, int teams) {
  std::vector<Matchday> plan;
  const auto width = static_cast<size_t>(teams);
  for (size_t row = 0; row + width <= t.size(); row += width) {
    Matchday day;
    int listed = 0;
    for (size_t c = 0; c + 1 < width; c += 2) {
      day.push_back({t[row + c] - 1, t[row + c + 1] - 1});
      listed += t[row + c] + t[row + c + 1];
    }
    if (teams % 2) EXPECT_EQ(t[row + width - 1], teams * (teams + 1) / 2 - listed) << "row " << row / width;
    plan.push_back(day);
  }
  return plan;
}

TEST(FixtureTemplatesTest, EveryTemplateIsADoubleRoundRobin) {
  for (int teams = kFixtureTemplateMinTeams; teams <= kFixtureTemplateMaxTeams; ++teams) {
    SCOPED_TRACE(testing::Message() << teams << " teams");
    const int half = HalfSeasonMatchdays(teams);
    const std::vector<uint8_t> t = FixtureTemplate(teams);
    ASSERT_EQ(t.size(), static_cast<size_t>(2 * half * teams));
    const std::vector<Matchday> plan = TemplatePlan(t, teams);
    ExpectRoundRobin(plan, teams, half);
    const int longestInHalf = std::max(LongestHomeOrAwayRun(plan, teams, 0, half),
                                       LongestHomeOrAwayRun(plan, teams, half, half));
    EXPECT_LE(longestInHalf, CFixtureCreator::kMaxStreak);
    if (teams >= 10) {
      // The stored tables are kinder than the generator requires.
      EXPECT_LE(longestInHalf, 2);
      EXPECT_LE(LongestHomeOrAwayRun(plan, teams, 0, 2 * half), 3);
    }
  }
  EXPECT_TRUE(FixtureTemplate(7).empty());
  EXPECT_TRUE(FixtureTemplate(25).empty());
}

TEST(FixtureTemplatesTest, SmallTemplatesComeFromTheGenerator) {
  CFixtureCreator c;
  ASSERT_TRUE(c.Create(9, 2));
  const std::vector<uint8_t> t = FixtureTemplate(9);
  ASSERT_EQ(t.size(), 18u * 9u);
  for (int row = 0; row < 18; ++row) {
    for (int col = 0; col < 4; ++col) {
      EXPECT_EQ(t[static_cast<size_t>(row * 9 + 2 * col)], c.Get(row, col).home + 1);
      EXPECT_EQ(t[static_cast<size_t>(row * 9 + 2 * col + 1)], c.Get(row, col).away + 1);
    }
    auto rest = c.Get(row, 4);
    EXPECT_EQ(t[static_cast<size_t>(row * 9 + 8)], std::max(rest.home, rest.away) + 1);
  }
}

TEST(FixtureTemplatesTest, FillFromTemplateAlternatesTheHalvesRoundByRound) {
  const std::vector<uint8_t> t = FixtureTemplate(18);
  CDBFixturelist grid(17 * 4, 9);
  ASSERT_TRUE(FillFromTemplate(grid, 18, 4));
  EXPECT_TRUE(grid.IsComplete());
  for (int round = 0; round < 4; ++round) {
    const size_t half = static_cast<size_t>(round % 2) * 17 * 18;
    for (int m = 0; m < 17; ++m) {
      for (int c = 0; c < 9; ++c) {
        const size_t at = half + static_cast<size_t>(m * 18 + 2 * c);
        EXPECT_EQ(grid.GetPair(round * 17 + m, c), (Pair{t[at], t[at + 1]}));
      }
    }
  }

  // 17 teams: 8 columns, the resting team's byte stays out of the grid.
  CDBFixturelist odd(34, 8);
  ASSERT_TRUE(FillFromTemplate(odd, 17, 2));
  EXPECT_TRUE(odd.IsComplete());

  CDBFixturelist none(26, 3);
  EXPECT_FALSE(FillFromTemplate(none, 7, 2));
  EXPECT_EQ(none, CDBFixturelist(26, 3));
}

TEST(FixtureEditingTest, GeneratedPlanOnlyForEvenSizesAndNineteen) {
  EXPECT_TRUE(CanGenerateFixturePlan(18));
  EXPECT_TRUE(CanGenerateFixturePlan(19));
  EXPECT_TRUE(CanGenerateFixturePlan(8));
  EXPECT_FALSE(CanGenerateFixturePlan(17));
  EXPECT_FALSE(CanGenerateFixturePlan(9));
  EXPECT_FALSE(CanGenerateFixturePlan(6));   // no template
  EXPECT_FALSE(CanGenerateFixturePlan(26));  // no template

  CDBFixturelist grid(38, 9);
  EXPECT_FALSE(GenerateFixturePlan(grid, 17, 2));
  EXPECT_EQ(grid, CDBFixturelist(38, 9));
  CDBFixturelist nineteen(38, 9);
  EXPECT_TRUE(GenerateFixturePlan(nineteen, 19, 2));
  EXPECT_TRUE(nineteen.IsComplete());
}

TEST(FixtureEditingTest, SecondHalfMirrorsTheFirst) {
  CDBFixturelist grid(34, 9);
  for (int m = 0; m < 17; ++m) {
    for (int c = 0; c < 9; ++c) grid.SetPair(m, c, static_cast<uint8_t>(m + 1), static_cast<uint8_t>(c + 1));
  }
  grid.SetPair(33, 8, 5, 5);  // overwritten by the mirror
  MirrorFirstHalf(grid);
  for (int m = 0; m < 17; ++m) {
    for (int c = 0; c < 9; ++c) {
      EXPECT_EQ(grid.GetPair(m + 17, c), (Pair{static_cast<uint8_t>(c + 1), static_cast<uint8_t>(m + 1)}));
    }
  }
}

TEST(FixtureEditingTest, TeamsFillHomeSlotsFirstAndSlotsClearOneByOne) {
  CDBFixturelist grid(2, 2);
  EXPECT_TRUE(PutTeamIntoFirstEmptySlot(grid, 1, 4));
  EXPECT_TRUE(PutTeamIntoFirstEmptySlot(grid, 1, 7));
  EXPECT_TRUE(PutTeamIntoFirstEmptySlot(grid, 1, 2));
  EXPECT_EQ(grid.GetPair(1, 0), (Pair{4, 2}));
  EXPECT_EQ(grid.GetPair(1, 1), (Pair{7, 0}));
  EXPECT_TRUE(PutTeamIntoFirstEmptySlot(grid, 1, 9));
  EXPECT_FALSE(PutTeamIntoFirstEmptySlot(grid, 1, 3));  // row full
  EXPECT_FALSE(PutTeamIntoFirstEmptySlot(grid, 2, 3));  // no such row
  EXPECT_EQ(grid.GetPair(0, 0), (Pair{}));

  ClearSlot(grid, 1, 0, FixtureSide::kHome);
  EXPECT_EQ(grid.GetPair(1, 0), (Pair{0, 2}));
  EXPECT_TRUE(PutTeamIntoFirstEmptySlot(grid, 1, 5));
  EXPECT_EQ(grid.GetPair(1, 0), (Pair{5, 2}));
  ClearSlot(grid, 1, 1, FixtureSide::kAway);
  EXPECT_EQ(grid.GetPair(1, 1), (Pair{7, 0}));
  EXPECT_FALSE(grid.IsComplete());
  ClearMatchday(grid, 1);
  EXPECT_EQ(grid, CDBFixturelist(2, 2));
  ClearSlot(grid, 5, 5, FixtureSide::kAway);  // outside: nothing happens
}

}  // namespace
}  // namespace torvale
