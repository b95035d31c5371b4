#include "database/world_database.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <regex>

#include "competition/competition_registry.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "database/world_statistics.h"
#include "platform/path.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

using testing::AddPerson;
using testing::BuildPlayableCountry;
using testing::FolderContents;
using testing::RecordingSaveReporter;
using testing::TestDatabaseEnvironment;

class WorldDatabaseTest : public ::testing::Test {
 protected:
  // Two playable countries, rules naming their clubs and stadiums, two persons without club.
  std::unique_ptr<CWorldDatabase> BuildWorld() {
    auto world = tables.NewWorld();
    BuildPlayableCountry(*world, 1, 1);
    BuildPlayableCountry(*world, 14, 2);
    CGlobalRules& rules = world->Rules();
    rules.SetCupName(kChampionsCup, 0, false, "Meisterrunde");
    rules.SetCupName(kChampionsCup, 1, true, "Champions");
    rules.titleHolders = {MakeClubId(14, 4), MakeClubId(1, 9) | kReserveTeamBit, 0};
    rules.finalVenues = {(14u << 16) | 2u, (1u << 16) | 1u, 0};
    rules.matchRules = {1, 0, 1, 0};
    rules.friendlySubstitutions = 5;
    for (int i = 0; i < 2; ++i) {
      CPlayer& free = AddPerson(*world, "Ohne", "Verein" + std::to_string(i), kRolePlayer, 14);
      free.lastClub = MakeClubId(1, 12);
      world->PlayersWithoutClub()->Add(free.id);
    }
    return world;
  }

  TestDatabaseEnvironment tables;
  test::ScratchDir scratch;
};

TEST_F(WorldDatabaseTest, FolderRoundTripIsByteIdenticalAndLosesNothing) {
  auto original = BuildWorld();
  ASSERT_TRUE(original->Country(1)->IsPlayable());
  ASSERT_TRUE(original->Country(14)->IsPlayable());

  const std::string first = scratch.MakeDir("First");
  original->SetFolder(first);
  RecordingSaveReporter reporter;
  ASSERT_TRUE(original->Save(reporter));
  EXPECT_TRUE(reporter.messages.empty());

  auto reloaded = tables.NewWorld();
  EXPECT_TRUE(reloaded->Load(first));
  EXPECT_EQ(reloaded->Name(), "first");
  EXPECT_TRUE(reloaded->Country(1)->IsPlayable());
  EXPECT_EQ(reloaded->PlayersWithoutClub()->Count(), 2u);
  EXPECT_TRUE(original->SameData(*reloaded));
  // Loading again over a loaded world replaces its persons instead of piling them up.
  const size_t persons = reloaded->Persons().Count();
  EXPECT_TRUE(reloaded->Load(first));
  EXPECT_EQ(reloaded->Persons().Count(), persons);
  EXPECT_TRUE(original->SameData(*reloaded));

  const std::string second = scratch.MakeDir("Second");
  reloaded->SetFolder(second);
  ASSERT_TRUE(reloaded->Save(reporter));
  const auto a = FolderContents(first);
  const auto b = FolderContents(second);
  ASSERT_EQ(a.size(), 206u + 2u);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].first, b[i].first);
    EXPECT_TRUE(a[i].second == b[i].second) << a[i].first << " differs after a reload";
  }
  // The comparison itself must see a difference.
  SetFixedText(reloaded->Country(14)->FindClub(MakeClubId(14, 3))->mascot, "Adler");
  EXPECT_FALSE(original->SameData(*reloaded));
}

