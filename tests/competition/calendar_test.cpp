#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "competition/competition_registry.h"
#include "competition/cup.h"
#include "competition/league.h"

namespace torvale {
namespace {

CDBLeague& AddLeague(CompetitionRegistry& registry, int index, int teams, int level) {
  auto league = std::make_unique<CDBLeague>();
  league->SetId(MakeCompetitionId(14, CompKind::LEAGUE, index));
  league->SetNumberOfTeams(teams);
  league->SetLevel(level);
  return static_cast<CDBLeague&>(*registry.RegisterCompetition(std::move(league)));
}

// A split league stands in for a play-off: 5 matchdays, no allocation table needed.
CDBRelScottland1& AddPlayoff(CompetitionRegistry& registry, int index, int level) {
  auto node = std::make_unique<CDBRelScottland1>();
  node->SetId(MakeCompetitionId(14, CompKind::SCOTT1, index));
  node->SetLevel(level);
  return static_cast<CDBRelScottland1&>(*registry.RegisterCompetition(std::move(node)));
}

// The days of matchdays 1 to `count` in order (0 for a matchday without a day).
std::vector<int> PlacedDays(const CDBCompetition& node, int count) {
  std::vector<int> days(static_cast<size_t>(count), 0);
  for (int day = 0; day < CDBCompetition::kDays; ++day)
    if (int m = node.MatchdayOnDay(day); m > 0 && m <= count) days[static_cast<size_t>(m - 1)] = day;
  return days;
}

TEST(CalendarTest, PlacingAndTakingOffRenumbersTheLaterDays) {
  CompetitionRegistry registry;
  CDBLeague& league = AddLeague(registry, 0, 18, 0);
  EXPECT_EQ(league.PreviousMatchday(10), -1);
  EXPECT_EQ(league.AddMatchday(10), 1);
  EXPECT_EQ(league.AddMatchday(17), 1);
  EXPECT_EQ(league.AddMatchday(24), 1);
  EXPECT_EQ(league.MatchdayOnDay(17), 2);

  EXPECT_EQ(league.AddMatchday(14), 1);
  EXPECT_EQ(PlacedDays(league, 5), (std::vector<int>{10, 14, 17, 24, 0}));
  EXPECT_EQ(league.PreviousMatchday(17), 2);

  EXPECT_EQ(league.RemoveMatchday(17), 1);
  EXPECT_EQ(league.MatchdayOnDay(17), 0);
  EXPECT_EQ(league.RemoveMatchday(18), 0);  // nothing there, no successor
  // A day that already has a matchday is left alone: renumbering behind it would leave a gap.
  EXPECT_EQ(league.AddMatchday(14), 0);
  EXPECT_EQ(PlacedDays(league, 4), (std::vector<int>{10, 14, 24, 0}));
  // Outside the season nothing happens.
  EXPECT_EQ(league.AddMatchday(400), 0);
  EXPECT_EQ(league.AddMatchday(-1), 0);
}

TEST(CalendarTest, PlacingBeforeAFullCalendarDropsTheLastMatchday) {
  CompetitionRegistry registry;
  CDBLeague& league = AddLeague(registry, 0, 4, 0);  // 6 matchdays
  for (int day : {10, 20, 30, 40, 50, 370}) league.AddMatchday(day);
  EXPECT_EQ(league.MatchdayOnDay(370), 6);
  EXPECT_EQ(league.AddMatchday(15), 1);
  // The last matchday, even beyond the days the calendar shows, loses its day.
  EXPECT_EQ(PlacedDays(league, 6), (std::vector<int>{10, 15, 20, 30, 40, 50}));
  EXPECT_EQ(league.MatchdayOnDay(370), 0);
}

TEST(CalendarTest, AFullLeagueHandsItsDaysToItsSameLevelPlayoff) {
  CompetitionRegistry registry;
  CDBLeague& league = AddLeague(registry, 0, 2, 1);  // 2 matchdays
  CDBRelScottland1& playoff = AddPlayoff(registry, 0, 1);
  CDBRelScottland1& other = AddPlayoff(registry, 1, 0);  // another level: never gets days
  league.AddSuccessor(other.Id(), true);
  league.AddSuccessor(playoff.Id(), true);

  league.AddMatchday(100);
  league.AddMatchday(110);
  EXPECT_EQ(playoff.MatchdayOnDay(110), 0);
  EXPECT_EQ(league.AddMatchday(120), 1);
  EXPECT_EQ(league.MatchdayOnDay(120), 0);
  EXPECT_EQ(playoff.MatchdayOnDay(120), 1);
  EXPECT_EQ(other.MatchdayOnDay(120), 0);
  EXPECT_EQ(league.MatchdayOnDayOrSameLevel(120), 1);
  EXPECT_EQ(league.IsActiveOnDay(120), 1);
  EXPECT_EQ(league.IsActiveOnDay(121), 0);

  // An earlier day goes to the league again; the day of its last matchday is given up.
  EXPECT_EQ(league.AddMatchday(50), 1);
  EXPECT_EQ(league.MatchdayOnDay(110), 0);

  // Taking off a day the league does not play reaches the play-off.
  EXPECT_EQ(league.RemoveMatchday(120), 1);
  EXPECT_EQ(playoff.MatchdayOnDay(120), 0);

  // A successor without a level set counts as the same level.
  other.SetLevel(-1);
  playoff.SetLevel(5);
  EXPECT_EQ(league.AddMatchday(130), 1);
  EXPECT_EQ(other.MatchdayOnDay(130), 1);
  EXPECT_EQ(playoff.MatchdayOnDay(130), 0);
  EXPECT_EQ(league.SameLevelQuery(130), -1);
}

TEST(CalendarTest, LinksInACircleEndTheHandOver) {
  CompetitionRegistry registry;
  CDBLeague& a = AddLeague(registry, 0, 2, 0);
  CDBLeague& b = AddLeague(registry, 1, 2, 0);
  a.AddSuccessor(b.Id(), true);
  b.AddSuccessor(a.Id(), true);
  for (int day : {10, 20}) {
    a.AddMatchday(day);
    b.AddMatchday(day + 1);
  }
  EXPECT_EQ(a.AddMatchday(30), 0);
  EXPECT_EQ(a.RemoveMatchday(31), 0);
  EXPECT_EQ(a.MatchdayOnDayOrSameLevel(31), 0);
  EXPECT_EQ(a.IsActiveOnDay(31), 0);
  EXPECT_EQ(a.IsActiveOnDay(21), 1);
  EXPECT_EQ(a.RemoveMatchday(21), 1);
  EXPECT_EQ(b.MatchdayOnDay(21), 0);
  // The consistency check follows first successors, and stops when it comes round again.
  for (CDBLeague* league : {&a, &b}) {
    league->AddTeam(0x0E0001);
    league->AddTeam(0x0E0002);
  }
  EXPECT_EQ(a.CheckConsistency(0) & ConsistencyBit::kMatchdaysNotPlaced,
            ConsistencyBit::kMatchdaysNotPlaced);  // b's missing day
}

TEST(CalendarTest, ANodeWithoutMatchdaysTakesNone) {
  CompetitionRegistry registry;
  CDBLeague& empty = AddLeague(registry, 0, 0, 0);
  EXPECT_EQ(empty.AddMatchday(30), 0);
  EXPECT_EQ(empty.MatchdayOnDay(30), 0);
  CDBCup cup;  // allocation 0: no rounds
  EXPECT_EQ(cup.AddMatchday(30), 0);
  EXPECT_EQ(cup.MatchdayOnDay(30), 0);
}

}  // namespace
}  // namespace torvale
