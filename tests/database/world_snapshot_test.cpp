// Undo snapshots over the sample installation: every kind of change (clubs, persons, leagues,
// transfers between countries, the free list, rules and settings) taken back by restoring
// gives a save byte for byte equal to a save made before; restoring the later snapshot gives
// the save made after. Club numbers with gaps and persons' ids survive as memory had them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "competition/competition_registry.h"
#include "competition/league.h"
#include "database/world_snapshot.h"
#include "support/sample_world.h"
#include "support/scratch_dir.h"
#include "platform/path.h"
#include "support/test_database.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

constexpr int kGermany = 14;
constexpr int kSpain = 45;

using Files = std::vector<std::pair<std::string, std::string>>;

Files SaveInto(CWorldDatabase& world, const std::string& folder) {
  world.SetFolder(folder);
  testing::RecordingSaveReporter reporter;
  EXPECT_TRUE(world.Save(reporter));
  return testing::FolderContents(folder);
}

std::vector<std::string> Differing(const Files& a, const Files& b) { return testing::DifferingFiles(a, b); }

CClub& NthClub(CWorldDatabase& world, int country, int n) {
  for (const auto& [id, club] : world.Country(country)->Clubs())
    if (club->Number() != kAmateurClubNumber && n-- == 0) return *club;
  throw std::logic_error("no such club");
}

CDBLeague& League(CWorldDatabase& world, int country, int index) {
  return *world.Competitions().Find<CDBLeague>(MakeCompetitionId(country, CompKind::LEAGUE, index));
}

// One of each kind of change the editors make.
void ChangeEverything(CWorldDatabase& world) {
  CPersonTable& persons = world.Persons();
  // Club edits.
  CClub& edited = NthClub(world, kGermany, 0);
  edited.SetName(0, "Umbenannt");
  edited.facilities[kMedia] = 4;
  // Person edits, a new person, a deleted person, one left in no list.
  CClub& squad = NthClub(world, kGermany, 1);
  persons.FindPlayer(squad.players[0])->abilities[kPassing] = 9;
  CPlayer* created = persons.CreatePlayer(0, true);
  SetFixedText(created->surname, "Neu");
  squad.AddPlayer(created->id);
  const uint32_t deleted = squad.players[2];
  squad.RemovePlayer(deleted);
  persons.RemovePlayer(deleted);
  squad.RemovePlayer(squad.players[3]);  // stays in the table, listed nowhere
  // A transfer from Germany to Spain and one the other way.
  CClub& spanish = NthClub(world, kSpain, 0);
  const uint32_t toSpain = squad.players[4];
  squad.RemovePlayer(toSpain);
  spanish.AddPlayer(toSpain);
  const uint32_t toGermany = spanish.players[1];
  spanish.RemovePlayer(toGermany);
  squad.AddPlayer(toGermany);
  // The free list: one in, one out.
  CPlayersWithoutClub& free = *world.PlayersWithoutClub();
  const uint32_t signed_ = free.IdAt(0);
  free.RemoveAt(0);
  spanish.AddPlayer(signed_);
  const uint32_t released = spanish.players[2];
  spanish.RemovePlayer(released);
  free.Add(released);
  // Leagues and clubs: a matchday, the rounds, a club deleted and a new one in its number.
  CDBLeague& first = League(world, kGermany, 0);
  int day = 0;
  while (first.DayMatchday(day) == 0) ++day;
  first.RemoveMatchday(day);
  League(world, kSpain, 0).SetRounds(3);
  CCountry& germany = *world.Country(kGermany);
  const uint32_t removedClub = NthClub(world, kGermany, 5).clubId;
  for (uint32_t id : germany.FindClub(removedClub)->PlayerIds()) persons.RemovePlayer(id);
  germany.RemoveClub(removedClub);
  germany.AddNewClub(std::make_unique<CClub>());
  // Managers, stadiums, settings of the country, the rules and the world's own settings.
  germany.CreateAdditionalManager();
  germany.RemoveAdditionalManager(*germany.AdditionalManagers().begin());
  germany.RemoveStadium(germany.Stadiums().begin()->first);
  germany.winterBreak = germany.winterBreak ? 0 : 1;
  world.Rules().SetMatchRule(kPointsForWin, 0);
  world.Selection().country = 45;
}

const std::vector<WorldPart> kChangedParts = {WorldPart::Country(kGermany), WorldPart::Country(kSpain),
                                              WorldPart::PlayersWithoutClub(), WorldPart::Rules(),
                                              WorldPart::Settings()};

