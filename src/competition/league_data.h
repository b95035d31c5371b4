#pragma once
// Confirming the league data editor ("Ligadaten"): the values the user entered, and what the
// league keeps of them.

#include <cstdint>
#include <string>

namespace torvale {

class CDBLeague;

// More matchdays than this do not fit into a season; such a league plays 2 rounds.
constexpr int kMaxLeagueMatchdays = 46;
constexpr int kMaxLeagueNameChars = 29;

struct LeagueData {
  std::string name;       // Windows-1252
  std::string shortName;  // "Name (PS2)"
  int teams = 18;         // "Ligengröße"
  int rounds = 2;         // "Anzahl Spielrunden": 2, 3 or 4
  int spectatorMultiplier = 10;   // percent, 1-200
  int transferMultiplier = 100;   // percent, 1-250
  int relegationRule = 0;         // "Abstiegsregelung"
  int32_t television = 0;         // money value 3
  int32_t firstPlaceBonus = 0;    // money value 1
  int32_t perPlaceDeduction = 0;  // money value 2
};

// The rounds a league of `teams` teams can play: `rounds`, or 2 when that would give more
// than 46 matchdays.
int RoundsForLeagueSize(int teams, int rounds);

// Stores the entered data into the league: names cut to their lengths, the rounds limited as
// above, the size through SetNumberOfTeams (a new size clears the fixture list), the
// multipliers held to their ranges, the relegation rule only when it allows the league's size
// (else 0). Returns the relegation rule the league keeps, for the country's level rule.
int ApplyLeagueData(CDBLeague& league, const LeagueData& data);

}  // namespace torvale
