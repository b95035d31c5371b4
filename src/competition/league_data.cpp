#include "competition/league_data.h"

#include <algorithm>
#include <string_view>

#include "competition/fixture_templates.h"
#include "competition/league.h"
#include "competition/relegation_rules.h"

namespace torvale {

int RoundsForLeagueSize(int teams, int rounds) {
  return HalfSeasonMatchdays(teams) * rounds > kMaxLeagueMatchdays ? 2 : rounds;
}

int ApplyLeagueData(CDBLeague& league, const LeagueData& data) {
  league.SetName(std::string_view(data.name).substr(0, kMaxLeagueNameChars));
  league.SetShortName(data.shortName);
  const int rounds = RoundsForLeagueSize(data.teams, data.rounds);
  league.SetRounds(rounds);
  // A new size clears the grid, rebuilt with the rounds just set.
  league.SetNumberOfTeams(data.teams);
  league.SetSpectatorMultiplier(static_cast<uint8_t>(std::clamp(data.spectatorMultiplier, 1, 200)));
  league.SetTransferMultiplier(static_cast<uint8_t>(std::clamp(data.transferMultiplier, 1, 250)));
  const int rule = RelegationRuleForLeagueSize(data.relegationRule, data.teams);
  league.SetRelegationRule(static_cast<uint8_t>(rule));
  league.SetMoneyValue(3, data.television);
  league.SetMoneyValue(1, data.firstPlaceBonus);
  league.SetMoneyValue(2, data.perPlaceDeduction);
  return rule;
}

}  // namespace torvale
