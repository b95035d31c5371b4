// The generated sample installation read the way the editor reads a game installation: its
// database, structure files, sibling-game lists and badges.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "assets/badge_lookup.h"
#include "assets/big_archive.h"
#include "competition/competition_records.h"
#include "competition/competition_registry.h"
#include "competition/cup_allocation.h"
#include "competition/international_competitions.h"
#include "exchange/name_generator.h"
#include "exchange/sample_installation.h"
#include "platform/path.h"
#include "storage/record_stream.h"
#include "database/save_error_reporter.h"
#include "database/world_database.h"
#include "support/sample_world.h"
#include "support/scratch_dir.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

namespace fs = std::filesystem;

// One installation for the whole suite: generating it is the expensive part.
class SampleInstallTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    scratch_ = new test::ScratchDir();
    SampleInstallOptions options;
    options.sourceFolder = std::string(TORVALE_SOURCE_DIR) + "/data/install";
    options.outFolder = scratch_->path() + "/install";
    options.settingsFolder = scratch_->path() + "/xdg";
    result_ = new SampleInstallResult(MakeSampleInstallation(options));
  }
  static void TearDownTestSuite() {
    delete result_;
    delete scratch_;
  }

  static std::string Install() { return scratch_->path() + "/install"; }
  static std::string Database() { return Install() + "/database"; }

  // A world of the installation, as the editor makes one: countries from the index, the
  // international competitions from the script folder.
  struct LoadedWorld {
    CupAllocationTable allocations;
    std::unique_ptr<CWorldDatabase> world;
  };
  static std::unique_ptr<LoadedWorld> EmptyWorld() {
    auto loaded = std::make_unique<LoadedWorld>();
    loaded->allocations.LoadCupAllocations(Install() + "/script");
    loaded->world = testing::EmptyInstallWorld(Install(), loaded->allocations);
    return loaded;
  }
  static std::unique_ptr<LoadedWorld> Load(const std::string& folder) {
    auto loaded = EmptyWorld();
    EXPECT_TRUE(loaded->world->Load(folder));
    return loaded;
  }

  static std::vector<std::string> Lines(const std::string& path) {
    std::string text;
    EXPECT_TRUE(ReadWholeFile(path, text)) << path;
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }

  static inline test::ScratchDir* scratch_ = nullptr;
  static inline SampleInstallResult* result_ = nullptr;
};

TEST_F(SampleInstallTest, InstallationHasEveryFileTheEditorNeeds) {
  ASSERT_TRUE(result_->ok) << result_->error;
  for (const char* file : {"data/zdata_06.big", "badges.big", "database/countries.sav", "database/Rules.sav",
                           "database/Without.sav", "database/Country1.sav", "database/Country206.sav",
                           "database/ger/StadiumList.txt", "database/MaleNames.txt", "database/VELA_ClubIDs.txt",
                           "script/CupAlloc.txt", "script/WC.txt"})
    EXPECT_TRUE(FileExists(Install() + "/" + file)) << file;
  // The game's data archive is a real archive, not just a file of that name.
  CQZBig data;
  data.SetQuiet(true);
  ASSERT_TRUE(data.Open(Install() + "/data/zdata_06.big", true));
  EXPECT_GT(data.GetEntryCount(), 0);

  std::string settings;
  ASSERT_TRUE(ReadWholeFile(scratch_->path() + "/xdg/Halvex/TORVALE.conf", settings));
  EXPECT_EQ(settings, InstallSettingsText(fs::path(Install()).lexically_normal().string()));
}

TEST_F(SampleInstallTest, SettingsFileQuotesFoldersQtWouldQuote) {
  EXPECT_EQ(InstallSettingsText("/opt/game"), "[General]\nINSTALL%20DIR=/opt/game\n");
  EXPECT_EQ(InstallSettingsText("/opt/a,b"), "[General]\nINSTALL%20DIR=\"/opt/a,b\"\n");
  EXPECT_EQ(InstallSettingsText("C:\\Spiele"), "[General]\nINSTALL%20DIR=\"C:\\\\Spiele\"\n");
}

