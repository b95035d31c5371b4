#pragma once
// The regular clubs of a country of the sample installation, for the tests of the person
// dialogs.

#include <stdexcept>

#include "database/world_database.h"
#include "world/club.h"
#include "world/country.h"

namespace torvale::test {

// The `which`-th regular club (not the national pseudo-club) of `country`.
inline CClub& SampleClub(CWorldDatabase& world, int country, int which) {
  int seen = 0;
  for (auto& [id, club] : world.Country(country)->Clubs()) {
    if (club->Number() != kAmateurClubNumber && seen++ == which) return *club;
  }
  throw std::runtime_error("sample world without enough clubs");
}

}  // namespace torvale::test