TEST(WorldSnapshot, UndoingEveryKindOfChangeSavesTheSameFilesAndRedoTheLaterOnes) {
  test::ScratchDir scratch;
  auto sample = testing::LoadSampleWorld();
  CWorldDatabase& world = *sample->world;
  const Files before = SaveInto(world, scratch.MakeDir("before"));
  const size_t personsBefore = world.Persons().Count();

  const WorldSnapshot undo = WorldSnapshot::Capture(world, kChangedParts);
  ChangeEverything(world);
  const WorldSnapshot redo = WorldSnapshot::Capture(world, kChangedParts);
  const Files after = SaveInto(world, scratch.MakeDir("after"));
  ASSERT_NE(Differing(before, after).size(), 0u);
  EXPECT_FALSE(undo.SameState(redo));

  undo.Restore(world);
  EXPECT_EQ(Differing(before, SaveInto(world, scratch.MakeDir("undone"))), std::vector<std::string>{});
  EXPECT_EQ(world.Persons().Count(), personsBefore) << "persons the change created are gone, deleted ones back";
  EXPECT_TRUE(undo.SameState(WorldSnapshot::Capture(world, kChangedParts))) << "ids and numbers as before";

  redo.Restore(world);
  EXPECT_EQ(Differing(after, SaveInto(world, scratch.MakeDir("redone"))), std::vector<std::string>{});
  undo.Restore(world);
  EXPECT_EQ(Differing(before, SaveInto(world, scratch.MakeDir("undone-again"))), std::vector<std::string>{});
}

TEST(WorldSnapshot, ClubNumbersWithGapsAndReferencesFromElsewhereSurvive) {
  auto sample = testing::LoadSampleWorld();
  CWorldDatabase& world = *sample->world;
  CCountry& germany = *world.Country(kGermany);
  // A gap before the snapshot: club 3 is gone, the later clubs keep their numbers.
  germany.RemoveClub(NthClub(world, kGermany, 2).clubId);
  const uint32_t holder = NthClub(world, kGermany, 6).clubId;
  world.Rules().titleHolders[0] = holder;
  const CCountry::Numbering numbering = germany.CurrentNumbering();
  const uint32_t savedBefore = world.SavedClubId(holder);

  const WorldSnapshot undo = WorldSnapshot::Capture(world, std::vector{WorldPart::Country(kGermany)});
  germany.AddNewClub(std::make_unique<CClub>());  // takes number 3
  germany.RemoveClub(NthClub(world, kGermany, 0).clubId);
  undo.Restore(world);

  EXPECT_EQ(germany.CurrentNumbering(), numbering);
  ASSERT_NE(germany.FindClub(holder), nullptr) << "the rules' title holder is the same club again";
  EXPECT_EQ(world.SavedClubId(holder), savedBefore);
  EXPECT_EQ(germany.FindClub(holder)->Number(), ClubNumber(holder));
}

TEST(WorldSnapshot, ClubPartsCoverASquadEditAndStaySmall) {
  test::ScratchDir scratch;
  auto sample = testing::LoadSampleWorld();
  CWorldDatabase& world = *sample->world;
  const Files before = SaveInto(world, scratch.MakeDir("before"));
  CClub& from = NthClub(world, kGermany, 0);
  CClub& to = NthClub(world, kGermany, 1);
  const std::vector parts = {WorldPart::Club(from.clubId), WorldPart::Club(to.clubId | kReserveTeamBit)};

  const WorldSnapshot undo = WorldSnapshot::Capture(world, parts);
  EXPECT_TRUE(undo.SameState(WorldSnapshot::Capture(world, parts))) << "nothing changed yet";
  const uint32_t moved = from.players[0];
  from.RemovePlayer(moved);
  to.AddPlayer(moved);
  world.Persons().FindPlayer(moved)->team = 1;
  const uint32_t created = world.Persons().CreatePlayer(0, true)->id;
  to.AddPlayer(created);
  undo.Restore(world);
  EXPECT_EQ(Differing(before, SaveInto(world, scratch.MakeDir("undone"))), std::vector<std::string>{});
  EXPECT_EQ(world.Persons().FindPlayer(created), nullptr);

  const WorldSnapshot country = WorldSnapshot::Capture(world, std::vector{WorldPart::Country(kGermany)});
  EXPECT_LT(undo.MemoryBytes() * 5, country.MemoryBytes()) << "two clubs are a small part of a country";
  EXPECT_EQ(WorldSnapshot::Capture(world, std::vector{WorldPart::Country(kGermany), WorldPart::Club(from.clubId)})
                .Parts()
                .size(),
            1u)
      << "a club inside a captured country adds nothing";
}

TEST(WorldSnapshot, CountrySettingsPartsCoverCalendarCupAndLeagueEdits) {
  test::ScratchDir scratch;
  auto sample = testing::LoadSampleWorld();
  CWorldDatabase& world = *sample->world;
  const Files before = SaveInto(world, scratch.MakeDir("before"));
  CCountry& germany = *world.Country(kGermany);
  const std::vector parts = {WorldPart::CountrySettings(kGermany)};

  const WorldSnapshot undo = WorldSnapshot::Capture(world, parts);
  CDBLeague& first = League(world, kGermany, 0);
  int day = 0;
  while (first.DayMatchday(day) == 0) ++day;
  first.RemoveMatchday(day);
  first.AddMatchday(day + 1);
  League(world, kGermany, 1).SetRounds(3);
  germany.SetNationalCupMode(germany.nationalCupMode == 1 ? 2 : 1);
  germany.averageStrength = 3;
  undo.Restore(world);
  EXPECT_EQ(Differing(before, SaveInto(world, scratch.MakeDir("undone"))), std::vector<std::string>{});

  const WorldSnapshot country = WorldSnapshot::Capture(world, std::vector{WorldPart::Country(kGermany)});
  EXPECT_LT(undo.MemoryBytes() * 5, country.MemoryBytes()) << "no clubs and persons";
}

