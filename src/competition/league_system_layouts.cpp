#include "competition/league_system_layouts.h"

#include <initializer_list>

namespace torvale {

namespace {

constexpr uint16_t Rules(std::initializer_list<int> rules) {
  uint16_t bits = 0;
  for (int r : rules) bits = static_cast<uint16_t>(bits | (1u << r));
  return bits;
}

// The recurring rule sets of the table below.
constexpr uint16_t kNone = 0;
constexpr uint16_t kPlain = Rules({0, 1, 2, 3, 4, 5});
constexpr uint16_t kPlainScottish = Rules({0, 1, 2, 3, 4, 5, 9});
constexpr uint16_t kEnglish = Rules({0, 1, 2, 3, 4, 5, 6, 7, 8});
constexpr uint16_t kEnglishSwiss = Rules({0, 1, 2, 3, 4, 5, 6, 7, 8, 10});
constexpr uint16_t kAll = Rules({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
// Below a level of one league feeding n leagues, only multiples of n can go down.
constexpr uint16_t kTwoOrFour = Rules({0, 2, 4});
constexpr uint16_t kThree = Rules({0, 3});
constexpr uint16_t kFour = Rules({0, 4});
constexpr uint16_t kFive = Rules({0, 5});

constexpr LeagueSystemLayout kLayouts[kLeagueSystemLayoutCount] = {
    {"-", {0, 0, 0, 0, 0}, {kNone, kNone, kNone, kNone, kNone}},
    {"1", {1, 0, 0, 0, 0}, {kPlainScottish, kNone, kNone, kNone, kNone}},
    {"1-1", {1, 1, 0, 0, 0}, {kAll, kPlainScottish, kNone, kNone, kNone}},
    {"1-2", {1, 2, 0, 0, 0}, {kTwoOrFour, kPlain, kNone, kNone, kNone}},
    {"1-3", {1, 3, 0, 0, 0}, {kThree, kPlain, kNone, kNone, kNone}},
    {"1-4", {1, 4, 0, 0, 0}, {kFour, kPlain, kNone, kNone, kNone}},
    {"1-1-1", {1, 1, 1, 0, 0}, {kEnglishSwiss, kEnglishSwiss, kPlain, kNone, kNone}},
    {"1-1-2", {1, 1, 2, 0, 0}, {kEnglish, kTwoOrFour, kPlain, kNone, kNone}},
    {"1-1-3", {1, 1, 3, 0, 0}, {kEnglish, kThree, kPlain, kNone, kNone}},
    {"1-1-4", {1, 1, 4, 0, 0}, {kEnglish, kFour, kPlain, kNone, kNone}},
    {"1-1-5", {1, 1, 5, 0, 0}, {kAll, kFive, kPlain, kNone, kNone}},
    {"1-2-2", {1, 2, 2, 0, 0}, {kTwoOrFour, kPlain, kPlain, kNone, kNone}},
    {"1-2-4", {1, 2, 4, 0, 0}, {kTwoOrFour, kTwoOrFour, kPlain, kNone, kNone}},
    {"1-2-8", {1, 2, 8, 0, 0}, {kTwoOrFour, kFour, kPlain, kNone, kNone}},
    {"1-4-4", {1, 4, 4, 0, 0}, {kFour, kPlain, kPlain, kNone, kNone}},
    {"1-1-1-1", {1, 1, 1, 1, 0}, {kEnglish, kEnglish, kEnglish, kPlain, kNone}},
    {"1-1-1-2", {1, 1, 1, 2, 0}, {kEnglish, kEnglish, kTwoOrFour, kPlain, kNone}},
    {"1-1-1-3", {1, 1, 1, 3, 0}, {kEnglish, kEnglish, kThree, kPlain, kNone}},
    {"1-1-1-4", {1, 1, 1, 4, 0}, {kAll, kEnglish, kFour, kPlain, kNone}},
    {"1-1-2-2", {1, 1, 2, 2, 0}, {kAll, kTwoOrFour, kPlain, kPlain, kNone}},
    {"1-1-2-4", {1, 1, 2, 4, 0}, {kAll, kTwoOrFour, kTwoOrFour, kPlain, kNone}},
    {"1-1-2-8", {1, 1, 2, 8, 0}, {kAll, kTwoOrFour, kFour, kPlain, kNone}},
    {"1-1-2-10", {1, 1, 2, 10, 0}, {kAll, kTwoOrFour, kFive, kPlain, kNone}},
    {"1-1-3-3", {1, 1, 3, 3, 0}, {kAll, kThree, kPlain, kPlain, kNone}},
    {"1-1-3-6", {1, 1, 3, 6, 0}, {kEnglish, kThree, kTwoOrFour, kPlain, kNone}},
    {"1-1-3-9", {1, 1, 3, 9, 0}, {kEnglish, kThree, kThree, kPlain, kNone}},
    {"1-1-4-4", {1, 1, 4, 4, 0}, {kEnglish, kFour, kPlain, kPlain, kNone}},
    {"1-1-1-1-1", {1, 1, 1, 1, 1}, {kEnglish, kEnglish, kEnglish, kEnglish, kPlain}},
    {"1-1-1-1-2", {1, 1, 1, 1, 2}, {kEnglish, kEnglish, kEnglish, kTwoOrFour, kPlain}},
    {"1-1-1-1-4", {1, 1, 1, 1, 4}, {kEnglish, kEnglish, kEnglish, kFour, kPlain}},
    {"1-1-1-2-4", {1, 1, 1, 2, 4}, {kEnglish, kEnglish, kTwoOrFour, kTwoOrFour, kPlain}},
    {"1-1-1-3-3", {1, 1, 1, 3, 3}, {kEnglish, kEnglish, kThree, kPlain, kPlain}},
    {"1-1-1-4-4", {1, 1, 1, 4, 4}, {kEnglish, kEnglish, kFour, kPlain, kPlain}},
};

}  // namespace

bool LeagueSystemLayout::Offers(int level, int rule) const {
  if (level < 0 || level >= kLeagueLevels || rule < 0 || rule >= 16) return false;
  return (offeredRules[static_cast<size_t>(level)] >> rule) & 1u;
}

int LeagueSystemLayout::LeagueCount() const {
  int count = 0;
  for (int n : leaguesPerLevel) count += n;
  return count;
}

const LeagueSystemLayout* GetLeagueSystemLayout(int number) {
  if (number < 0 || number >= kLeagueSystemLayoutCount) return nullptr;
  return &kLayouts[number];
}

int FindLeagueSystemLayout(const std::array<int, kLeagueLevels>& leaguesPerLevel) {
  for (int i = 0; i < kLeagueSystemLayoutCount; ++i) {
    if (kLayouts[i].leaguesPerLevel == leaguesPerLevel) return i;
  }
  return -1;
}

std::array<int, kLeagueLevels> KeepOfferedRules(const LeagueSystemLayout& layout,
                                                const std::array<int, kLeagueLevels>& rules) {
  std::array<int, kLeagueLevels> kept{};
  for (int level = 0; level < kLeagueLevels; ++level) {
    const int rule = rules[static_cast<size_t>(level)];
    kept[static_cast<size_t>(level)] = layout.Offers(level, rule) ? rule : 0;
  }
  return kept;
}

}  // namespace torvale
