#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTableView>
#include <QTest>

#include "competition/competition_registry.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "support/gui/editor_fixture.h"
#include "support/test_database.h"
#include "ui/competition/calender_table_model.h"
#include "ui/competition/dlg_5year.h"
#include "ui/competition/dlg_5year_change.h"
#include "ui/competition/dlg_calender.h"
#include "ui/competition/dlg_fixturelist.h"
#include "ui/competition/dlg_inter_comp.h"
#include "ui/competition/dlg_league.h"
#include "ui/competition/dlg_regelaenderung.h"
#include "ui/competition/reference_picker.h"
#include "world/club.h"
#include "world/country.h"

namespace torvale {

namespace {

constexpr int kGermany = 14;

class CompetitionEditorsTest : public test::EditorFixture {
 protected:
  CCountry& Country(int n) { return *World().Country(n); }

  // Clicks the cell of `day` in the calendar's competition column `column` with the mouse.
  static void ClickCalendarCell(CDlgCalender& dialog, int day, int column) {
    auto* table = dialog.findChild<QTableView*>("calendarTable");
    const QModelIndex index = dialog.Model().index(day, CalenderTableModel::kFirstCompetitionColumn + column);
    table->scrollTo(index, QAbstractItemView::PositionAtCenter);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
  }

  // The first clickable day from `from` on which every one of `leagues` has a matchday; -1 when none.
  static int FirstDayAllPlay(const std::vector<CDBLeague*>& leagues, int from = CalendarEditor::kFirstClickableDay) {
    for (int d = from; d < CalendarEditor::kShownDays; ++d) {
      if (std::all_of(leagues.begin(), leagues.end(), [d](const CDBLeague* l) { return l->MatchdayOnDay(d) != 0; })) {
        return d;
      }
    }
    return -1;
  }