// An import replaces everything: every country, the persons, the rules, the settings, the
// folder and the framework calendars. The snapshot of the whole world, kept in its temporary
// file, puts the world back exactly, and the later one the imported world.
TEST(WorldSnapshot, TheWholeWorldKeptInATempFileTakesBackAnImport) {
  test::ScratchDir scratch;
  auto sample = testing::LoadSampleWorld();
  CWorldDatabase& world = *sample->world;
  const Files before = SaveInto(world, scratch.MakeDir("before"));
  const std::string folderBefore = world.Folder();
  const auto calendarBefore = world.Calendars().GetFrameworkCalendar(1)[10];

  WorldSnapshot undo = WorldSnapshot::Capture(world, WholeWorldParts());
  const size_t inMemory = undo.MemoryBytes();
  ASSERT_TRUE(undo.MoveTextsToTempFile());
  EXPECT_GT(undo.TempFileBytes() * 2, inMemory) << "the records went into the file";
  EXPECT_LT(undo.MemoryBytes() * 2, inMemory);

  // The import: a fresh world reads another folder.
  ChangeEverything(world);
  const std::string imported = scratch.MakeDir("imported");
  SaveInto(world, imported);
  // The imported folder lacks a country: its load report says so, and undo takes that back too.
  const LoadReport reportBefore = world.LastLoadReport();
  std::filesystem::remove(imported + "/Country" + std::to_string(kSpain) + ".sav");
  world.InitEmptyWorld();
  world.Reset();
  ASSERT_TRUE(world.Load(imported));
  const LoadReport reportImported = world.LastLoadReport();
  ASSERT_NE(reportImported, reportBefore);
  world.Calendars().GetFrameworkCalendar(1)[10] = calendarBefore + 7;
  WorldSnapshot redo = WorldSnapshot::Capture(world, WholeWorldParts());
  ASSERT_TRUE(redo.MoveTextsToTempFile());
  const Files after = SaveInto(world, scratch.MakeDir("after"));
  ASSERT_FALSE(Differing(before, after).empty());
  world.SetFolder(imported);

  ASSERT_TRUE(undo.Restore(world));
  EXPECT_EQ(world.Folder(), folderBefore);
  EXPECT_EQ(world.Calendars().GetFrameworkCalendar(1)[10], calendarBefore);
  EXPECT_EQ(world.LastLoadReport(), reportBefore);
  EXPECT_EQ(Differing(before, SaveInto(world, scratch.MakeDir("undone"))), std::vector<std::string>{});
  ASSERT_TRUE(redo.Restore(world));
  EXPECT_EQ(world.Folder(), NormalizePath(imported));
  EXPECT_EQ(world.LastLoadReport(), reportImported);
  EXPECT_EQ(Differing(after, SaveInto(world, scratch.MakeDir("redone"))), std::vector<std::string>{});
}

// A command over every country keeps only the countries it changed.
TEST(WorldSnapshot, UnchangedPartsAreDroppedFromBothSides) {
  test::ScratchDir scratch;
  auto sample = testing::LoadSampleWorld();
  CWorldDatabase& world = *sample->world;
  const Files before = SaveInto(world, scratch.MakeDir("before"));
  WorldSnapshot undo = WorldSnapshot::Capture(world, WholeWorldParts());
  CClub& club = NthClub(world, kSpain, 1);
  world.Persons().FindPlayer(club.players[0])->abilities[kPassing] = 9;
  WorldSnapshot redo = WorldSnapshot::Capture(world, undo.Parts());
  const Files after = SaveInto(world, scratch.MakeDir("after"));

  WorldSnapshot::DropUnchanged(undo, redo);
  EXPECT_EQ(undo.Parts(), std::vector{WorldPart::Country(kSpain)});
  EXPECT_EQ(redo.Parts(), std::vector{WorldPart::Country(kSpain)});
  ASSERT_TRUE(undo.Restore(world));
  EXPECT_EQ(Differing(before, SaveInto(world, scratch.MakeDir("undone"))), std::vector<std::string>{});
  ASSERT_TRUE(redo.Restore(world));
  EXPECT_EQ(Differing(after, SaveInto(world, scratch.MakeDir("redone"))), std::vector<std::string>{});
}

}  // namespace
}  // namespace torvale
