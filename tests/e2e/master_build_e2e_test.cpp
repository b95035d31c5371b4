// Master mode as scripts run it: the editor builds the master file of a database folder that
// the core's own writers made, and the inspector accepts the result.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "competition/cup_allocation.h"
#include "storage/save_error_reporter.h"
#include "storage/world_database.h"
#include "support/child_process.h"
#include "support/scratch_dir.h"
#include "world/country_test_world.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

using testing::ClubBuilder;

// The game's installation (with its data archive) and, elsewhere, the folder the "path"
// token names: "database" with the country files, "script" with the cup allocations.
struct MasterModeFixture : ::testing::Test {
  test::ScratchDir root;
  std::string install;
  std::string game;
  test::EnvChanges env;

  MasterModeFixture() {
    install = root.MakeDir("install");
    root.MakeFile("install/data/zdata_06.big", "BIGF");
    game = root.MakeDir("game");
    root.MakeFile("game/script/CupAlloc.txt", testing::CupAllocationText());
    std::string index;
    for (int n = 1; n <= 206; ++n) {
      const std::string name = n == 14 ? "Deutschland,Germany,Allemagne,Alemania" : "Land" + std::to_string(n);
      index += name + "\r\nL" + std::to_string(n % 100) + "\r\n0\r\n" + std::to_string(n % 50 + 1) + "\r\n0\r\n0\r\n";
    }
    root.MakeFile("game/database/countries.sav", index);
    std::string runtime = root.MakeDir("runtime");
    ::chmod(runtime.c_str(), 0700);
    env = {{"XDG_RUNTIME_DIR", runtime},
           {"XDG_CONFIG_DIRS", root.path() + "/xdg"},
           {"HOME", root.MakeDir("home")},
           {"XDG_CONFIG_HOME", std::nullopt},
           {"QT_QPA_PLATFORM", "offscreen"}};
    root.MakeFile("xdg/Halvex/TORVALE.conf", "[General]\nINSTALL DIR=" + install + "\n");
  }

  // Saves a world whose country 14 is playable (and, with `more`, country 45 as well).
  void WriteDatabase(bool more) {
    CupAllocationTable allocations;
    allocations.LoadCupAllocations(game + "/script");
    WorldEnvironment environment;
    environment.countryIndexPath = game + "/database/countries.sav";
    environment.cupAllocations = &allocations;
    CWorldDatabase world(environment);
    world.InitEmptyWorld();
    world.SetFolder(game + "/database");
    MakePlayable(world, 14);
    if (more) MakePlayable(world, 45);
    StreamSaveErrorReporter reporter;
    ASSERT_TRUE(world.Save(reporter));
  }

  static void MakePlayable(CWorldDatabase& world, int id) {
    CCountry& country = *world.Country(id);
    for (int n = 1; n <= 20; ++n) {
      CClub* club = country.AddClub(
          std::make_unique<CClub>(ClubBuilder(static_cast<uint8_t>(id), static_cast<uint16_t>(n)).Get()),
          static_cast<uint16_t>(n));
      club->SetName(0, "Verein " + std::to_string(n));
      for (int p = 0; p < 3; ++p) {
        CPlayer* person = world.Persons().CreatePlayer(0, true);
        SetFixedText(person->firstName, "Spieler");
        SetFixedText(person->surname, "Nr" + std::to_string(n * 10 + p));
        person->role = static_cast<int8_t>(p == 2 ? kRoleCoach : kRolePlayer);
        club->AddPlayer(person->id);
      }
    }
    SetLeagueSystem(country, LevelCounts{1, 1, 0, 0, 0}, LevelRules{6, 0, 0, 0, 0});
    for (int index = 0; index < 2; ++index) {
      auto* league = world.Competitions().Find<CDBLeague>(LeagueId(id, index));
      league->SetName(index == 0 ? "Erste Liga" : "Zweite Liga");
      league->SetNumberOfTeams(10);
      FillFromTemplate(league->Fixtures(), 10, league->Rounds());
      for (int t = 1; t <= 10; ++t)
        league->AddTeam(MakeClubId(static_cast<uint32_t>(id), static_cast<uint32_t>(index * 10 + t)));
      testing::PlaceMatchdays(*league, 10, 7);
    }
    country.SetNationalCupMode(1);
    country.SetSuperCupMode(16);
    world.Competitions().ForEach([&](CDBCompetition& node) {
      if (node.Country() == id && node.Kind() != CompKind::LEAGUE) testing::PlaceMatchdays(node, 12, 9);
    });
    ASSERT_TRUE(country.IsPlayable());
  }