  static int ColumnOf(const CalendarEditor& editor, CompetitionId id) {
    const auto& columns = editor.Columns();
    for (size_t c = 0; c < columns.size(); ++c) {
      if (columns[c].competitions.front() == id) return static_cast<int>(c);
    }
    return -1;
  }
};

}  // namespace

TEST_F(CompetitionEditorsTest, CalendarRefusesTheDayAfterACupMatchdayAndScrollsByMonth) {
  CDlgCalender dialog(Context(), Country(kGermany));
  dialog.resize(1200, 760);
  dialog.show();
  const CalendarEditor& editor = dialog.Model().Editor();
  int cupColumn = -1;
  for (size_t c = 0; c < editor.Columns().size(); ++c) {
    if (editor.Columns()[c].kind == CalendarColumn::Kind::kCup) cupColumn = static_cast<int>(c);
  }
  ASSERT_GE(cupColumn, 0);
  CDBCompetition* cup = World().Competitions().FindCompetition(editor.Columns()[static_cast<size_t>(cupColumn)].competitions.front());
  int day = -1;
  for (int d = CalendarEditor::kFirstClickableDay; d + 1 < CalendarEditor::kShownDays && day < 0; ++d) {
    if (cup->MatchdayOnDay(d) != 0 && cup->MatchdayOnDayOrSameLevel(d + 1) == 0) day = d + 1;
  }
  ASSERT_GE(day, 0);
  // The refusal itself is the calendar editor's rule: the click changes nothing.
  ClickCalendarCell(dialog, day, cupColumn);
  EXPECT_FALSE(dialog.Changed());

  dialog.findChild<QPushButton*>("month_Januar")->click();
  EXPECT_EQ(dialog.TopDay(), 180);
  dialog.findChild<QPushButton*>(QString::fromUtf8("month_März"))->click();
  EXPECT_EQ(dialog.TopDay(), 240);
  // The date column counts calendar days from 1 July: day 180 is 28 December.
  EXPECT_EQ(dialog.Model().data(dialog.Model().index(180, 0), Qt::DisplayRole).toString(), "So 28.12.2003");
}

TEST_F(CompetitionEditorsTest, CalendarOkListsIncompleteCompetitionsAndClosesEitherWay) {
  CCountry& germany = Country(kGermany);
  CDBLeague* first = LeaguesInLevelOrder(germany).front();
  int day = -1;
  for (int d = CalendarEditor::kFirstClickableDay; d < CalendarEditor::kShownDays && day < 0; ++d) {
    if (first->MatchdayOnDay(d) != 0) day = d;
  }
  ASSERT_GE(day, 0);
  for (DialogAnswer answer : {DialogAnswer::kOk, DialogAnswer::kCancel}) {
    CDlgCalender dialog(Context(), germany);
    dialog.show();
    // Taking a matchday off leaves the league one day short.
    if (first->MatchdayOnDay(day) != 0) ClickCalendarCell(dialog, day, 0);
    Answers().Clear();
    Answers().Then(answer);
    dialog.findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(Answers().Shown().size(), 1u);
    EXPECT_EQ(Answers().Shown()[0].buttons, (QStringList{"OK", "Egal"}));
    EXPECT_TRUE(Answers().Shown()[0].text.contains(QString::fromUtf8(first->Name())));
    EXPECT_TRUE(Answers().Shown()[0].text.contains("Anzahl Spieltage ist nicht korrekt!"));
  }
}

TEST_F(CompetitionEditorsTest, CalendarModesPickTheLeaguesAndTheComparisonIsOnlyShown) {
  CCountry& germany = Country(kGermany);
  const std::vector<CDBLeague*> leagues = LeaguesInLevelOrder(germany);
  const int lowest = leagues.back()->Level();
  ASSERT_GE(std::count_if(leagues.begin(), leagues.end(), [&](CDBLeague* l) { return l->Level() == lowest; }), 2)
      << "the sample's Germany has two leagues on its lowest level";
  const int day = FirstDayAllPlay(leagues);
  ASSERT_GE(day, 0);
  const int later = FirstDayAllPlay(leagues, day + 2);
  ASSERT_GE(later, 0);
  CDlgCalender dialog(Context(), germany);
  dialog.show();
  // Same level: every league of the clicked one's level gives the day up, the others keep it.
  dialog.findChild<QRadioButton*>("modeSameLevel")->click();
  ClickCalendarCell(dialog, day, ColumnOf(dialog.Model().Editor(), leagues.back()->Id()));
  for (CDBLeague* league : leagues) EXPECT_EQ(league->MatchdayOnDay(day) == 0, league->Level() == lowest) << league->Name();
  EXPECT_TRUE(dialog.Changed());
  dialog.findChild<QRadioButton*>("modeAllLeagues")->click();
  ClickCalendarCell(dialog, later, 0);
  for (CDBLeague* league : leagues) EXPECT_EQ(league->MatchdayOnDay(later), 0) << league->Name();

  // The comparison list: every other country with at least 10 clubs, and only those.
  auto* comparison = dialog.findChild<QComboBox*>("comparisonCountry");
  int offered = 0;
  for (int i = 1; i < comparison->count(); ++i) {
    const int n = comparison->itemData(i).toInt();
    EXPECT_NE(n, kGermany);
    EXPECT_GE(World().Country(n)->RegularClubCount(), 10);
    ++offered;
  }
  int expected = 0;
  for (int n = 1; n <= kLastCountry; ++n) {
    if (n != kGermany && World().Country(n) && World().Country(n)->RegularClubCount() >= 10) ++expected;
  }
  EXPECT_EQ(offered, expected);
  ASSERT_GT(comparison->count(), 1);
  comparison->setCurrentIndex(1);
  const CalendarEditor& editor = dialog.Model().Editor();
  ASSERT_EQ(editor.Columns().back().kind, CalendarColumn::Kind::kComparison);
  CDBCompetition* foreign = World().Competitions().FindCompetition(editor.Columns().back().competitions.front());
  int foreignDay = -1;
  for (int d = CalendarEditor::kFirstClickableDay; d < CalendarEditor::kShownDays && foreignDay < 0; ++d) {
    if (foreign->MatchdayOnDay(d) != 0) foreignDay = d;
  }
  ASSERT_GE(foreignDay, 0);
  ClickCalendarCell(dialog, foreignDay, static_cast<int>(editor.Columns().size()) - 1);
  EXPECT_NE(foreign->MatchdayOnDay(foreignDay), 0);  // the other country's league is only shown
  dialog.reject();
  EXPECT_TRUE(Changes().IsModified());  // the calendar acts at once, Cancel keeps it
}

TEST_F(CompetitionEditorsTest, GlobalRulesAreWrittenBackOnOkOnly) {
  const CGlobalRules before = World().Rules();
  {
    CDlgRegelaenderung dialog(Context());
    dialog.findChild<QComboBox*>("pointsForWin")->setCurrentIndex(2);
    dialog.findChild<QScrollBar*>("friendlySubstitutions")->setValue(3);
    dialog.reject();
  }
  EXPECT_TRUE(static_cast<const GlobalRulesFields&>(World().Rules()) == before);
  EXPECT_FALSE(Changes().IsModified());

  CDlgRegelaenderung dialog(Context());
  dialog.findChild<QComboBox*>("pointsForWin")->setCurrentIndex(1);
  dialog.findChild<QComboBox*>("pointsForAwayWin")->setCurrentIndex(2);
  dialog.findChild<QComboBox*>("extraPointVsHolder")->setCurrentIndex(0);
  dialog.findChild<QComboBox*>("extraPointManyGoals")->setCurrentIndex(1);
  dialog.findChild<QScrollBar*>("friendlySubstitutions")->setValue(3);
  EXPECT_EQ(dialog.findChild<QLabel*>("friendlySubstitutionsText")->text(), "3");
  dialog.findChild<QPushButton*>("okButton")->click();
  EXPECT_EQ(World().Rules().MatchRule(kPointsForWin), 1);
  EXPECT_EQ(World().Rules().MatchRule(kPointsForAwayWin), 2);
  EXPECT_EQ(World().Rules().MatchRule(kExtraPointVsHolder), 0);
  EXPECT_EQ(World().Rules().MatchRule(kExtraPointManyGoals), 1);
  EXPECT_EQ(World().Rules().FriendlySubstitutions(), 3);
  EXPECT_TRUE(Changes().IsModified());
}

TEST_F(CompetitionEditorsTest, GlobalRulesKeepAnUntouchedStoredValue) {
  // "Vier" may be stored as any value above 1; OK without touching it must not rewrite it.
  Changes().Commit(ChangeScope::Rules(), "Regeln", [](CWorldDatabase& w) { w.Rules().SetMatchRule(kPointsForWin, 5); });
  Changes().MarkSaved();
  CDlgRegelaenderung dialog(Context());
  EXPECT_EQ(dialog.findChild<QComboBox*>("pointsForWin")->currentText(), "Vier");
  dialog.findChild<QPushButton*>("okButton")->click();
  EXPECT_EQ(World().Rules().MatchRule(kPointsForWin), 5);
  EXPECT_FALSE(Changes().IsModified());
}

TEST_F(CompetitionEditorsTest, EuropeanCupHolderClearsTheChampionsRoundHolder) {
  const CCountry& germany = Country(kGermany);
  uint32_t club = 0;
  for (const auto& [id, c] : germany.Clubs()) {
    if (ClubNumber(id) != kAmateurClubNumber) club = id;
  }
  ASSERT_NE(club, 0u);
  CDlgInterComp dialog(Context());
  auto* champions = dialog.findChild<CReferencePicker*>("championsCupHolder");
  auto* european = dialog.findChild<CReferencePicker*>("europeanCupHolder");
  champions->SetValue(club);
  emit champions->valueChanged(club);  // as a choice in the lists would
  EXPECT_EQ(dialog.Rules().TitleHolder(kChampionsCup), club);
  european->SetValue(club);
  emit european->valueChanged(club);
  EXPECT_EQ(dialog.Rules().TitleHolder(kEuropeanCup), club);
  EXPECT_EQ(dialog.Rules().TitleHolder(kChampionsCup), 0u);
  EXPECT_EQ(champions->Value(), 0u);  // the picker shows the cleared holder

  dialog.findChild<QLineEdit*>("intertotoCupName")->setText("Sommerpokal");
  dialog.findChild<QPushButton*>("okButton")->click();
  EXPECT_EQ(World().Rules().TitleHolder(kEuropeanCup), club);
  EXPECT_EQ(World().Rules().TitleHolder(kChampionsCup), 0u);
  EXPECT_EQ(World().Rules().CupName(kIntertotoCup, World().Language(), false), "Sommerpokal");
}

TEST_F(CompetitionEditorsTest, FiveYearPointsTypedWithACommaAreStoredAndRanked) {
  CDlg5YearChange change(Context(), kGermany);
  for (int s = 0; s < kRankingSeasons; ++s) {
    auto* text = change.findChild<QLineEdit*>(QStringLiteral("season%1").arg(s));
    text->setText(s == 0 ? "1" : "19,99");
  }
  change.findChild<QScrollBar*>("seasonBar5")->setValue(2000);
  change.findChild<QPushButton*>("okButton")->click();
  EXPECT_EQ(Country(kGermany).FiveYearPoints(0), 100);
  EXPECT_EQ(Country(kGermany).FiveYearPoints(1), 1999);
  EXPECT_EQ(Country(kGermany).FiveYearPoints(5), 2000);

  CDlg5Year ranking(Context());
  EXPECT_EQ(ranking.CountryOfRow(0), kGermany);  // 4 x 19.99 + 20 puts it on top
}

TEST_F(CompetitionEditorsTest, FixtureListFillsAndClearsSlotsOfTheMatchday) {
  CDlgFixturelist dialog(Context(), Country(kGermany));
  CDBLeague* league = dialog.League();
  ASSERT_NE(league, nullptr);
  dialog.findChild<QPushButton*>("clearMatchdayButton")->click();
  EXPECT_EQ(league->Fixtures().GetPair(0, 0), (CDBFixturelist::Pair{0, 0}));
  auto* teams = dialog.findChild<QListWidget*>("teams");
  auto clickTeam = [&](int row) { emit teams->itemClicked(teams->item(row)); };
  clickTeam(4);
  clickTeam(1);
  // Which slot a team takes is the fixture editing rule; the list shows and clears it.
  EXPECT_EQ(league->Fixtures().GetPair(0, 1), (CDBFixturelist::Pair{2, 0}));
  auto* pairings = dialog.findChild<QTableWidget*>("pairings");
  EXPECT_EQ(pairings->item(1, 0)->text().left(3), "2. ");
  emit pairings->cellClicked(0, 0);
  EXPECT_EQ(league->Fixtures().GetPair(0, 0), (CDBFixturelist::Pair{0, 0}));
  EXPECT_TRUE(dialog.Changed());

  dialog.findChild<QPushButton*>("generateButton")->click();
  EXPECT_TRUE(league->Fixtures().IsComplete());
}

TEST_F(CompetitionEditorsTest, LeagueCompositionOkReturnsToTheListsUntilEgal) {
  CDlgLeague dialog(Context(), Country(kGermany));
  CDBLeague* league = dialog.League();
  ASSERT_NE(league, nullptr);
  ASSERT_GT(league->TeamCount(), 1);
  const uint32_t team = league->GetTeam(0);
  dialog.RemoveClubs({team});
  EXPECT_LT(league->FindTeam(team), 0);

  Answers().Then(DialogAnswer::kOk);
  dialog.findChild<QPushButton*>("okButton")->click();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(Answers().Shown().size(), 1u);
  EXPECT_TRUE(Answers().Shown()[0].text.contains(QString::fromUtf8("Nicht genügend Vereine in der Liga!")));

  Answers().Then(DialogAnswer::kCancel);  // "Egal"
  dialog.findChild<QPushButton*>("okButton")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  // Dropping it back at the second place restores the size; OK then closes without a word.
  CDlgLeague again(Context(), Country(kGermany));
  again.AddClubs({team}, 1);
  EXPECT_EQ(league->FindTeam(team), 1);
  Answers().Clear();
  again.findChild<QPushButton*>("okButton")->click();
  EXPECT_EQ(again.result(), QDialog::Accepted);
  EXPECT_TRUE(Answers().Shown().empty());
}

TEST_F(CompetitionEditorsTest, LeagueCompositionMovesAClubOutOfItsOtherLeague) {
  CDlgLeague dialog(Context(), Country(kGermany));
  const std::vector<CDBLeague*> leagues = LeaguesInLevelOrder(Country(kGermany));
  ASSERT_GE(leagues.size(), 2u);
  const uint32_t fromSecond = leagues[1]->GetTeam(0);
  dialog.ChooseLeague(0);
  ASSERT_EQ(leagues[0]->TeamCount(), leagues[0]->NumberOfTeams());
  // A full league refuses the club, which then keeps its place in its own league.
  dialog.AddClubs({fromSecond}, -1);
  EXPECT_LT(leagues[0]->FindTeam(fromSecond), 0);
  EXPECT_EQ(leagues[1]->FindTeam(fromSecond), 0);
  dialog.RemoveClubs({leagues[0]->GetTeam(0)});
  dialog.AddClubs({fromSecond}, -1);
  EXPECT_GE(leagues[0]->FindTeam(fromSecond), 0);
  EXPECT_LT(leagues[1]->FindTeam(fromSecond), 0);

  // Reserve teams are offered on request, marked as such.
  auto* clubs = dialog.findChild<QListWidget*>("countryClubs");
  const int firstTeams = clubs->count();
  dialog.findChild<QCheckBox*>("showReserveTeams")->setChecked(true);
  ASSERT_EQ(clubs->count(), 2 * firstTeams);
  int reserves = 0;
  for (int i = 0; i < clubs->count(); ++i) {
    if (clubs->item(i)->data(Qt::UserRole).toUInt() & kReserveTeamBit) {
      ++reserves;
      EXPECT_TRUE(clubs->item(i)->text().contains("(A)"));
    }
  }
  EXPECT_EQ(reserves, firstTeams);
}

TEST_F(CompetitionEditorsTest, ChangesSurviveSavingAndReloading) {
  {
    CDlgRegelaenderung rules(Context());
    rules.findChild<QComboBox*>("pointsForWin")->setCurrentIndex(2);
    rules.findChild<QScrollBar*>("friendlySubstitutions")->setValue(4);
    rules.accept();
  }
  {
    CDlgInterComp inter(Context());
    inter.findChild<QLineEdit*>("southAmericanCupName")->setText("Copa Torvale");
    inter.accept();
  }
  {
    CDlg5YearChange change(Context(), kGermany);
    change.findChild<QScrollBar*>("seasonBar2")->setValue(1234);
    change.accept();
  }
  CDBLeague* league = LeaguesInLevelOrder(Country(kGermany)).front();
  const uint32_t last = league->GetTeam(league->TeamCount() - 1);
  {
    CDlgLeague composition(Context(), Country(kGermany));
    composition.AddClubs({last}, 0);  // dragged to the top of the league
  }
  CDBLeague* second = LeaguesInLevelOrder(Country(kGermany)).at(1);
  const int day = FirstDayAllPlay({second});
  ASSERT_GE(day, 0);
  {
    CDlgCalender calendar(Context(), Country(kGermany));
    calendar.show();
    ClickCalendarCell(calendar, day, ColumnOf(calendar.Model().Editor(), second->Id()));
    calendar.accept();
  }
  ASSERT_EQ(second->MatchdayOnDay(day), 0);
  testing::RecordingSaveReporter reporter;
  ASSERT_TRUE(World().Save(reporter));
  const int language = World().Language();

  CWorldDatabase* reloaded = Context().OpenWorld(World().Folder());
  ASSERT_NE(reloaded, nullptr);
  EXPECT_EQ(reloaded->Rules().MatchRule(kPointsForWin), 2);
  EXPECT_EQ(reloaded->Rules().FriendlySubstitutions(), 4);
  EXPECT_EQ(reloaded->Rules().CupName(kSouthAmericanCup, language, false), "Copa Torvale");
  EXPECT_EQ(reloaded->Country(kGermany)->FiveYearPoints(2), 1234);
  const CDBLeague* reloadedLeague = LeaguesInLevelOrder(*reloaded->Country(kGermany)).front();
  EXPECT_EQ(ClubNumber(reloadedLeague->GetTeam(0)), ClubNumber(last));
  const CDBCompetition* reloadedSecond = reloaded->Competitions().FindCompetition(second->Id());
  ASSERT_NE(reloadedSecond, nullptr);
  EXPECT_EQ(reloadedSecond->MatchdayOnDay(day), 0);
}


TEST_F(CompetitionEditorsTest, FiveYearChangeKeepsTextBarAndTotalTogether) {
  CDlg5YearChange change(Context(), kGermany);
  auto* bar = change.findChild<QScrollBar*>("seasonBar1");
  auto* text = change.findChild<QLineEdit*>("season1");
  for (int s = 0; s < kRankingSeasons; ++s) change.findChild<QScrollBar*>(QStringLiteral("seasonBar%1").arg(s))->setValue(0);
  bar->setValue(1250);
  EXPECT_EQ(text->text(), "12.50");
  text->setText("30");  // above the 20 points a season can bring
  emit text->editingFinished();
  EXPECT_EQ(bar->value(), 2000);
  EXPECT_EQ(text->text(), "20.00");
  change.findChild<QScrollBar*>("seasonBar0")->setValue(900);  // the last season does not count yet
  EXPECT_EQ(change.findChild<QLabel*>("total")->text(), "20.00");
}

TEST_F(CompetitionEditorsTest, CalendarMarksMatchdaysAndTheClickedDaysNeighbours) {
  CDlgCalender dialog(Context(), Country(kGermany));
  CalenderTableModel& model = dialog.Model();
  CDBLeague* first = LeaguesInLevelOrder(Country(kGermany)).front();
  const int day = FirstDayAllPlay({first});
  ASSERT_GE(day, 0);
  const int column = CalenderTableModel::kFirstCompetitionColumn + ColumnOf(model.Editor(), first->Id());
  const auto background = [&](int row, int col) { return model.data(model.index(row, col), Qt::BackgroundRole); };
  EXPECT_TRUE(background(day, column).isValid());
  EXPECT_EQ(model.data(model.index(day, column), Qt::DisplayRole).toString().toStdString(),
            first->MatchdayLabel(first->MatchdayOnDay(day)));
  // A free weekday before the click has no colour; after a click next to it, it is tinted.
  int freeDay = -1;
  for (int d = day + 2; d < CalendarEditor::kShownDays - 1 && freeDay < 0; ++d) {
    const bool weekday = CalenderTableModel::DateOfDay(d).jdn % 7 < 5;
    if (weekday && first->MatchdayOnDayOrSameLevel(d) == 0 && model.data(model.index(d, column), Qt::DisplayRole).toString().isEmpty() &&
        !background(d, CalenderTableModel::kDateColumn).isValid()) {
      freeDay = d;
    }
  }
  ASSERT_GE(freeDay, 0);
  // The date column does not react; a click in the league's column marks the day and its neighbours.
  EXPECT_FALSE(model.ClickCell(freeDay + 1, CalenderTableModel::kDateColumn, PlacementMode::kOneLeague));
  EXPECT_FALSE(background(freeDay, CalenderTableModel::kDateColumn).isValid());
  model.ClickCell(freeDay + 1, column, PlacementMode::kOneLeague);
  EXPECT_TRUE(background(freeDay, CalenderTableModel::kDateColumn).isValid());
}

}  // namespace torvale