TEST_F(SampleInstallTest, WhitelistedCountriesArePlayableAndNoOthers) {
  ASSERT_TRUE(result_->ok) << result_->error;
  auto loaded = Load(Database());
  const std::set<int> whitelist(std::begin(kSamplePlayableCountries), std::end(kSamplePlayableCountries));
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry& country = *loaded->world->Country(n);
    EXPECT_EQ(country.IsPlayable(), whitelist.contains(n)) << n << " " << country.Name(0);
    EXPECT_NE(country.FindClub(MakeClubId(static_cast<uint32_t>(n), kAmateurClubNumber)), nullptr);
    EXPECT_GE(country.RegularClubCount(), 1) << n;
  }
  EXPECT_EQ(loaded->world->Country(14)->Name(0), "Deutschland");
  EXPECT_EQ(loaded->world->Country(45)->Name(0), "Spanien");

  // Squads of 22-35 persons with officials of several roles, and strengths that differ.
  const CCountry& germany = *loaded->world->Country(14);
  std::set<int> roles;
  float weakest = 100, strongest = 0;
  for (const auto& [id, club] : germany.Clubs()) {
    if (club->Number() == kAmateurClubNumber) continue;
    EXPECT_GE(club->playerCount, 22);
    EXPECT_LE(club->playerCount, 35);
    EXPECT_EQ(club->Check(), 0u) << club->Name(0);
    EXPECT_NE(club->homeStadium, 0);
    for (uint32_t person : club->PlayerIds()) {
      const CPlayer* p = loaded->world->Persons().FindPlayer(person);
      ASSERT_NE(p, nullptr);
      roles.insert(p->role);
      if (p->role != kRolePlayer) continue;
      weakest = std::min(weakest, p->Strength());
      strongest = std::max(strongest, p->Strength());
    }
  }
  EXPECT_GE(roles.size(), 5u);
  EXPECT_GT(strongest, weakest + 3);
  EXPECT_FALSE(germany.Referees().empty());
  EXPECT_FALSE(germany.Sponsors().empty());
  EXPECT_FALSE(germany.Staff().empty());
  EXPECT_FALSE(germany.AdditionalManagers().empty());
  EXPECT_TRUE(germany.PlayerPool().front().InUse());
  EXPECT_GT(loaded->world->PlayersWithoutClub()->Count(), 0u);
}

TEST_F(SampleInstallTest, EveryRelegationRuleAndCupModeOccurs) {
  ASSERT_TRUE(result_->ok) << result_->error;
  auto loaded = Load(Database());
  std::set<int> rules, nationalCups, leagueCups, superCups, kinds;
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry& country = *loaded->world->Country(n);
    if (!country.IsPlayable()) continue;
    for (int level = 0; level < kCountryLevels; ++level)
      if (country.EndLeague(level) > country.FirstLeague(level)) rules.insert(country.LevelRelegationRule(level));
    nationalCups.insert(country.nationalCupMode);
    leagueCups.insert(country.leagueCupMode);
    superCups.insert(country.superCupMode);
  }
  loaded->world->Competitions().ForEach([&](CDBCompetition& node) { kinds.insert(node.Kind()); });
  EXPECT_EQ(rules, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(nationalCups, (std::set<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(leagueCups, (std::set<int>{0, 6, 7, 8, 7 | static_cast<int>(kLeagueCupAllLeagues)}));
  EXPECT_EQ(superCups, (std::set<int>{0, 15, 16}));
  for (int kind : {CompKind::REL1, CompKind::REL2, CompKind::REL3, CompKind::SCOTT1, CompKind::SWITZERLAND,
                   CompKind::FA_CUP, CompKind::LE_CUP, CompKind::SUPERCUP})
    EXPECT_TRUE(kinds.contains(kind)) << kind;
}

TEST_F(SampleInstallTest, SiblingGameListsHitMissAndDouble) {
  ASSERT_TRUE(result_->ok) << result_->error;
  auto loaded = Load(Database());
  std::multiset<std::string> clubNames, playerNames;
  for (int n = kFirstCountry; n <= kLastCountry; ++n)
    for (const auto& [id, club] : loaded->world->Country(n)->Clubs()) {
      clubNames.insert(std::string(club->Name(0)));
      for (uint32_t person : club->PlayerIds())
        if (const CPlayer* p = loaded->world->Persons().FindPlayer(person))
          playerNames.insert(std::string(FixedText(p->firstName)) + " " + std::string(FixedText(p->surname)));
    }

  int clubHits = 0, clubMisses = 0, clubDoubles = 0;
  for (const std::string& line : Lines(Database() + "/VELA_ClubIDs.txt")) {
    std::string name = line.substr(line.rfind('\t') + 1);
    if (name.ends_with(" S.A.D.")) name.resize(name.size() - 7);
    const size_t count = clubNames.count(name);
    clubHits += count > 0;
    clubMisses += count == 0;
    clubDoubles += count > 1;
  }
  EXPECT_GT(clubHits, 50);
  EXPECT_GT(clubMisses, 0);
  EXPECT_GT(clubDoubles, 0);

  // Player records of four lines: name, id, nickname, the same id.
  const auto players = Lines(Database() + "/VELA_PlayerIDs.txt");
  ASSERT_EQ(players.size() % 4, 0u);
  std::multiset<std::string> listed;
  int playerHits = 0, playerMisses = 0;
  for (size_t i = 0; i + 3 < players.size(); i += 4) {
    EXPECT_EQ(players[i + 1], players[i + 3]);
    EXPECT_GE(std::stoi(players[i + 1]), 1);
    listed.insert(players[i]);
    (playerNames.contains(players[i]) ? playerHits : playerMisses)++;
  }
  EXPECT_GT(playerHits, 30);
  EXPECT_GT(playerMisses, 0);
  EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [&](const std::string& n) { return listed.count(n) > 1; }));
  // Squad players the list does not know.
  EXPECT_GT(playerNames.size(), listed.size());

  int headHits = 0, headMisses = 0;
  for (const std::string& line : Lines(Database() + "/VELA2003_StarHeads.txt")) {
    std::string name = line.substr(0, line.find('\t'));
    for (const char* suffix : {" (GK)", " [gk]"})
      if (name.ends_with(suffix)) name.resize(name.size() - 5);
    (playerNames.contains(name) ? headHits : headMisses)++;
  }
  EXPECT_GT(headHits, 10);
  EXPECT_GT(headMisses, 0);
}

