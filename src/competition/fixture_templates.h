#pragma once
// The default fixture lists that a league gets when it is created or when the user asks for a
// generated plan. A template covers one season of two half-seasons; the first half serves the
// league's first, third, ... round and the second half its second, fourth, ... round.
//
// Templates exist for 8 to 24 teams: those for 10-24 are stored tables, those for 8 and 9 are
// produced by the round-robin generator (it is deterministic, so they are made when asked for).

#include <cstdint>
#include <vector>

namespace torvale {

class CDBFixturelist;

constexpr int kFixtureTemplateMinTeams = 8;
constexpr int kFixtureTemplateMaxTeams = 24;

// Matchdays of one half-season: the number of teams rounded up to even, minus one.
int HalfSeasonMatchdays(int teams);

// The template for `teams` teams: 2 × HalfSeasonMatchdays rows of `teams` bytes each (pairs of
// 1-based places, home first; with an odd number the resting team's place last). Empty when
// there is no template for that number of teams.
std::vector<uint8_t> FixtureTemplate(int teams);

// Converts the generator's two-round table into the template layout: places + 1, a missing
// team as 0, the resting team last in the row. Empty when the generator fails.
std::vector<uint8_t> GenerateFixtureTemplate(int teams);

// Copies the template half-seasons into the grid, one half-season per round (first half for
// rounds 0, 2, ..., second half for 1, 3, ...). Pairings that fall outside the grid are dropped.
// False (grid unchanged) when there is no template for the number of teams.
bool FillFromTemplate(CDBFixturelist& grid, int teams, int rounds);

}  // namespace torvale