  test::ProcessResult Editor(const std::vector<std::string>& args) {
    return test::RunProcess(TORVALE_EDITOR_EXE, args, env, root.path(), std::chrono::seconds(60));
  }
  test::ProcessResult Inspect(const std::string& file) { return test::RunProcess(TORVALE_MASTERINFO_EXE, {file}); }
};

TEST_F(MasterModeFixture, BuildsTheMasterFileOfTheDatabaseFolderTheInspectorAccepts) {
  WriteDatabase(true);
  test::ProcessResult r = Editor({"-master", "eng", "path" + game, "OutputKits"});
  EXPECT_EQ(r.out, "Build Master.dat : Language 1\nPath is " + game + "\nReady\n") << r.err;
  EXPECT_EQ(r.exit_status, 0) << r.err;
  const std::string file = game + "/database/Master.dat";
  ASSERT_TRUE(std::filesystem::exists(file));

  test::ProcessResult info = Inspect(file);
  EXPECT_EQ(info.exit_status, 0) << info.err;
  EXPECT_NE(info.out.find("PC layout"), std::string::npos);
  EXPECT_NE(info.out.find("countries offered: 2"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("   14  leagues  2  Deutschland | Germany | Allemagne | Alemania"), std::string::npos)
      << info.out;
  EXPECT_NE(info.out.find("clubs   20  persons     60"), std::string::npos) << info.out;
  EXPECT_TRUE(std::filesystem::exists(game + "/kits.txt")) << "logs go to the working folder";
  EXPECT_FALSE(std::filesystem::exists(game + "/badges.txt"));

  // The console build writes one file per language, which the inspector reads as such.
  r = Editor({"-master", "spa", "ps2", "path" + game});
  EXPECT_EQ(r.exit_status, 0) << r.err;
  info = Inspect(game + "/database/Master3.dat");
  EXPECT_EQ(info.exit_status, 0) << info.err;
  EXPECT_NE(info.out.find("console (PS2) layout"), std::string::npos);
  EXPECT_NE(info.out.find("countries offered: 2"), std::string::npos) << "14 and 45 are on the console list";
}

TEST_F(MasterModeFixture, NoCompleteCountryEndsWithAFailureStatusAndNoFile) {
  WriteDatabase(false);
  std::filesystem::remove(game + "/database/Country14.sav");
  test::ProcessResult r = Editor({"-master", "path" + game});
  EXPECT_EQ(r.out, "Build Master.dat : Language 0\nPath is " + game + "\nNo completed countries\nReady\n");
  EXPECT_NE(r.exit_status, 0);
  EXPECT_FALSE(std::filesystem::exists(game + "/database/Master.dat"));
}

TEST_F(MasterModeFixture, AFileThatCannotBeWrittenFails) {
  WriteDatabase(false);
  // A folder in the file's place: the finished file cannot be put there.
  root.MakeFile("game/database/Master.dat/keep", "x");
  test::ProcessResult r = Editor({"-master", "path" + game});
  EXPECT_NE(r.exit_status, 0);
  EXPECT_NE(r.err.find("could not be written"), std::string::npos) << r.err;
  EXPECT_TRUE(std::filesystem::is_directory(game + "/database/Master.dat"));
}

TEST_F(MasterModeFixture, TheInspectorRejectsADamagedFile) {
  WriteDatabase(false);
  ASSERT_EQ(Editor({"-master", "path" + game}).exit_status, 0);
  const std::string file = game + "/database/Master.dat";
  std::string bytes;
  {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    bytes = text.str();
  }
  bytes.pop_back();
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  test::ProcessResult info = Inspect(file);
  EXPECT_EQ(info.exit_status, 1);
  EXPECT_NE(info.err.find("not a consistent master file"), std::string::npos) << info.err;
}

}  // namespace
}  // namespace torvale
