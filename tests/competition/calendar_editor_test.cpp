#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "competition/calendar_editor.h"
#include "competition/cup.h"
#include "competition/cup_allocation.h"
#include "competition/league_checks.h"
#include "league_test_country.h"
#include "platform/string_table.h"
#include "platform/text_encoding.h"
#include "storage/record_stream.h"

namespace torvale {
namespace {

using testing_support::TestCountry;

// An allocation table with entry 1: three single-match rounds (a cup of 3 matchdays).
std::unique_ptr<CupAllocationTable> ThreeRoundCupFormat() {
  CKLFile file;
  file.OpenReadFromMemory(
      "1\r\n%INDEX%CUP1\r\n3\r\n{ 0, 3, 0, 0, 0, 0, ROUND_1, BEG_WITH_PENALTY }\r\n"
      "{ 0, 0, 0, 0, 0, 0, ROUND_SEMIFINAL, BEG_WITH_PENALTY }\r\n"
      "{ 0, 0, 0, 0, 0, 0, ROUND_FINAL, BEG_WITH_PENALTY }\r\n0\r\n%INDEXEND%CUP1\r\n");
  auto table = std::make_unique<CupAllocationTable>();
  table->LoadCupAllocations(file);
  return table;
}

class CalendarEditorTest : public ::testing::Test {
 protected:
  CalendarEditorTest() : country(registry) {
    // Levels: 0 one league, 1 two leagues, 2 one league.
    SetLeagueSystem(country, {1, 2, 1, 0, 0}, {0, 0, 0, 0, 0});
    for (int i = 0; i < 4; ++i) country.League(i).SetNumberOfTeams(4);  // 6 matchdays
  }

  CDBCup& AddCup(int kind) {
    registry.SetCupAllocations(formats.get());
    auto cup = std::make_unique<CDBCup>();
    cup->SetId(MakeCompetitionId(14, kind, 0));
    cup->SetAllocation(1);
    return static_cast<CDBCup&>(*registry.RegisterCompetition(std::move(cup)));
  }

  // The matchday each of the four leagues plays on `day`.
  std::array<int, 4> MatchdaysOn(int day) {
    std::array<int, 4> matchdays{};
    for (int i = 0; i < 4; ++i) matchdays[static_cast<size_t>(i)] = country.League(i).MatchdayOnDay(day);
    return matchdays;
  }

