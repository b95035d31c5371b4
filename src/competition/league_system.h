#pragma once
// The league system of a country: rebuilding it from a layout (leagues per level), and the
// extra competitions that the English, Scottish and Swiss relegation rules need.

#include <array>
#include <vector>

#include "competition/competition_id.h"
#include "competition/league_system_layouts.h"

namespace torvale {

class CDBLeague;
class LeagueSystemOwner;

using LevelCounts = std::array<int, kLeagueLevels>;
using LevelRules = std::array<int, kLeagueLevels>;

// The country's league of index 0 ... 19.
CompetitionId LeagueId(int country, int index);
// The registered leagues of a level, in index order.
std::vector<CDBLeague*> LeaguesOfLevel(const LeagueSystemOwner& country, int level);
// Every league of the country, level by level.
std::vector<CDBLeague*> LeaguesInLevelOrder(const LeagueSystemOwner& country);
LevelRules StoredRelegationRules(const LeagueSystemOwner& country);

// Rebuilds the country's leagues with `leaguesPerLevel` leagues on each level. The first
// leagues of a level take over the level's existing leagues with their teams, calendar and
// fixtures; further leagues copy the settings of the level's first existing league and get
// the default fixture list. Links of the other competitions follow the leagues to their new
// ids. Then the relegation structure is built for `rules`. False (nothing changed) when the
// counts are negative or exceed 20 leagues.
bool SetLeagueSystem(LeagueSystemOwner& country, const LevelCounts& leaguesPerLevel,
                     const LevelRules& rules);

// Builds the extra competitions of the rules: a play-off cup below an English boundary, the
// split-phase league of a Scottish one, the two-tier play-off of a Swiss one. With rules equal
// to the stored ones the existing play-offs are only linked again. A rule whose levels cannot
// carry it falls back to 0. The resulting rules are stored in the country.
void BuildRelegationStructure(LeagueSystemOwner& country, const LevelRules& newRules);

// Kinds of the competitions the relegation rules create (and older files may hold).
bool IsRelegationKind(int kind);

}  // namespace torvale
