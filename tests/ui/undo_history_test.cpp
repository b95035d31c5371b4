#include <gtest/gtest.h>

#include <QLineEdit>
#include <filesystem>
#include <QPointer>
#include <QTest>

#include "competition/competition_registry.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "database/world_copy.h"
#include "exchange/batch_corrections.h"
#include "persons/national_team.h"
#include "persons/world_persons.h"
#include "sample_clubs.h"
#include "support/gui/editor_fixture.h"
#include "support/test_database.h"
#include "ui/search/person_moves.h"
#include "ui/squad/dlg_playerlist_club.h"
#include "ui/squad/squad_commands.h"
#include "ui/squad/squad_list_view.h"
#include "ui/undo/undo_parts.h"
#include "ui/undo/world_history.h"
#include "world/player.h"
#include "world/players_without_club.h"

namespace torvale {

namespace {

constexpr int kGermany = 14;
constexpr int kSpain = 45;

using Files = std::vector<std::pair<std::string, std::string>>;

class UndoHistoryTest : public test::EditorFixture {
 protected:
  WorldHistory& History() { return Context().HistoryOf(World()); }

  Files SaveAs(const std::string& name) {
    const std::string keep = World().Folder();
    const std::string folder = InstallFolder() + "/saves_" + name;
    std::filesystem::create_directories(folder);
    World().SetFolder(folder);
    testing::RecordingSaveReporter reporter;
    EXPECT_TRUE(World().Save(reporter));
    World().SetFolder(keep);
    return testing::FolderContents(folder);
  }

  static std::vector<std::string> Differing(const Files& a, const Files& b) { return testing::DifferingFiles(a, b); }

