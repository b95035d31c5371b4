#pragma once
// CFixtureCreator: the round-robin generator behind the small fixture templates. It builds the
// circle-method table, checks it (every pairing once per round, no home or away run longer
// than three matchdays) and mirrors it for further rounds.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace torvale {

class CFixtureCreator {
 public:
  // 0-based team numbers; -1 stands for "no team" (the partner of the resting team).
  struct Pairing {
    int32_t home = -1;
    int32_t away = -1;
    bool operator==(const Pairing&) const = default;
  };

  enum class Failure {
    kNone,
    kTooFewTeams,         // fewer than 3 teams
    kNoRounds,            // fewer than 1 round
    kPairingNotOnce,      // a pairing missing or repeated within a round, or a team meeting itself
    kStreakTooLong,       // some team plays more than 3 home or away matches in a row
  };

  // The longest run of home or of away matches a generated round may give any team.
  static constexpr int kMaxStreak = 3;

  virtual ~CFixtureCreator() = default;

  // Builds the table for `teams` teams meeting `rounds` times. On failure the table is left
  // empty and LastFailure says why.
  bool Create(int teams, int rounds);

  int Teams() const { return teams_; }
  int Rounds() const { return rounds_; }
  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  // The pairing at (row, column); (-1, -1) outside the table.
  Pairing Get(int row, int column) const;
  Failure LastFailure() const { return failure_; }

 private:
  Pairing& At(int row, int column) { return table_[static_cast<std::size_t>(row * columns_ + column)]; }
  void BuildFirstRound(int teams, int matchdays, int pairsPerMatchday);
  bool EveryPairingOnce(int teams, int matchdays) const;
  int LongestStreak(int teams, int matchdays) const;
  void Fail(Failure why);

  std::vector<Pairing> table_;
  int teams_ = 0;
  int rounds_ = 0;
  int rows_ = 0;
  int columns_ = 0;
  Failure failure_ = Failure::kNone;
};

}  // namespace torvale