  std::unique_ptr<CupAllocationTable> formats = ThreeRoundCupFormat();
  CompetitionRegistry registry;
  TestCountry country;
};

TEST_F(CalendarEditorTest, ColumnsListLeaguesByLevelThenTheCupsThenTheComparison) {
  AddCup(CompKind::SUPERCUP);
  AddCup(CompKind::FA_CUP);
  TestCountry other(registry, 45);
  SetLeagueSystem(other, {1, 0, 0, 0, 0}, {0, 0, 0, 0, 0});

  CalendarEditor editor(country);
  editor.SetComparison(&other);
  const auto& columns = editor.Columns();
  ASSERT_EQ(columns.size(), 7u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(columns[static_cast<size_t>(i)].competitions.front(), LeagueId(14, i));
  EXPECT_EQ(columns[4].competitions.front(), MakeCompetitionId(14, CompKind::FA_CUP, 0));
  EXPECT_EQ(columns[5].competitions.front(), MakeCompetitionId(14, CompKind::SUPERCUP, 0));
  EXPECT_EQ(columns[6].kind, CalendarColumn::Kind::kComparison);
  EXPECT_EQ(columns[6].competitions.front(), LeagueId(45, 0));
  // The comparison column and the first two days do not react.
  EXPECT_FALSE(editor.Click(50, 6, PlacementMode::kOneLeague));
  EXPECT_FALSE(editor.Click(1, 0, PlacementMode::kOneLeague));
  EXPECT_FALSE(editor.Click(360, 0, PlacementMode::kOneLeague));
  EXPECT_FALSE(editor.Click(50, 7, PlacementMode::kOneLeague));
  EXPECT_EQ(country.League(0).MatchdayOnDay(1), 0);
}

TEST_F(CalendarEditorTest, PlacementModesChooseTheLeagues) {
  CalendarEditor editor(country);
  EXPECT_TRUE(editor.Click(40, 1, PlacementMode::kOneLeague));
  EXPECT_EQ(MatchdaysOn(40), (std::array<int, 4>{0, 1, 0, 0}));

  // Same level: both level-1 leagues toggle, levels 0 and 2 do not.
  EXPECT_TRUE(editor.Click(50, 2, PlacementMode::kSameLevelLeagues));
  EXPECT_EQ(MatchdaysOn(50), (std::array<int, 4>{0, 2, 1, 0}));
  EXPECT_EQ(editor.CellText(50, 1), "2");

  // All leagues: each toggles on its own, so a league that plays the day gives it up.
  EXPECT_TRUE(editor.Click(50, 0, PlacementMode::kAllLeagues));
  EXPECT_EQ(MatchdaysOn(50), (std::array<int, 4>{1, 0, 0, 1}));
  EXPECT_EQ(editor.CellText(50, 1), "");

  // A league with a matchday on a neighbouring day takes no matchday.
  EXPECT_FALSE(editor.Click(41, 1, PlacementMode::kOneLeague));
  EXPECT_EQ(country.League(1).MatchdayOnDay(41), 0);
}

TEST_F(CalendarEditorTest, CupsToggleWithoutTheModeAndNotNextToTheirOwnDays) {
  AddCup(CompKind::FA_CUP);
  CalendarEditor editor(country);
  const int cupColumn = 4;
  EXPECT_TRUE(editor.Click(60, cupColumn, PlacementMode::kAllLeagues));
  EXPECT_EQ(country.League(0).MatchdayOnDay(60), 0);  // the mode is for league columns
  EXPECT_EQ(editor.CellText(60, cupColumn), "1. Runde");
  EXPECT_FALSE(editor.Click(61, cupColumn, PlacementMode::kOneLeague));
  EXPECT_FALSE(editor.Click(59, cupColumn, PlacementMode::kOneLeague));
  EXPECT_TRUE(editor.Click(62, cupColumn, PlacementMode::kOneLeague));
  EXPECT_EQ(editor.CellText(62, cupColumn), "Halbfinale");
  EXPECT_TRUE(editor.Click(60, cupColumn, PlacementMode::kOneLeague));  // off again
  EXPECT_EQ(editor.CellText(62, cupColumn), "1. Runde");
}

TEST_F(CalendarEditorTest, AFullLeagueHandsTheClickToItsPlayoff) {
  // "1-1" with the English rule: the second league plays a play-off cup after its season.
  CompetitionRegistry own;
  TestCountry england(own);
  SetLeagueSystem(england, {1, 1, 0, 0, 0}, {6, 0, 0, 0, 0});
  own.SetCupAllocations(formats.get());
  auto* playoff = own.Find<CDBCup>(MakeCompetitionId(14, CompKind::REL1, 0));
  ASSERT_NE(playoff, nullptr);
  playoff->SetAllocation(1);  // the three-round test format
  CDBLeague& second = england.League(1);
  second.SetNumberOfTeams(2);  // 2 matchdays

  CalendarEditor editor(england);
  ASSERT_EQ(editor.Columns()[1].competitions,
            (std::vector<CompetitionId>{second.Id(), playoff->Id()}));
  EXPECT_TRUE(editor.Click(100, 1, PlacementMode::kOneLeague));
  EXPECT_TRUE(editor.Click(110, 1, PlacementMode::kOneLeague));
  EXPECT_TRUE(editor.Click(120, 1, PlacementMode::kOneLeague));
  EXPECT_EQ(second.MatchdayOnDay(120), 0);
  EXPECT_EQ(playoff->MatchdayOnDay(120), 1);
  EXPECT_EQ(editor.CellText(120, 1), "1. Runde");
  // Clicking the play-off's day in the league's column takes it off again.
  EXPECT_TRUE(editor.Click(120, 1, PlacementMode::kOneLeague));
  EXPECT_EQ(playoff->MatchdayOnDay(120), 0);
  EXPECT_EQ(second.MatchdayOnDay(110), 2);
}

TEST_F(CalendarEditorTest, ValidationListsEveryProblemWithItsCompetition) {
  for (int i = 0; i < 4; ++i) {
    CDBLeague& league = country.League(i);
    league.SetName("Liga " + std::to_string(i));
    country.FillTeams(league, 1 + 10 * i);
    for (int m = 0; m < 6; ++m) {
      league.AddMatchday(100 + 3 * m);
      league.Fixtures().SetPair(m, 0, 1, 2);
      league.Fixtures().SetPair(m, 1, 3, 4);
    }
  }
  CalendarEditor editor(country);
  EXPECT_TRUE(editor.Validate().Empty());

  country.League(1).RemoveMatchday(103);
  ConsistencyReport one = editor.Validate();
  ASSERT_EQ(one.competitions.size(), 1u);
  EXPECT_EQ(one.ErrorCount(), 1);
  EXPECT_EQ(one.HeadingId(), IDS_ONE_ERROR_HEADING);
  EXPECT_EQ(LoadString(one.HeadingId()), "Der folgende Fehler ist aufgetreten!");
  EXPECT_EQ(one.Text(), "Liga 1\nAnzahl Spieltage ist nicht korrekt!\n");

  // Reserve teams on level 0 with the country's reserve level 1.
  country.reserveLevel = 1;
  country.League(0).RemoveTeam(country.Club(1));
  country.League(0).AddTeam(country.Club(1, true));
  country.League(3).Fixtures().ClearRow(2);
  country.League(3).RemoveTeam(country.Club(31));
  ConsistencyReport many = editor.Validate();
  EXPECT_EQ(many.ErrorCount(), 4);
  EXPECT_EQ(LoadString(many.HeadingId()), "Die folgenden Fehler sind aufgetreten!");
  EXPECT_EQ(many.Text(),
            Utf8ToCp1252("Liga 0\nReserveteams dürfen nicht in der Liga spielen!\n"
                         "Liga 1\nAnzahl Spieltage ist nicht korrekt!\n"
                         "Liga 3\nSpielplan ist nicht vollständig!\nNicht genügend Vereine in der Liga!\n"));

  // The league composition only looks at the team lists.
  ConsistencyReport composition = CheckLeagueComposition(country);
  ASSERT_EQ(composition.competitions.size(), 2u);
  EXPECT_EQ(composition.competitions[0].messages, std::vector<int>{IDS_RESERVE_TEAMS_NOT_ALLOWED});
  EXPECT_EQ(composition.competitions[1].messages, std::vector<int>{IDS_TOO_FEW_CLUBS});
}

}  // namespace
}  // namespace torvale
