#pragma once
// The league system layouts the country editor offers: how many leagues each of the five
// levels holds, and which relegation rules each level's lower boundary may carry.

#include <array>
#include <cstdint>
#include <string_view>

namespace torvale {

constexpr int kLeagueLevels = 5;
constexpr int kMaxLeagues = 20;

struct LeagueSystemLayout {
  std::string_view text;  // leagues per level joined by "-", e.g. "1-1-2-4"; "-" for none
  std::array<int, kLeagueLevels> leaguesPerLevel;
  // Per level: bit r set when relegation rule r is offered below that level.
  std::array<uint16_t, kLeagueLevels> offeredRules;

  bool Offers(int level, int rule) const;
  int LeagueCount() const;
};

constexpr int kLeagueSystemLayoutCount = 33;

// Layout number 0 ... 32; nullptr outside.
const LeagueSystemLayout* GetLeagueSystemLayout(int number);

// The layout whose leagues per level equal the given ones; -1 when none does.
int FindLeagueSystemLayout(const std::array<int, kLeagueLevels>& leaguesPerLevel);

// The rules kept when switching to `layout`: each level's rule where the layout offers it for
// that level, 0 otherwise.
std::array<int, kLeagueLevels> KeepOfferedRules(const LeagueSystemLayout& layout,
                                                const std::array<int, kLeagueLevels>& rules);

}  // namespace torvale
