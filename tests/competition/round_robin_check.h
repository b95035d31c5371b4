#pragma once
// Checks a season plan against the rules every fixture table obeys, whichever way it was made
// (stored template or generator).

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace torvale::testing_support {

struct PlannedMatch {
  int home;  // 0-based team numbers
  int away;
};
using Matchday = std::vector<PlannedMatch>;

// Longest run of home or away matches of any team over matchdays [first, first + count); a
// resting team keeps its rhythm.
inline int LongestHomeOrAwayRun(const std::vector<Matchday>& plan, int teams, int first, int count) {
  std::vector<int> run(static_cast<size_t>(teams), 0);
  std::vector<char> last(static_cast<size_t>(teams), 0);
  int longest = 0;
  auto play = [&](int team, char side) {
    const auto t = static_cast<size_t>(team);
    run[t] = last[t] == side ? run[t] + 1 : 1;
    last[t] = side;
    longest = std::max(longest, run[t]);
  };
  for (int m = first; m < first + count; ++m) {
    for (const PlannedMatch& x : plan[static_cast<size_t>(m)]) {
      play(x.home, 'H');
      play(x.away, 'A');
    }
  }
  return longest;
}

// Each matchday has every team but (with an odd count) one exactly once; within each round of
// `perRound` matchdays every pair meets once; over each two rounds every team hosts every other
// once.
inline void ExpectRoundRobin(const std::vector<Matchday>& plan, int teams, int perRound) {
  ASSERT_EQ(plan.size() % static_cast<size_t>(perRound), 0u);
  const auto n = static_cast<size_t>(teams);
  std::vector<int> hosts(n * n, 0);
  for (size_t round = 0; round < plan.size() / static_cast<size_t>(perRound); ++round) {
    std::vector<int> met(n * n, 0);
    for (size_t m = round * static_cast<size_t>(perRound); m < (round + 1) * static_cast<size_t>(perRound); ++m) {
      std::vector<int> seen(n, 0);
      ASSERT_EQ(plan[m].size(), n / 2) << "matchday " << m;
      for (const PlannedMatch& x : plan[m]) {
        ASSERT_TRUE(x.home >= 0 && x.home < teams && x.away >= 0 && x.away < teams && x.home != x.away)
            << "matchday " << m;
        EXPECT_EQ(++seen[static_cast<size_t>(x.home)], 1) << "matchday " << m;
        EXPECT_EQ(++seen[static_cast<size_t>(x.away)], 1) << "matchday " << m;
        ++met[static_cast<size_t>(std::min(x.home, x.away) * teams + std::max(x.home, x.away))];
        ++hosts[static_cast<size_t>(x.home * teams + x.away)];
      }
    }
    for (int a = 0; a < teams; ++a)
      for (int b = a + 1; b < teams; ++b) EXPECT_EQ(met[static_cast<size_t>(a * teams + b)], 1) << a << "-" << b;
    if (round % 2 == 1) {
      for (int a = 0; a < teams; ++a)
        for (int b = 0; b < teams; ++b)
          if (a != b) EXPECT_EQ(hosts[static_cast<size_t>(a * teams + b)], 1) << a << " hosts " << b;
      std::fill(hosts.begin(), hosts.end(), 0);
    }
  }
}

}  // namespace torvale::testing_support
