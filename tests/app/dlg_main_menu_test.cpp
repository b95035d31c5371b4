#include <gtest/gtest.h>

#include <QAction>
#include <QCollator>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/dlg_main_menu.h"
#include "database/world_statistics.h"
#include "support/gui/editor_fixture.h"
#include "world/club.h"

namespace torvale {

namespace {

class MainMenuTest : public test::EditorFixture {
 protected:
  // A window that has gone through its start, on the fixture's context.
  std::unique_ptr<DlgMainMenu> StartedWindow() {
    auto window = std::make_unique<DlgMainMenu>(Context(), MainMenuStart{false, {}});
    window->Initialise();
    return window;
  }
  static QString Figure(const DlgMainMenu& window, const char* name) {
    return window.findChild<QLabel*>(name)->text();
  }
  static QStringList DatabaseMenuTexts(const DlgMainMenu& window) {
    QStringList texts;
    for (QAction* action : window.findChild<QMenu*>("databaseMenu")->actions())
      if (const int id = action->data().toInt(); id >= kCmdDatabase1 && id < kCmdDatabase1 + 6) texts << action->text();
    return texts;
  }
};

uint32_t FirstRegularClub(const CCountry& country) {
  for (const auto& [id, club] : country.Clubs())
    if (club->Number() != kAmateurClubNumber && !club->PlayerIds().empty()) return club->clubId;
  return 0;
}

}  // namespace

TEST_F(MainMenuTest, StartsOnEuropeAndGermanyWithItsFigures) {
  auto window = StartedWindow();
  EXPECT_TRUE(window->IsInitialised());
  EXPECT_EQ(window->findChild<QComboBox*>("continentBox")->currentText(), "Europa");
  EXPECT_EQ(window->findChild<QListWidget*>("countryList")->currentItem()->text(), "Deutschland");
  EXPECT_EQ(window->Selection().country, 14);
  EXPECT_EQ(window->windowTitle(), "Torvale Datenbank Editor - Database");

  const CountryStatistics germany = CountCountry(*World().Country(14));
  const CountryStatistics total = CountWorld(World());
  ASSERT_GT(germany.persons, 0);
  EXPECT_EQ(Figure(*window, "stat_clubs_country"), QLocale(QLocale::German).toString(germany.clubs));
  EXPECT_EQ(Figure(*window, "stat_persons_total"), QLocale(QLocale::German).toString(total.persons));
  EXPECT_EQ(Figure(*window, "stat_playerStrength_country"), QString::asprintf("%2.2f", germany.AveragePlayerStrength()));
  EXPECT_EQ(Figure(*window, "stat_leagues_country").toInt(), World().Country(14)->LeagueCount());
  EXPECT_GT(germany.talents[0] + germany.talents[1] + germany.talents[2], 0);

  // The club list lists every club of the country, the amateur club included.
  auto* clubs = window->findChild<QTableView*>("clubList");
  EXPECT_EQ(clubs->model()->rowCount(), static_cast<int>(World().Country(14)->Clubs().size()));
}

TEST_F(MainMenuTest, TheThreeClubOrdersSortTheList) {
  auto window = StartedWindow();
  auto* clubs = window->findChild<QTableView*>("clubList");
  auto column = [&](int c) {
    QStringList values;
    for (int r = 0; r < clubs->model()->rowCount(); ++r) values << clubs->model()->index(r, c).data().toString();
    return values;
  };
  QTest::mouseClick(window->findChild<QPushButton*>("orderByStrength"), Qt::LeftButton);
  const QStringList strengths = column(2);
  for (int r = 1; r < strengths.size(); ++r)
    if (!strengths[r].isEmpty()) {
      EXPECT_GE(strengths[r - 1].toDouble(), strengths[r].toDouble()) << r;
    }
  QTest::mouseClick(window->findChild<QPushButton*>("orderByLeague"), Qt::LeftButton);
  const QStringList leagues = column(1);
  ASSERT_FALSE(leagues.isEmpty());
  EXPECT_FALSE(leagues.front().isEmpty());  // the top league's clubs come first
  // Clubs outside every league close the list.
  const qsizetype firstWithout = leagues.indexOf(QString());
  if (firstWithout >= 0) {
    for (qsizetype r = firstWithout; r < leagues.size(); ++r) EXPECT_TRUE(leagues[r].isEmpty()) << r;
  }
  QTest::mouseClick(window->findChild<QPushButton*>("orderByName"), Qt::LeftButton);
  // Names sort as the user's language does, numbers by their value ("Club 9" before "Club 10").
  QCollator collator;
  collator.setNumericMode(true);
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  const QStringList names = column(0);
  for (int r = 1; r < names.size(); ++r) EXPECT_LE(collator.compare(names[r - 1], names[r]), 0) << r;
}

TEST_F(MainMenuTest, ClosingAsksOnlyOnceTheWindowIsInitialised) {
  {
    DlgMainMenu window(Context(), MainMenuStart{false, {}});
    window.show();
    window.close();
    EXPECT_TRUE(Answers().Shown().empty());
    EXPECT_FALSE(window.isVisible());
  }
  auto window = StartedWindow();
  window->show();
  Answers().Then(DialogAnswer::kNo);
  window->TriggerCommand(kCmdExit);
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(Answers().Shown().size(), 1u);
  EXPECT_TRUE(Answers().Shown()[0].text.startsWith(QString::fromUtf8("Sind Sie sicher, daß Sie den Editor verlassen")));
  window->TriggerCommand(kCmdExit);  // answered Yes
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MainMenuTest, WithoutTheRendererTheWindowSaysSoAndCloses) {
  DlgMainMenu window(Context(), MainMenuStart{false, [] { return false; }});
  window.show();
  window.Initialise();
  EXPECT_FALSE(window.IsInitialised());
  ASSERT_EQ(Answers().Texts().size(), 1);
  EXPECT_TRUE(Answers().Texts()[0].startsWith("Die Laufzeitbibliothek Renderer.dll"));
  QTest::qWait(0);
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(MainMenuTest, DeletingAClubUpdatesListFiguresAndTheUnsavedMark) {
  auto window = StartedWindow();
  CCountry& germany = *World().Country(14);
  const int clubsBefore = static_cast<int>(germany.Clubs().size());
  const CountryStatistics totalBefore = CountWorld(World());

  // The national pseudo-club cannot be deleted.
  window->SelectClub(MakeClubId(14, kAmateurClubNumber));
  ASSERT_EQ(window->Selection().clubId, MakeClubId(14, kAmateurClubNumber));
  window->TriggerCommand(kCmdDeleteClub);
  EXPECT_EQ(static_cast<int>(germany.Clubs().size()), clubsBefore);
  EXPECT_FALSE(window->windowTitle().endsWith(" *"));

  const uint32_t victim = FirstRegularClub(germany);
  const int victimPersons = static_cast<int>(germany.FindClub(victim)->PlayerIds().size());
  window->SelectClub(victim);
  window->TriggerCommand(kCmdDeleteClub);
  EXPECT_EQ(germany.FindClub(victim), nullptr);
  EXPECT_EQ(window->findChild<QTableView*>("clubList")->model()->rowCount(), clubsBefore - 1);
  EXPECT_EQ(Figure(*window, "stat_clubs_total"), QLocale(QLocale::German).toString(totalBefore.clubs - 1));
  EXPECT_EQ(Figure(*window, "stat_persons_total"), QLocale(QLocale::German).toString(totalBefore.persons - victimPersons));
  EXPECT_TRUE(window->windowTitle().endsWith(" *"));

  window->TriggerCommand(kCmdSave);
  EXPECT_FALSE(window->windowTitle().endsWith(" *"));
  EXPECT_TRUE(Answers().Shown().empty());
}

TEST_F(MainMenuTest, TheDatabaseMenuListsTheOpenWorldsAndSwitchesBetweenThem) {
  auto window = StartedWindow();
  EXPECT_EQ(DatabaseMenuTexts(*window), QStringList{"1. Database"});
  EXPECT_FALSE(window->CommandAction(kCmdClose)->isEnabled());

  Context().OpenGameDatabase();
  window->SelectCountry(45);
  window->Refresh();
  EXPECT_EQ(DatabaseMenuTexts(*window), (QStringList{"1. Database", "2. Database"}));
  // Every refresh starts again at the world's starting selection.
  EXPECT_EQ(window->Selection().country, 14);
  EXPECT_TRUE(window->CommandAction(kCmdDatabase1 + 1)->isChecked());

  window->SelectCountry(45);
  EXPECT_EQ(window->findChild<QListWidget*>("countryList")->currentItem()->text(), "Spanien");
  window->TriggerCommand(kCmdDatabase1);
  EXPECT_EQ(Context().Worlds().IndexOf(Context().CurrentWorld()), 0u);
  EXPECT_EQ(window->Selection().country, 14);

  Answers().Then(DialogAnswer::kNo);
  window->TriggerCommand(kCmdClose);
  EXPECT_EQ(Context().Worlds().Count(), 2u);
  EXPECT_TRUE(Answers().Texts().at(0).startsWith("Soll die Datenbank database wirklich"));
  window->TriggerCommand(kCmdClose);
  EXPECT_EQ(Context().Worlds().Count(), 1u);
  EXPECT_EQ(DatabaseMenuTexts(*window), QStringList{"1. Database"});
}

TEST_F(MainMenuTest, EditorCommandsAreDisabledUntilAnEditorRegistersAndGetTheSelection) {
  Context().Commands() = EditorCommandRegistry{};
  auto window = StartedWindow();
  EXPECT_FALSE(window->CommandAction(kCmdSquadEditor)->isEnabled());
  EXPECT_FALSE(window->CommandAction(kCmdPlayerSearch)->isEnabled());

  MainSelection seen;
  int runs = 0;
  Context().Commands().Register(EditorCommand::kSquadEditor,
                                [&](EditorContext& context, QWidget* parent, const MainSelection& selection) {
                                  EXPECT_EQ(&context, &Context());
                                  EXPECT_EQ(parent, window.get());
                                  seen = selection;
                                  ++runs;
                                });
  window->Refresh();
  EXPECT_TRUE(window->CommandAction(kCmdSquadEditor)->isEnabled());
  EXPECT_FALSE(window->CommandAction(kCmdPlayerSearch)->isEnabled());

  // A double click on a club opens the squad editor for it.
  const uint32_t club = FirstRegularClub(*World().Country(14));
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  window->SelectClub(club);
  auto* view = window->findChild<QTableView*>("clubList");
  const QRect cell = view->visualRect(view->currentIndex());
  // A widget double click is the press of a first click followed by the double-click event.
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(seen.country, 14);
  EXPECT_EQ(seen.clubId, club);
}

}  // namespace torvale