TEST_F(SampleInstallTest, EveryClubBadgeIsCompleteExceptTheOneLeftIncomplete) {
  ASSERT_TRUE(result_->ok) << result_->error;
  CQZBig archive;
  archive.SetQuiet(true);
  ASSERT_TRUE(archive.Open(Install() + "/badges.big", true));
  const BadgeRoots roots{Install() + "/badges", &archive};
  const BadgeRoots archiveOnly{scratch_->path() + "/no-folder", &archive};
  int incomplete = 0, fromFolderOnly = 0;
  for (const SampleBadge& badge : result_->summary.badges) {
    if (!IsBadgeComplete(roots, badge.path)) ++incomplete;
    if (FileExists(Install() + "/badges/" + std::string(badge.path))) {
      EXPECT_FALSE(LoadBadgeImage(roots, badge.path).empty()) << badge.path;
    }
    if (!IsBadgeComplete(archiveOnly, badge.path) && IsBadgeComplete(roots, badge.path)) ++fromFolderOnly;
  }
  EXPECT_EQ(incomplete, 1);
  EXPECT_EQ(fromFolderOnly, 0);  // the folder copies are copies: the archive has them all
  EXPECT_GE(archive.GetEntryCount(), static_cast<int>(result_->summary.badges.size()) * 4 - 1);
  EXPECT_TRUE(fs::is_directory(Install() + "/badges"));
}

TEST_F(SampleInstallTest, SavingTheLoadedDatabaseAndLoadingItAgainGivesTheSameWorld) {
  ASSERT_TRUE(result_->ok) << result_->error;
  auto first = Load(Database());
  const std::string copy = scratch_->MakeDir("copy");
  first->world->SetFolder(copy);
  StreamSaveErrorReporter reporter;
  ASSERT_TRUE(first->world->Save(reporter));
  auto second = Load(copy);
  EXPECT_TRUE(first->world->SameData(*second->world));
  // The files written again are the files the generator wrote.
  for (const char* file : {"/Country14.sav", "/Country42.sav", "/Rules.sav", "/Without.sav"}) {
    std::string a, b;
    ASSERT_TRUE(ReadWholeFile(Database() + file, a));
    ASSERT_TRUE(ReadWholeFile(copy + file, b));
    EXPECT_EQ(a, b) << file;
  }
  // A changed person is noticed.
  CPlayer* someone = second->world->Persons().FindPlayer(second->world->Country(14)->Clubs().begin()->second->players[0]);
  ASSERT_NE(someone, nullptr);
  someone->abilities[kPassing] = someone->abilities[kPassing] == 10 ? 9 : 10;
  EXPECT_FALSE(first->world->SameData(*second->world));
}

TEST_F(SampleInstallTest, SameSeedSameWorldOtherSeedOtherWorld) {
  ASSERT_TRUE(result_->ok) << result_->error;
  auto generate = [](uint32_t seed) {
    auto loaded = EmptyWorld();
    CNameGenerator names;
    names.Load(Install());
    SampleWorldOptions options;
    options.seed = seed;
    GenerateSampleWorld(*loaded->world, names, options);
    CKLFile file;
    file.OpenWriteToMemory();
    loaded->world->Country(14)->WriteCountry(file);
    return file.TakeWritten();
  };
  std::string stored;
  ASSERT_TRUE(ReadWholeFile(Database() + "/Country14.sav", stored));
  EXPECT_EQ(generate(1), stored);
  EXPECT_NE(generate(2), stored);
}

}  // namespace
}  // namespace torvale
