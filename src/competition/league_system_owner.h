#pragma once
// What the league system needs from the country that owns it: the country's number, the
// registry its competitions live in, and the league-system fields the country stores (league
// count, first and end league of every level, the five boundary rules, the reserve level).
// The country implements this; the league system builder, the calendar model and the checks
// only see this interface.

namespace torvale {

class CompetitionRegistry;

class LeagueSystemOwner {
 public:
  virtual ~LeagueSystemOwner() = default;

  virtual int CountryNumber() const = 0;
  virtual CompetitionRegistry& Competitions() const = 0;

  // Leagues are (country, LEAGUE, 0 ... count - 1).
  virtual int LeagueCount() const = 0;
  virtual void SetLeagueCount(int count) = 0;
  // Level 0-4 holds the leagues first ... end - 1; it exists when end > first.
  virtual int FirstLeague(int level) const = 0;
  virtual int EndLeague(int level) const = 0;
  virtual void SetLevelLeagues(int level, int first, int end) = 0;
  // The relegation rule of the boundary below level 0-4.
  virtual int LevelRelegationRule(int level) const = 0;
  virtual void SetLevelRelegationRule(int level, int rule) = 0;
  // Reserve teams may play in the leagues of level L when L >= this value (5: nowhere).
  virtual int ReserveLevel() const = 0;
};

}  // namespace torvale
