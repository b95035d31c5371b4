#include "competition/fixture_creator.h"

#include <algorithm>
#include <utility>

namespace torvale {

bool CFixtureCreator::Create(int teams, int rounds) {
  if (teams < 3) {
    Fail(Failure::kTooFewTeams);
    return false;
  }
  if (rounds < 1) {
    Fail(Failure::kNoRounds);
    return false;
  }
  const int even = (teams + 1) & ~1;
  const int matchdays = even - 1;
  const int pairs = even / 2;
  teams_ = teams;
  rounds_ = rounds;
  rows_ = matchdays * rounds;
  columns_ = pairs;
  table_.assign(static_cast<size_t>(rows_ * columns_), Pairing{});
  failure_ = Failure::kNone;

  BuildFirstRound(teams, matchdays, pairs);
  if (!EveryPairingOnce(teams, matchdays)) {
    Fail(Failure::kPairingNotOnce);
    return false;
  }
  if (LongestStreak(teams, matchdays) > kMaxStreak) {
    Fail(Failure::kStreakTooLong);
    return false;
  }
  // Each further round replays the previous one with home and away exchanged, so the teams'
  // home and away matches alternate from round to round.
  for (int row = matchdays; row < rows_; ++row) {
    for (int c = 0; c < columns_; ++c) {
      const Pairing previous = At(row - matchdays, c);
      At(row, c) = Pairing{previous.away, previous.home};
    }
  }
  return true;
}

void CFixtureCreator::BuildFirstRound(int teams, int matchdays, int pairs) {
  auto team = [teams](int t) { return t < teams ? t : -1; };
  for (int c = 0; c < pairs; ++c) At(0, c) = Pairing{team(2 * c), team(2 * c + 1)};

  // Circle method: team 0 stays home in pair 0 while every other team moves one place round
  // the circle per matchday.
  for (int row = 1; row < matchdays; ++row) {
    const int p = row - 1;
    At(row, 0).home = 0;
    At(row, 0).away = pairs > 1 ? At(p, 1).home : -1;
    for (int c = 1; c + 1 < pairs; ++c) At(row, c).home = At(p, c + 1).home;
    if (pairs > 1) At(row, pairs - 1).home = At(p, pairs - 1).away;
    for (int c = 1; c < pairs; ++c) At(row, c).away = At(p, c - 1).away;
  }

  // With an odd number of teams the resting team's "pairing" goes to the end of the row, where
  // the fixture grid (which has one column less) does not see it.
  if (teams % 2 != 0) {
    for (int row = 0; row < matchdays; ++row) {
      for (int c = 0; c < pairs; ++c) {
        if (At(row, c).home == -1 || At(row, c).away == -1) {
          std::swap(At(row, c), At(row, pairs - 1));
          break;
        }
      }
    }
  }

  for (int row = 0; row < matchdays; row += 2) {
    for (int c = 0; c < pairs; ++c) std::swap(At(row, c).home, At(row, c).away);
  }
}

bool CFixtureCreator::EveryPairingOnce(int teams, int matchdays) const {
  std::vector<int> meetings(static_cast<size_t>(teams * teams), 0);
  for (int row = 0; row < matchdays; ++row) {
    for (int c = 0; c < columns_; ++c) {
      const Pairing& p = table_[static_cast<size_t>(row * columns_ + c)];
      if (p.home < 0 || p.away < 0) continue;
      if (p.home == p.away) return false;
      ++meetings[static_cast<size_t>(p.home * teams + p.away)];
      ++meetings[static_cast<size_t>(p.away * teams + p.home)];
    }
  }
  for (int a = 0; a < teams; ++a) {
    for (int b = 0; b < teams; ++b) {
      if (a != b && meetings[static_cast<size_t>(a * teams + b)] != 1) return false;
    }
  }
  return true;
}

int CFixtureCreator::LongestStreak(int teams, int matchdays) const {
  std::vector<int> home(static_cast<size_t>(teams), 0);
  std::vector<int> away(static_cast<size_t>(teams), 0);
  int longest = 0;
  for (int row = 0; row < matchdays; ++row) {
    for (int c = 0; c < columns_; ++c) {
      const Pairing& p = table_[static_cast<size_t>(row * columns_ + c)];
      // A resting team (paired with -1) keeps its run: a rest breaks no rhythm.
      if (p.home < 0 || p.away < 0) continue;
      const auto h = static_cast<size_t>(p.home);
      const auto a = static_cast<size_t>(p.away);
      ++home[h];
      away[h] = 0;
      ++away[a];
      home[a] = 0;
      longest = std::max({longest, home[h], away[a]});
    }
  }
  return longest;
}

CFixtureCreator::Pairing CFixtureCreator::Get(int row, int column) const {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return Pairing{};
  return table_[static_cast<size_t>(row * columns_ + column)];
}

void CFixtureCreator::Fail(Failure why) {
  failure_ = why;
  table_.clear();
  rows_ = 0;
  columns_ = 0;
}

}  // namespace torvale
