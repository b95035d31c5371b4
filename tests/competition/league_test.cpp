#include <gtest/gtest.h>

#include <memory>

#include "competition/cup.h"
#include "competition/league.h"
#include "competition/league_data.h"
#include "competition/relegation_rules.h"
#include "league_test_country.h"

namespace torvale {
namespace {

using testing_support::TestCountry;

TEST(LeagueTest, MatchdayCountAndGridFollowTheSize) {
  CDBLeague league;
  EXPECT_EQ(league.MatchdayCount(), 34);
  EXPECT_EQ(league.Fixtures().Rows(), 34);
  EXPECT_EQ(league.Fixtures().Columns(), 9);
  league.SetNumberOfTeams(17);  // one team rests each matchday
  EXPECT_EQ(league.MatchdayCount(), 34);
  EXPECT_EQ(league.Fixtures().Columns(), 8);
  league.SetRounds(4);
  league.SetNumberOfTeams(20);
  EXPECT_EQ(league.MatchdayCount(), 76);
  EXPECT_EQ(league.Fixtures().Rows(), 76);
  league.SetNumberOfTeams(0);
  EXPECT_EQ(league.MatchdayCount(), 0);
  EXPECT_EQ(CDBRelScottland1().MatchdayCount(), 5);

  // The same size keeps the grid; a new size clears it, the team list stays.
  league.SetRounds(2);
  league.SetNumberOfTeams(4);
  league.AddTeam(0x0E0001);
  league.Fixtures().SetPair(0, 0, 1, 2);
  league.SetNumberOfTeams(4);
  EXPECT_EQ(league.Fixtures().GetPair(0, 0), (CDBFixturelist::Pair{1, 2}));
  league.SetNumberOfTeams(6);
  EXPECT_EQ(league.Fixtures().GetPair(0, 0), (CDBFixturelist::Pair{}));
  EXPECT_EQ(league.TeamCount(), 1);
}

TEST(LeagueTest, TeamListRefusesClubZeroAndOverflowAndIgnoresDuplicates) {
  CDBLeague league;
  league.SetNumberOfTeams(3);
  EXPECT_EQ(league.AddTeam(0x0E0000), 0);  // club number 0
  EXPECT_EQ(league.AddTeam(0x0E0005), 1);
  EXPECT_EQ(league.AddTeam(0x0E0005), 1);  // already listed: success, no second entry
  EXPECT_EQ(league.TeamCount(), 1);
  EXPECT_EQ(league.InsertTeam(0, 0x0E0007), 1);
  EXPECT_EQ(league.InsertTeam(99, 0x10E0007), 1);  // reserve team of club 7, at the end
  EXPECT_EQ(league.AddTeam(0x0E0009), 0);          // full
  EXPECT_EQ(league.GetTeam(0), 0x0E0007u);
  EXPECT_EQ(league.GetTeam(1), 0x0E0005u);
  EXPECT_EQ(league.GetTeam(2), 0x10E0007u);
  EXPECT_EQ(league.ReserveTeamCount(), 1);
  EXPECT_EQ(league.FindTeam(0x0E0005), 1);
  EXPECT_EQ(league.RemoveTeam(0x0E0007), 1);
  EXPECT_EQ(league.RemoveTeam(0x0E0042), 1);  // absent: still 1
  EXPECT_EQ(league.TeamCount(), 2);
  EXPECT_EQ(league.GetTeam(0), 0x0E0005u);
  EXPECT_EQ(league.GetTeam(2), 0u);
}

void PlaceAll(CDBCompetition& node, int firstDay) {
  for (int m = 0; m < node.MatchdayCount(); ++m) node.AddMatchday(firstDay + 2 * m);
}

TEST(LeagueTest, ConsistencyBitsAndTheReserveLevel) {
  CompetitionRegistry registry;
  TestCountry country(registry);
  auto node = std::make_unique<CDBLeague>();
  node->SetId(LeagueId(14, 0));
  auto* league = static_cast<CDBLeague*>(registry.RegisterCompetition(std::move(node)));
  league->SetNumberOfTeams(4);
  league->SetLevel(1);

  EXPECT_EQ(league->CheckConsistency(0), ConsistencyBit::kFixturesIncomplete |
                                              ConsistencyBit::kMatchdaysNotPlaced |
                                              ConsistencyBit::kTeamCountWrong);
  country.FillTeams(*league, 1);
  for (int m = 0; m < 6; ++m) {
    for (int c = 0; c < 2; ++c) league->Fixtures().SetPair(m, c, 1, 2);
  }
  PlaceAll(*league, 10);
  EXPECT_EQ(league->CheckConsistency(0), 0u);

  // A reserve team is fine from the reserve level down, not above it.
  league->RemoveTeam(country.Club(4));
  league->AddTeam(country.Club(1, true));
  EXPECT_EQ(league->CheckConsistency(1), 0u);
  EXPECT_EQ(league->CheckConsistency(2), ConsistencyBit::kReserveTeamsNotAllowed);

  // The first successor's problems are added, unless the league has team-list problems.
  auto cup = std::make_unique<CDBRelEngland1>();
  cup->SetId(MakeCompetitionId(14, CompKind::REL1, 0));
  cup->SetAllocation(11);  // no allocation table: a format of 0 rounds...
  cup->SetDayMatchday(300, 1);  // ...so one placed matchday is one too many
  registry.RegisterCompetition(std::move(cup));
  league->AddSuccessor(MakeCompetitionId(14, CompKind::REL1, 0), true);
  EXPECT_EQ(league->CheckConsistency(1), ConsistencyBit::kMatchdaysNotPlaced);
  EXPECT_EQ(league->CheckConsistency(2), ConsistencyBit::kReserveTeamsNotAllowed);
  league->RemoveTeam(country.Club(1, true));
  EXPECT_EQ(league->CheckConsistency(2), ConsistencyBit::kTeamCountWrong);

  // A league that belongs to no country is not held to the reserve rule.
  CDBLeague loose;
  loose.SetNumberOfTeams(1);
  loose.AddTeam(0x10E0001);
  loose.SetLevel(0);
  EXPECT_EQ(loose.CheckConsistency(5), ConsistencyBit::kMatchdaysNotPlaced);
}

TEST(LeagueTest, ScottishSplitOnlyChecksItsCalendar) {
  CDBRelScottland1 split;
  EXPECT_EQ(split.CheckConsistency(0), ConsistencyBit::kMatchdaysNotPlaced);
  PlaceAll(split, 300);
  EXPECT_EQ(split.CheckConsistency(0), 0u);
}

TEST(LeagueTest, CopyCarriesSettingsAndLinksAndWithFixturesTheSeason) {
  CDBLeague source;
  source.SetName("Oberliga");
  source.SetShortName("OL");
  source.SetNumberOfTeams(4);
  source.SetLevel(2);
  source.SetRelegationRule(3);
  source.SetTableRule(1);
  source.SetRounds(3);
  source.SetSpectatorMultiplier(50);
  source.SetTransferMultiplier(150);
  source.SetMoneyValue(3, 1000000);
  source.AddSuccessor(0x0E130000, false);
  source.AddPredecessor(0x0E010000, false);
  source.AddTeam(0x0E0003);
  source.SetDayMatchday(40, 1);
  source.Fixtures().SetPair(2, 1, 3, 4);

  CDBLeague settings;
  settings.CopyLeague(source);
  EXPECT_STREQ(settings.Name(), "Oberliga");
  EXPECT_STREQ(settings.ShortName(), "OL");
  EXPECT_EQ(settings.NumberOfTeams(), 4);
  EXPECT_EQ(settings.Level(), 2);
  EXPECT_EQ(settings.RelegationRule(), 3);
  EXPECT_EQ(settings.TableRule(), 1);
  EXPECT_EQ(settings.Rounds(), 3);
  EXPECT_EQ(settings.SpectatorMultiplier(), 50);
  EXPECT_EQ(settings.TransferMultiplier(), 150);
  EXPECT_EQ(settings.GetMoneyValue(3), 1000000);
  EXPECT_EQ(settings.GetSuccessor(0), 0x0E130000u);
  EXPECT_EQ(settings.GetPredecessor(0), 0x0E010000u);
  EXPECT_EQ(settings.TeamCount(), 0);
  EXPECT_EQ(settings.DayMatchday(40), 0);
  EXPECT_EQ(settings.Fixtures(), CDBFixturelist(9, 2));

  CDBLeague full;
  full.CopyLeagueWithFixtures(source);
  EXPECT_EQ(full.GetTeam(0), 0x0E0003u);
  EXPECT_EQ(full.DayMatchday(40), 1);
  EXPECT_EQ(full.Fixtures(), source.Fixtures());
}

// ---------------------------------------------------------------- the league data page

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