TEST_F(WorldDatabaseTest, ClubsAreRenumberedAcrossCountriesOnSaving) {
  auto world = tables.NewWorld();
  CCountry& home = *world->Country(1);
  for (uint16_t number : {3, 7, 20}) {
    CClub* club = home.AddClub(std::make_unique<CClub>(), number);
    club->SetName(0, "Nummer " + std::to_string(number));
  }
  CCountry& abroad = *world->Country(2);
  CClub* foreign = abroad.AddClub(std::make_unique<CClub>(), 5);
  CPlayer& person = AddPerson(*world, "Leih", "Spieler", kRolePlayer, 2, foreign);
  person.lastClub = MakeClubId(1, 7) | kReserveTeamBit;
  person.favouriteClub = MakeClubId(1, kAmateurClubNumber);
  person.firstClub = MakeClubId(1, 4);  // no such club
  world->Rules().titleHolders[0] = MakeClubId(1, 20);
  home.FindClub(MakeClubId(1, 20))->archRival1 = 7;  // rivals are numbers of the same country
  SetLeagueSystem(home, LevelCounts{1, 0, 0, 0, 0}, LevelRules{});
  auto* league = world->Competitions().Find<CDBLeague>(LeagueId(1, 0));
  league->AddTeam(MakeClubId(1, 7) | kReserveTeamBit);
  league->AddTeam(MakeClubId(1, kAmateurClubNumber));

  world->SetFolder(scratch.path());
  RecordingSaveReporter reporter;
  ASSERT_TRUE(world->Save(reporter));
  auto reloaded = tables.NewWorld();
  reloaded->Load(scratch.path());

  const CCountry& reread = *reloaded->Country(1);
  ASSERT_NE(reread.FindClub(MakeClubId(1, 2)), nullptr);
  EXPECT_EQ(reread.FindClub(MakeClubId(1, 2))->Name(0), "Nummer 7");
  EXPECT_EQ(reread.FindClub(MakeClubId(1, 3))->Name(0), "Nummer 20");
  EXPECT_EQ(reread.FindClub(MakeClubId(1, 20)), nullptr);
  const CClub* foreignAgain = reloaded->Country(2)->FindClub(MakeClubId(2, 1));
  ASSERT_NE(foreignAgain, nullptr);
  const CPlayer* personAgain = foreignAgain->FindPlayer(foreignAgain->PlayerIds()[0]);
  ASSERT_NE(personAgain, nullptr);
  EXPECT_EQ(personAgain->lastClub, MakeClubId(1, 2) | kReserveTeamBit);
  EXPECT_EQ(personAgain->favouriteClub, MakeClubId(1, kAmateurClubNumber));
  EXPECT_EQ(personAgain->firstClub, 0u);
  EXPECT_EQ(reloaded->Rules().titleHolders[0], MakeClubId(1, 3));
  EXPECT_EQ(reread.FindClub(MakeClubId(1, 3))->archRival1, 2u);
  const auto* leagueAgain = reloaded->Competitions().Find<CDBLeague>(LeagueId(1, 0));
  ASSERT_NE(leagueAgain, nullptr);
  EXPECT_EQ(leagueAgain->GetTeam(0), MakeClubId(1, 2) | kReserveTeamBit);
  EXPECT_EQ(leagueAgain->GetTeam(1), MakeClubId(1, kAmateurClubNumber)) << "the amateur club is never renumbered";
  // Saving did not change the world it saved.
  EXPECT_NE(home.FindClub(MakeClubId(1, 20)), nullptr);
}

TEST_F(WorldDatabaseTest, FolderWithOnlyCountryOneLeavesTheOthersAsCreated) {
  auto world = BuildWorld();
  world->SetFolder(scratch.path());
  RecordingSaveReporter reporter;
  ASSERT_TRUE(world->Save(reporter));
  for (const auto& [name, content] : FolderContents(scratch.path()))
    if (name != "Country1.sav") std::filesystem::remove(std::filesystem::path(scratch.path()) / name);

  auto reloaded = tables.NewWorld();
  EXPECT_FALSE(reloaded->Load(scratch.path()));  // no players-without-club file
  EXPECT_TRUE(reloaded->Country(1)->SameData(*world->Country(1)));
  const CCountry& germany = *reloaded->Country(14);
  EXPECT_EQ(germany.Name(0), "Deutschland");
  EXPECT_EQ(germany.Clubs().size(), 1u);  // the amateur club only
  EXPECT_EQ(germany.LeagueCount(), 0);
  EXPECT_EQ(reloaded->PlayersWithoutClub()->Count(), 0u);
  EXPECT_EQ(reloaded->Rules().friendlySubstitutions, 6);
}

TEST_F(WorldDatabaseTest, UnwritableFolderReportsOnceAndLeavesNoFile) {
  auto world = BuildWorld();
  // A folder below a regular file cannot exist, whoever runs the test (root ignores modes).
  const std::string blocker = scratch.MakeFile("blocker", "x");
  world->SetFolder(blocker + "/Database");
  RecordingSaveReporter reporter;
  EXPECT_FALSE(world->Save(reporter));
  EXPECT_EQ(reporter.messages, std::vector<int>{IDS_SAVE_FAILED});
  EXPECT_EQ(FolderContents(scratch.path()).size(), 1u);

  if (::geteuid() != 0) {
    const std::string locked = scratch.MakeDir("locked");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    world->SetFolder(locked);
    reporter.messages.clear();
    EXPECT_FALSE(world->Save(reporter));
    EXPECT_EQ(reporter.messages.size(), 1u);
    EXPECT_TRUE(FolderContents(locked).empty());
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
  }
}

TEST_F(WorldDatabaseTest, OneUnwritableFileReplacesNothing) {
  auto world = BuildWorld();
  world->SetFolder(scratch.path());
  RecordingSaveReporter reporter;
  ASSERT_TRUE(world->Save(reporter));
  const auto before = FolderContents(scratch.path());

  // A folder where a country file should go: the new files refer to each other under the new
  // numbering, so none of them may replace an old one.
  std::filesystem::remove(scratch.path() + "/Country5.sav");
  scratch.MakeDir("Country5.sav");
  world->Country(14)->Clubs().begin()->second->foundingYear = 1234;
  EXPECT_FALSE(world->Save(reporter));
  EXPECT_EQ(reporter.messages, std::vector<int>{IDS_SAVE_FAILED});
  auto after = FolderContents(scratch.path());
  auto expected = before;
  auto isBlocker = [](const auto& file) { return file.first == "Country5.sav"; };
  std::erase_if(expected, isBlocker);
  std::erase_if(after, isBlocker);
  // Every old file as it was, no temporary left (names only in the message: the files are big).
  std::vector<std::string> changed;
  for (const auto& file : after)
    if (std::find(expected.begin(), expected.end(), file) == expected.end()) changed.push_back(file.first);
  EXPECT_EQ(after.size(), expected.size());
  EXPECT_EQ(changed, std::vector<std::string>{});
}

