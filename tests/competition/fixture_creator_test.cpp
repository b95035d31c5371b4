#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "competition/fixture_creator.h"

namespace torvale {
namespace {

using Failure = CFixtureCreator::Failure;

// Longest run of home or away matches of any team over rows [first, first + count).
int LongestStreak(const CFixtureCreator& c, int first, int count) {
  std::vector<int> home(static_cast<size_t>(c.Teams())), away(static_cast<size_t>(c.Teams()));
  int longest = 0;
  for (int row = first; row < first + count; ++row) {
    for (int col = 0; col < c.Columns(); ++col) {
      auto p = c.Get(row, col);
      if (p.home < 0 || p.away < 0) continue;
      home[static_cast<size_t>(p.home)]++;
      away[static_cast<size_t>(p.home)] = 0;
      away[static_cast<size_t>(p.away)]++;
      home[static_cast<size_t>(p.away)] = 0;
      longest = std::max({longest, home[static_cast<size_t>(p.home)], away[static_cast<size_t>(p.away)]});
    }
  }
  return longest;
}

// Every row holds each team at most once; within each round every pair of teams meets exactly
// once; each round is the previous one with home and away exchanged.
void ExpectValidTable(const CFixtureCreator& c) {
  const int n = c.Teams();
  const int even = n + n % 2;
  const int perRound = even - 1;
  ASSERT_EQ(c.Rows(), perRound * c.Rounds());
  ASSERT_EQ(c.Columns(), even / 2);
  for (int round = 0; round < c.Rounds(); ++round) {
    std::vector<int> met(static_cast<size_t>(n * n), 0);
    for (int row = round * perRound; row < (round + 1) * perRound; ++row) {
      std::vector<int> seen(static_cast<size_t>(n), 0);
      int rests = 0;
      for (int col = 0; col < c.Columns(); ++col) {
        auto p = c.Get(row, col);
        if (p.home < 0 || p.away < 0) {
          ++rests;
          int resting = std::max(p.home, p.away);
          ASSERT_GE(resting, 0);
          ASSERT_EQ(++seen[static_cast<size_t>(resting)], 1);
          continue;
        }
        ASSERT_LT(p.home, n);
        ASSERT_LT(p.away, n);
        ASSERT_NE(p.home, p.away);
        ASSERT_EQ(++seen[static_cast<size_t>(p.home)], 1) << "row " << row;
        ASSERT_EQ(++seen[static_cast<size_t>(p.away)], 1) << "row " << row;
        ++met[static_cast<size_t>(std::min(p.home, p.away) * n + std::max(p.home, p.away))];
      }
      EXPECT_EQ(rests, n % 2) << "row " << row;
      if (round > 0) {
        for (int col = 0; col < c.Columns(); ++col) {
          auto p = c.Get(row, col);
          auto q = c.Get(row - perRound, col);
          EXPECT_EQ(p.home, q.away);
          EXPECT_EQ(p.away, q.home);
        }
      }
    }
    for (int a = 0; a < n; ++a) {
      for (int b = a + 1; b < n; ++b) EXPECT_EQ(met[static_cast<size_t>(a * n + b)], 1) << a << "-" << b;
    }
  }
  EXPECT_LE(LongestStreak(c, 0, perRound), CFixtureCreator::kMaxStreak);
}

TEST(FixtureCreatorTest, EightTeamsMeetOncePerRoundWithHomeAndAwayExchanged) {
  CFixtureCreator c;
  ASSERT_TRUE(c.Create(8, 2));
  EXPECT_EQ(c.Rows(), 14);
  EXPECT_EQ(c.Columns(), 4);
  ExpectValidTable(c);
}

TEST(FixtureCreatorTest, NineTeamsPutTheRestingTeamInTheLastPair) {
  CFixtureCreator c;
  ASSERT_TRUE(c.Create(9, 2));
  EXPECT_EQ(c.Rows(), 18);
  EXPECT_EQ(c.Columns(), 5);
  ExpectValidTable(c);
  for (int row = 0; row < c.Rows(); ++row) {
    auto last = c.Get(row, 4);
    EXPECT_TRUE((last.home == -1) != (last.away == -1)) << "row " << row;
    for (int col = 0; col < 4; ++col) {
      EXPECT_GE(c.Get(row, col).home, 0);
      EXPECT_GE(c.Get(row, col).away, 0);
    }
  }
}

TEST(FixtureCreatorTest, EverySizeAndRoundCountSucceedsWithAValidTableOrSaysWhy) {
  for (int n = 3; n <= 24; ++n) {
    for (int rounds = 1; rounds <= 4; ++rounds) {
      SCOPED_TRACE(testing::Message() << n << " teams, " << rounds << " rounds");
      CFixtureCreator c;
      if (c.Create(n, rounds)) {
        EXPECT_EQ(c.LastFailure(), Failure::kNone);
        ExpectValidTable(c);
      } else {
        // The circle method always gives every pairing once; only the home/away rhythm can
        // break, and it does for five teams alone.
        EXPECT_EQ(c.LastFailure(), Failure::kStreakTooLong);
        EXPECT_EQ(n, 5);
        EXPECT_EQ(c.Rows(), 0);
      }
    }
  }
}

TEST(FixtureCreatorTest, RefusesTooFewTeamsAndNoRounds) {
  CFixtureCreator c;
  EXPECT_FALSE(c.Create(2, 1));
  EXPECT_EQ(c.LastFailure(), Failure::kTooFewTeams);
  EXPECT_FALSE(c.Create(-4, 2));
  EXPECT_EQ(c.LastFailure(), Failure::kTooFewTeams);
  EXPECT_FALSE(c.Create(10, 0));
  EXPECT_EQ(c.LastFailure(), Failure::kNoRounds);
  // A failed Create leaves no half-built table behind, also after an earlier success.
  ASSERT_TRUE(c.Create(10, 2));
  EXPECT_FALSE(c.Create(5, 2));
  EXPECT_EQ(c.Rows(), 0);
  EXPECT_EQ(c.Get(0, 0), (CFixtureCreator::Pairing{-1, -1}));
}

}  // namespace
}  // namespace torvale
