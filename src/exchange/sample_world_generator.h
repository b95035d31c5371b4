#pragma once
// Fills a world with a real-looking football world: the 22 countries the console
// edition can offer get complete league systems (between them every relegation rule and every
// cup mode), clubs with stadiums, kits, badges, history and their squads and officials; the
// other countries get a few clubs. The benchmark worlds (scale S > 0) make every country
// playable with about 48·S clubs of 30 persons. The same seed gives the same world.

#include <cstdint>
#include <string>
#include <vector>

namespace torvale {

class CNameGenerator;
class CWorldDatabase;

// The console edition's country whitelist: these are the countries the sample makes playable.
inline constexpr int kSamplePlayableCountries[] = {4,  7,  12, 13, 14, 17, 18, 21, 22, 25, 26,
                                                   27, 34, 36, 37, 42, 45, 46, 47, 48, 49, 167};

struct SampleWorldOptions {
  int scale = 0;  // 0: the sample installation; S > 0: a benchmark world
  uint32_t seed = 1;
};

// Where each generated club's badge lives: its badge path (group\Badge180\file.tga).
struct SampleBadge {
  uint32_t clubId = 0;
  std::string path;
  uint8_t colours[3] = {};  // club colours: background 1, background 2, headline
};

struct SampleWorldSummary {
  int playableCountries = 0;
  int clubs = 0;  // without the amateur clubs
  int persons = 0;
  std::vector<SampleBadge> badges;
};

// `world` must be fresh from InitEmptyWorld; `names` provides first names and surnames by
// language (its draws are seeded from options.seed).
SampleWorldSummary GenerateSampleWorld(CWorldDatabase& world, CNameGenerator& names,
                                       const SampleWorldOptions& options);

}  // namespace torvale
