#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "competition/fixture_creator.h"
#include "round_robin_check.h"

namespace torvale {
namespace {

using Failure = CFixtureCreator::Failure;
using testing_support::ExpectRoundRobin;
using testing_support::LongestHomeOrAwayRun;
using testing_support::Matchday;

// The generated table as matchdays; a resting team sits alone in the last pair of its row.
// Checks the round-robin rules, and that each round is the previous one with home and away
// exchanged.
void ExpectValidTable(const CFixtureCreator& c) {
  const int n = c.Teams();
  const int perRound = n + n % 2 - 1;
  ASSERT_EQ(c.Rows(), perRound * c.Rounds());
  ASSERT_EQ(c.Columns(), (n + 1) / 2);
  std::vector<Matchday> plan(static_cast<size_t>(c.Rows()));
  for (int row = 0; row < c.Rows(); ++row) {
    for (int col = 0; col < c.Columns(); ++col) {
      const auto p = c.Get(row, col);
      if (p.home < 0 || p.away < 0) {
        EXPECT_EQ(col, c.Columns() - 1) << "row " << row;
        EXPECT_TRUE((p.home == -1) != (p.away == -1)) << "row " << row;
      } else {
        plan[static_cast<size_t>(row)].push_back({p.home, p.away});
      }
      if (row >= perRound) EXPECT_EQ(p, (CFixtureCreator::Pairing{c.Get(row - perRound, col).away,
                                                                 c.Get(row - perRound, col).home}));
    }
  }
  ExpectRoundRobin(plan, n, perRound);
  EXPECT_LE(LongestHomeOrAwayRun(plan, n, 0, perRound), CFixtureCreator::kMaxStreak);
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