TEST_F(WorldDatabaseTest, NewClubsAreOfferedWhileTheClubListHasRoom) {
  auto world = tables.NewWorld();
  CCountry& country = *world->Country(1);  // holds its amateur club
  for (uint16_t number = 1; country.Clubs().size() < 510; ++number)
    country.AddClub(std::make_unique<CClub>(), number);
  EXPECT_TRUE(ClubListHasRoom(country));
  country.AddClub(std::make_unique<CClub>(), 600);
  EXPECT_FALSE(ClubListHasRoom(country));
}

TEST_F(WorldDatabaseTest, NewWorldTakesTheCountryIndex) {
  auto world = tables.NewWorld();
  const CCountry& germany = *world->Country(14);
  EXPECT_EQ(germany.Name(0), "Deutschland");
  EXPECT_EQ(germany.Name(1), "Germany");
  EXPECT_EQ(germany.ShortName(0), "GER");
  EXPECT_EQ(world->Country(45)->Name(0), "Spanien");
  EXPECT_NE(germany.languages[0], 0);
  EXPECT_EQ(germany.FallbackLanguage(), germany.languages[0]);
  ASSERT_NE(world->Country(206), nullptr);
  EXPECT_EQ(world->Country(0), nullptr);
  EXPECT_EQ(world->Country(207), nullptr);
  for (int n : {1, 14, 206}) {
    const CCountry& country = *world->Country(n);
    ASSERT_NE(country.FindClub(MakeClubId(static_cast<uint32_t>(n), kAmateurClubNumber)), nullptr);
    EXPECT_EQ(country.FindClub(MakeClubId(static_cast<uint32_t>(n), kAmateurClubNumber))->Name(0), country.Name(0));
    EXPECT_NE(world->Competitions().FindCompetition(MakeCompetitionId(n, CompKind::ROOT, 0)), nullptr);
  }
  EXPECT_NE(world->Competitions().FindCompetition(0xFA000000u), nullptr);  // the international root
  EXPECT_EQ(world->Selection(), (StartingSelection{0, 14, 0}));
  EXPECT_EQ(world->Folder(), "database");
  EXPECT_EQ(world->BadgeFolder(), "database/Badge");

  WorldEnvironment missing = tables.Environment();
  missing.countryIndexPath = scratch.path() + "/none.sav";
  CWorldDatabase bare(missing);
  bare.InitEmptyWorld();
  EXPECT_EQ(bare.Country(14)->Name(0), "");
  EXPECT_EQ(bare.Country(14)->CountryNumber(), 14);
  EXPECT_NE(bare.Country(14)->AmateurClub(), nullptr);
}

TEST(CountryIndexNames, FirstNameFillsTheLanguagesTheOthersReplaceThem) {
  using Names = std::array<std::string, kCountryLanguages>;
  EXPECT_EQ(SplitCountryIndexNames("Malta"), (Names{"Malta", "Malta", "Malta", "Malta", "Malta"}));
  EXPECT_EQ(SplitCountryIndexNames("Erst,,Zweit"), (Names{"Erst", "Zweit", "Erst", "Erst", "Erst"}));
  EXPECT_EQ(SplitCountryIndexNames("a,b,c,d,e,f,g,h,i"), (Names{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(SplitCountryIndexNames(""), Names{});
}

TEST(WorldFolder, NameIsTheLastPartOfTheNormalisedFolder) {
  CWorldDatabase world;
  world.SetFolder("C:\\Spiele\\Database\\Meine Liga");
  EXPECT_EQ(world.Folder(), "c:/spiele/database/meine liga");
  EXPECT_EQ(world.Name(), "meine liga");
  EXPECT_EQ(world.BadgeFolder(), "c:/spiele/database/meine liga/Badge");
  world.SetFolder("Liga");
  EXPECT_EQ(world.Name(), "liga");
}

TEST(SaveErrorReporting, WindowlessRunsWriteTheMessageAsUtf8) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  StreamSaveErrorReporter reporter(stream);
  reporter.ReportSaveError(IDS_SAVE_FAILED);
  std::rewind(stream);
  char text[256] = {};
  ASSERT_NE(std::fgets(text, sizeof text, stream), nullptr);
  std::fclose(stream);
  EXPECT_STREQ(text,
               "Es trat mindestens ein Fehler beim Schreiben der Dateien auf. Stellen Sie sicher, dass Sie "
               "Schreibrechte auf das Verzeichnis haben.\n");
}

}  // namespace
}  // namespace torvale
