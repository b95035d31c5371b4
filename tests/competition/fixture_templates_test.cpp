#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "competition/fixture_creator.h"
#include "competition/fixture_editing.h"
#include "competition/fixture_list.h"
#include "competition/fixture_templates.h"

namespace torvale {
namespace {

using Pair = CDBFixturelist::Pair;

struct Match {
  int home;
  int away;
};

// The matches of template row `row` (0-based over both halves), and the resting team's place.
std::vector<Match> RowMatches(const std::vector<uint8_t>& t, int teams, int row, int* resting) {
  const uint8_t* r = t.data() + static_cast<size_t>(row) * static_cast<size_t>(teams);
  std::vector<Match> matches;
  for (int c = 0; c < teams / 2; ++c) matches.push_back({r[2 * c], r[2 * c + 1]});
  *resting = teams % 2 ? r[teams - 1] : 0;
  return matches;
}

int LongestRun(const std::vector<std::vector<char>>& sides) {
  int longest = 0;
  for (const auto& s : sides) {
    int run = 0;
    char last = 0;
    for (char x : s) {
      if (x == 0) continue;  // resting keeps the rhythm
      run = x == last ? run + 1 : 1;
      last = x;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

struct TemplateFacts {
  int longestRunInHalf = 0;
  int longestRunInSeason = 0;
};

// Checks the round-robin rules every template obeys and reports the home/away runs.
TemplateFacts CheckTemplate(int teams) {
  TemplateFacts facts;
  const std::vector<uint8_t> t = FixtureTemplate(teams);
  const int half = HalfSeasonMatchdays(teams);
  EXPECT_EQ(t.size(), static_cast<size_t>(2 * half * teams));
  if (t.size() != static_cast<size_t>(2 * half * teams)) return facts;

  // ordered[h][a]: how often h hosts a over the season.
  std::vector<std::vector<int>> ordered(teams + 1, std::vector<int>(teams + 1, 0));
  std::vector<std::vector<char>> season(teams + 1);
  for (int h = 0; h < 2; ++h) {
    std::vector<std::vector<int>> met(teams + 1, std::vector<int>(teams + 1, 0));
    std::vector<std::vector<char>> sides(teams + 1);
    for (int m = 0; m < half; ++m) {
      int resting = 0;
      std::vector<int> seen(teams + 1, 0);
      for (const Match& x : RowMatches(t, teams, h * half + m, &resting)) {
        EXPECT_TRUE(x.home >= 1 && x.home <= teams && x.away >= 1 && x.away <= teams);
        if (!(x.home >= 1 && x.home <= teams && x.away >= 1 && x.away <= teams)) return facts;
        EXPECT_NE(x.home, x.away);
        EXPECT_EQ(++seen[x.home], 1) << "row " << h * half + m;
        EXPECT_EQ(++seen[x.away], 1) << "row " << h * half + m;
        ++met[std::min(x.home, x.away)][std::max(x.home, x.away)];
        ++ordered[x.home][x.away];
      }
      if (teams % 2) {
        EXPECT_TRUE(resting >= 1 && resting <= teams && seen[resting] == 0) << "row " << m;
      }
      for (int team = 1; team <= teams; ++team) {
        const char side = seen[team] == 0 ? 0 : 'A';
        sides[team].push_back(side);
      }
      for (const Match& x : RowMatches(t, teams, h * half + m, &resting)) sides[x.home].back() = 'H';
      for (int team = 1; team <= teams; ++team) season[team].push_back(sides[team].back());
    }
    for (int a = 1; a <= teams; ++a) {
      for (int b = a + 1; b <= teams; ++b) EXPECT_EQ(met[a][b], 1) << a << "-" << b << " half " << h;
    }
    facts.longestRunInHalf = std::max(facts.longestRunInHalf, LongestRun(sides));
  }
  for (int a = 1; a <= teams; ++a) {
    for (int b = 1; b <= teams; ++b) {
      if (a != b) {
        EXPECT_EQ(ordered[a][b], 1) << a << " hosts " << b;
      }
    }
  }
  facts.longestRunInSeason = LongestRun(season);
  return facts;
}

TEST(FixtureTemplatesTest, EveryTemplateIsADoubleRoundRobin) {
  for (int teams = kFixtureTemplateMinTeams; teams <= kFixtureTemplateMaxTeams; ++teams) {
    SCOPED_TRACE(testing::Message() << teams << " teams");
    TemplateFacts facts = CheckTemplate(teams);
    EXPECT_LE(facts.longestRunInHalf, CFixtureCreator::kMaxStreak);
    if (teams >= 10) {
      // The stored tables are kinder than the generator requires.
      EXPECT_LE(facts.longestRunInHalf, 2);
      EXPECT_LE(facts.longestRunInSeason, 3);
    }
  }
  EXPECT_TRUE(FixtureTemplate(7).empty());
  EXPECT_TRUE(FixtureTemplate(25).empty());
}

TEST(FixtureTemplatesTest, TenTeamTemplateOpensWithItsKnownRows) {
  const std::vector<uint8_t> t = FixtureTemplate(10);
  ASSERT_EQ(t.size(), 180u);
  const std::vector<uint8_t> firstRows = {7, 9, 3, 2, 10, 4, 6, 8, 5, 1,
                                          8, 10, 4, 3, 9, 5, 1, 6, 2, 7};
  EXPECT_TRUE(std::equal(firstRows.begin(), firstRows.end(), t.begin()));
  const std::vector<uint8_t> secondHalf = {4, 2, 7, 1, 3, 9, 10, 6, 5, 8};
  EXPECT_TRUE(std::equal(secondHalf.begin(), secondHalf.end(), t.begin() + 90));
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