  void EditInSquadEditor(CClub& club, const QString& surname, bool ok, uint32_t fetchFromFreeList) {
    SquadPickers pickers;
    pickers.choosePerson = [fetchFromFreeList](QWidget*, CWorldDatabase&) { return std::optional<uint32_t>(fetchFromFreeList); };
    CDlgPlayerlistClub dialog(Context(), club.clubId, pickers, nullptr);
    if (fetchFromFreeList != 0) {
      ASSERT_TRUE(dialog.RunCommand(kCmdFetchPerson));
    }
    dialog.List(CDlgPlayerlistClub::kFirstTeamTab)->Select(club.PlayerIds()[1]);
    auto* field = dialog.findChild<QLineEdit*>("surname");
    field->selectAll();
    QTest::keyClicks(field, surname);
    if (ok) {
      ASSERT_TRUE(dialog.RunCommand(kCmdNewPlayer));
      Answers().SetDefault(DialogAnswer::kCancel);  // "Egal" past the squad check
      dialog.accept();
    } else {
      dialog.reject();
    }
  }
};

}  // namespace

TEST(ChangeScope, ClubsAndCountrySettingsAreCoveredByTheirCountryAndMapToTheSmallestParts) {
  const uint32_t club = MakeClubId(kGermany, 3);
  ChangeScope scope = ChangeScope::Club(club | kReserveTeamBit);
  EXPECT_EQ(scope.clubs, std::set<uint32_t>{club}) << "a reserve team is its club";
  EXPECT_TRUE(scope.Touches(kGermany));
  EXPECT_FALSE(scope.Touches(kSpain));
  EXPECT_TRUE(ChangeScope::Country(kGermany).Covers(scope));
  EXPECT_FALSE(ChangeScope::CountrySettings(kGermany).Covers(scope));
  EXPECT_TRUE(ChangeScope::Country(kGermany).Covers(ChangeScope::CountrySettings(kGermany)));
  EXPECT_FALSE(scope.Covers(ChangeScope::Country(kGermany)));
  EXPECT_FALSE(ChangeScope::Club(MakeClubId(kGermany, 4)).Covers(scope));

  scope |= ChangeScope::CountrySettings(kSpain);
  scope |= ChangeScope::PlayersWithoutClub();
  EXPECT_EQ(SnapshotPartsOf(scope), (std::vector{WorldPart::CountrySettings(kSpain), WorldPart::Club(club),
                                                 WorldPart::PlayersWithoutClub()}));
  scope |= ChangeScope::Country(kGermany);
  EXPECT_EQ(SnapshotPartsOf(scope), (std::vector{WorldPart::Country(kGermany), WorldPart::CountrySettings(kSpain),
                                                 WorldPart::PlayersWithoutClub()}))
      << "a club of a country taken whole adds nothing";
  EXPECT_EQ(SnapshotPartsOf(ChangeScope::WholeWorld()), WholeWorldParts());
}

TEST_F(UndoHistoryTest, EveryKindOfEditIsTakenBackAndRedoneExactly) {
  CWorldDatabase& world = World();
  CClub& club = test::SampleClub(world, kGermany, 0);
  CClub& other = test::SampleClub(world, kGermany, 1);
  CClub& spanish = test::SampleClub(world, kSpain, 0);
  const Files before = SaveAs("before");
  ASSERT_FALSE(Changes().IsModified());

  // The club editor's OK: the edited copy goes over the club.
  CClub edited = club;
  edited.SetName(0, "Undo Sportfreunde");
  Changes().Commit(ChangeScope::Club(club.clubId), "Verein Undo Sportfreunde bearbeitet",
                   [&](CWorldDatabase&) { club = edited; });
  // The squad editor: a person edit, a new player and a person fetched from the free list on
  // OK; then a Cancel that kept its person edit.
  const uint32_t free = world.PlayersWithoutClub()->IdAt(0);
  EditInSquadEditor(club, QStringLiteral("Heimkehrer"), true, free);
  ASSERT_TRUE(club.HasPlayer(free));
  EditInSquadEditor(other, QStringLiteral("Abbrecher"), false, 0);
  // A page of the country editor and a calendar change: the country's settings alone.
  Changes().Commit(ChangeScope::CountrySettings(kGermany), "Deutschland: Allgemeine Informationen geändert",
                   [&](CWorldDatabase& w) { w.Country(kGermany)->averageStrength = 2; });
  {
    ScopedWorldTransaction calendar(Changes(), ChangeScope::CountrySettings(kGermany), "Rahmenterminkalender");
    auto& league = *world.Competitions().Find<CDBLeague>(LeagueId(kGermany, 0));
    int day = 0;
    while (league.DayMatchday(day) == 0) ++day;
    league.RemoveMatchday(day);
    league.AddMatchday(day + 1);
  }
  // A transfer across countries, a release into the free list, a call-up into the national
  // squad and a batch command over a country.
  const uint32_t moving = other.PlayerIds()[2];
  ASSERT_EQ(CommitTransfer(Changes(), moving, other.clubId, spanish.clubId), MoveResult::kMoved);
  ASSERT_TRUE(CommitRelease(Changes(), other.PlayerIds()[3], other.clubId));
  const uint32_t called = spanish.PlayerIds()[0];
  const int nation = world.Persons().FindPlayer(called)->nationality;
  ChangeScope callUp = ChangeScope::ListingPersons(world, std::span<const uint32_t>(&called, 1));
  callUp |= ChangeScope::Club(MakeClubId(static_cast<uint32_t>(nation), kAmateurClubNumber));
  Changes().CommitIf(callUp, "1 Spieler berufen", [&](CWorldDatabase& w) { return CallUpNationalPlayer(w, nation, called); });
  Changes().Commit(ChangeScope::Club(club.clubId), "Gelbe Schuhe", [&](CWorldDatabase& w) {
    for (uint32_t id : club.PlayerIds()) BootColour(*w.Persons().FindPlayer(id)) = 6;
  });
  Changes().Commit(ChangeScope::Country(kGermany), "Replace all yellow shoes with black ones",
                   [&](CWorldDatabase& w) { BlackenYellowShoes(w, *w.Country(kGermany)); });
  // Deleting a club takes its persons out of every list.
  const uint32_t deleted = test::SampleClub(world, kGermany, 2).clubId;
  ChangeScope deletion = ChangeScope::Country(kGermany);
  deletion |= ChangeScope::ListingPersons(world, FindWorldClub(world, deleted)->PlayerIds());
  Changes().Commit(deletion, "Verein gelöscht", [&](CWorldDatabase& w) { w.Country(kGermany)->RemoveClub(deleted); });

  const int steps = History().Stack().count();
  EXPECT_EQ(steps, 11);
  EXPECT_TRUE(Changes().IsModified());
  const Files after = SaveAs("after");
  ASSERT_FALSE(Differing(before, after).empty());

  for (int i = 0; i < steps; ++i) History().Undo();
  EXPECT_FALSE(History().CanUndo());
  EXPECT_EQ(Differing(before, SaveAs("undone")), std::vector<std::string>{});
  EXPECT_FALSE(Changes().IsModified()) << "back at the loaded state";

  for (int i = 0; i < steps; ++i) History().Redo();
  EXPECT_EQ(Differing(after, SaveAs("redone")), std::vector<std::string>{});
  EXPECT_TRUE(Changes().IsModified());
}

TEST_F(UndoHistoryTest, CopyBetweenWorldsIsAStepOfTheTargetWorld) {
  CWorldDatabase& source = World();
  CWorldDatabase& target = *Context().OpenWorld(kGameDatabaseFolder);
  ASSERT_EQ(&World(), &target);
  const Files before = SaveAs("before");
  Context().ChangesOf(target).CommitIf(ChangeScope::Country(kGermany), "Land aus anderer Datenbank übernommen",
                                       [&](CWorldDatabase& w) {
                                         return CopyCountry(source, *source.Country(kSpain), w, *w.Country(kGermany),
                                                            kCopyEverything);
                                       });
  ASSERT_EQ(History().Stack().count(), 1);
  EXPECT_EQ(Context().HistoryOf(source).Stack().count(), 0);
  History().Undo();
  EXPECT_EQ(Differing(before, SaveAs("undone")), std::vector<std::string>{});

  // The history ends with its world.
  QPointer<WorldHistory> history = &History();
  Context().CloseWorld(&target);
  EXPECT_TRUE(history.isNull());
}

TEST_F(UndoHistoryTest, UnsavedMarkFollowsTheCleanPointAndTheHistoryKeepsAHundredSteps) {
  auto step = [this](int i) {
    Changes().Commit(ChangeScope::Settings(), QString::number(i),
                     [i](CWorldDatabase& w) { w.SpareBytesA()[0] = static_cast<uint8_t>(i + 1); });
  };
  step(0);
  step(1);
  Changes().MarkSaved();
  History().Undo();
  EXPECT_TRUE(Changes().IsModified()) << "an undo behind the save";
  History().Redo();
  EXPECT_FALSE(Changes().IsModified()) << "back at the saved state";
  step(2);
  EXPECT_TRUE(Changes().IsModified());

  // A change that leaves everything as it was is no step.
  const int count = History().Stack().count();
  Changes().Commit(ChangeScope::Settings(), "nichts", [](CWorldDatabase&) {});
  EXPECT_EQ(History().Stack().count(), count);

  for (int i = 3; i < 120; ++i) step(i);
  EXPECT_EQ(History().Stack().count(), WorldHistory::kStepLimit);
  int undone = 0;
  while (History().CanUndo()) {
    History().Undo();
    ++undone;
  }
  EXPECT_EQ(undone, WorldHistory::kStepLimit);
  EXPECT_EQ(World().SpareBytesA()[0], 20) << "the oldest steps were dropped";
  EXPECT_TRUE(Changes().IsModified()) << "the saved state is out of reach";

  // A change of the whole world is one step too; it drops the steps undone before it.
  const uint8_t spare = World().SpareBytesB()[0];
  Changes().Commit(ChangeScope::WholeWorld(), "Import", [](CWorldDatabase& w) { w.SpareBytesB()[0] = 7; });
  EXPECT_EQ(History().Stack().count(), 1);
  History().Undo();
  EXPECT_EQ(World().SpareBytesB()[0], spare);
  EXPECT_TRUE(Changes().IsModified());
}

}  // namespace torvale
