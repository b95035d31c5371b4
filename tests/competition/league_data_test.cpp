#include <gtest/gtest.h>

#include "competition/league.h"
#include "competition/league_data.h"
#include "competition/relegation_rules.h"

namespace torvale {
namespace {

TEST(LeagueDataTest, RoundsFallBackWhenTheSeasonWouldBeTooLong) {
  EXPECT_EQ(RoundsForLeagueSize(20, 4), 2);  // 76 matchdays
  EXPECT_EQ(RoundsForLeagueSize(12, 4), 4);  // 44
  EXPECT_EQ(RoundsForLeagueSize(16, 3), 3);  // 45
  EXPECT_EQ(RoundsForLeagueSize(18, 3), 2);  // 51

  CDBLeague league;
  LeagueData data;
  data.name = std::string(40, 'x');
  data.shortName = "Erste Liga Nord-Ost";
  data.teams = 20;
  data.rounds = 4;
  data.spectatorMultiplier = 0;
  data.transferMultiplier = 300;
  data.relegationRule = REL_RULE_SCOTLAND;
  data.television = 5000000;
  data.firstPlaceBonus = 100000;
  data.perPlaceDeduction = 2500;
  EXPECT_EQ(ApplyLeagueData(league, data), REL_RULE_0);  // Scottish needs 12 teams
  EXPECT_EQ(std::string(league.Name()), std::string(29, 'x'));
  EXPECT_STREQ(league.ShortName(), "Erste Liga Nord-");
  EXPECT_EQ(league.Rounds(), 2);
  EXPECT_EQ(league.MatchdayCount(), 38);
  EXPECT_EQ(league.Fixtures().Rows(), 38);
  EXPECT_EQ(league.Fixtures().Columns(), 10);
  EXPECT_EQ(league.SpectatorMultiplier(), 1);
  EXPECT_EQ(league.TransferMultiplier(), 250);
  EXPECT_EQ(league.RelegationRule(), REL_RULE_0);
  EXPECT_EQ(league.GetMoneyValue(3), 5000000);
  EXPECT_EQ(league.GetMoneyValue(1), 100000);
  EXPECT_EQ(league.GetMoneyValue(2), 2500);

  data.teams = 12;
  EXPECT_EQ(ApplyLeagueData(league, data), REL_RULE_SCOTLAND);
  EXPECT_EQ(league.Rounds(), 4);
  EXPECT_EQ(league.Fixtures().Rows(), 44);
}

TEST(LeagueDataTest, NewRoundsResizeTheFixtureListAndKeepWhatFits) {
  CDBLeague league;
  LeagueData data;
  ApplyLeagueData(league, data);
  league.Fixtures().SetPair(0, 0, 1, 2);
  league.Fixtures().SetPair(33, 8, 17, 18);
  data.rounds = 3;  // 18 teams: 51 matchdays are too many, stays at 2
  ApplyLeagueData(league, data);
  EXPECT_EQ(league.Fixtures().GetPair(33, 8), (CDBFixturelist::Pair{17, 18}));

  data.teams = 12;
  data.rounds = 2;
  ApplyLeagueData(league, data);  // new size: empty grid
  league.Fixtures().SetPair(21, 5, 11, 12);
  data.rounds = 4;
  ApplyLeagueData(league, data);
  EXPECT_EQ(league.Fixtures().Rows(), 44);
  EXPECT_EQ(league.Fixtures().GetPair(21, 5), (CDBFixturelist::Pair{11, 12}));
  data.rounds = 3;
  ApplyLeagueData(league, data);
  EXPECT_EQ(league.Fixtures().Rows(), 33);
  EXPECT_EQ(league.Fixtures().GetPair(21, 5), (CDBFixturelist::Pair{11, 12}));
  league.SetRounds(2);  // directly, as the sample generator does
  EXPECT_EQ(league.Fixtures().Rows(), 22);
}

}  // namespace
}  // namespace torvale
