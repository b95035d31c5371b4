#include "world/country_editing.h"

#include <gtest/gtest.h>

#include <cstring>

#include "competition/league.h"
#include "competition/league_system.h"
#include "country_test_world.h"
#include "world/country.h"

namespace torvale {
namespace {

constexpr int kGermany = 14;

TEST(CountryEditing, DaysInMonthFollowsLeapYears) {
  EXPECT_EQ(DaysInMonth(1999, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2004, 2), 29);
  EXPECT_EQ(DaysInMonth(2003, 4), 30);
  EXPECT_EQ(DaysInMonth(2003, 12), 31);
  EXPECT_EQ(DaysInMonth(2003, 13), 31);
}

TEST(CountryEditing, ReservesAllowedPerLevelMoveTheReserveLevel) {
  CCountry country(kGermany);
  country.reserveLevel = 2;
  SetReservesAllowedOnLevel(country, 3, true);
  EXPECT_EQ(country.reserveLevel, 2) << "level 3 already allows them";
  SetReservesAllowedOnLevel(country, 3, false);
  EXPECT_EQ(country.reserveLevel, 4);
  EXPECT_FALSE(ReservesAllowedOnLevel(country, 2));
  SetReservesAllowedOnLevel(country, 1, true);
  EXPECT_EQ(country.reserveLevel, 1);
  SetReservesAllowedOnLevel(country, 4, false);
  EXPECT_EQ(country.reserveLevel, 5) << "forbidden on the lowest level: nowhere";
  SetReservesAllowedOnLevel(country, 7, true);
  EXPECT_EQ(country.reserveLevel, 5) << "no such level";
}

TEST(CountryEditing, LeaguesDroppedWithTeamsAreThoseBeyondTheNewCounts) {
  testing::CountryTestWorld world;
  CCountry& country = world.AddCountry(kGermany, "Deutschland", "GER");
  testing::BuildPlayableLeagues(world, country);  // one league on levels 0 and 1, with teams
  EXPECT_TRUE(LeaguesDroppedWithTeams(country, {1, 1, 0, 0, 0}).empty());
  EXPECT_TRUE(LeaguesDroppedWithTeams(country, {1, 2, 4, 0, 0}).empty());
  const auto dropped = LeaguesDroppedWithTeams(country, {1, 0, 0, 0, 0});
  ASSERT_EQ(dropped.size(), 1u);
  EXPECT_EQ(dropped[0]->Id(), LeagueId(kGermany, 1));
  EXPECT_EQ(LeaguesDroppedWithTeams(country, {0, 0, 0, 0, 0}).size(), 2u);
}

TEST(CountryEditing, PoolTakesFreePlacesFirstAndStopsAtItsLimit) {
  testing::CountryTestWorld world;
  CCountry& country = world.AddCountry(kGermany, "Deutschland", "GER");
  testing::BuildPlayableLeagues(world, country);
  // 24 clubs in the league system: room for 600 youth players.
  ASSERT_EQ(PlayerPoolLimit(country), 600);
  country.ResizePlayerPool(3);
  CPlayerPoolEntry entry;
  std::strcpy(entry.surname, "Jung");
  EXPECT_EQ(AddPlayerPoolEntry(country, entry), 1);
  EXPECT_EQ(AddPlayerPoolEntry(country, entry), 2);
  ClearPlayerPoolEntry(country, 0);
  EXPECT_FALSE(country.PlayerPool()[0].InUse());
  EXPECT_EQ(country.PlayerPool()[0].nationality, kGermany);
  EXPECT_EQ(AddPlayerPoolEntry(country, entry), 1) << "the emptied place is used again";
  EXPECT_EQ(AddPlayerPoolEntry(country, CPlayerPoolEntry{}), 0) << "no surname, no entry";

  for (int i = 2; i < 600; ++i) ASSERT_NE(AddPlayerPoolEntry(country, entry), 0);
  EXPECT_EQ(AddPlayerPoolEntry(country, entry), 0) << "a full pool adds nothing";
  EXPECT_EQ(country.PlayerPoolSize(), 600);
}

}  // namespace
}  // namespace torvale
