// Master mode as scripts run it: the editor builds the master file of a database folder that
// the core's own writers made, and the inspector accepts the result.

#include <gtest/gtest.h>


#include <filesystem>
#include <fstream>
#include <sstream>

#include "database/world_database.h"
#include "support/child_process.h"
#include "support/editor_environment.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"

namespace torvale {
namespace {

// The game's installation (with its data archive) and, elsewhere, the folder the "path"
// token names: a copy of the sample installation's tables with a "database" folder that the
// world's own writers filled.
struct MasterModeFixture : ::testing::Test {
  test::ScratchDir root;
  std::string install;
  std::string game;
  test::EnvChanges env;

  MasterModeFixture() {
    install = root.MakeDir("install");
    root.MakeFile("install/data/zdata_06.big", "BIGF");
    game = root.path() + "/game";
    std::filesystem::copy(std::string(TORVALE_SOURCE_DIR) + "/data/install", game,
                          std::filesystem::copy_options::recursive);
    env = test::IsolatedEditorEnvironment(root);
    test::RecordInstallFolder(root, install);
  }

  // Saves a world whose country 14 is playable (and, with `more`, country 45 as well).
  void WriteDatabase(bool more) {
    testing::TestDatabaseEnvironment environment;
    std::unique_ptr<CWorldDatabase> world = environment.NewWorld();
    world->SetFolder(game + "/database");
    testing::BuildPlayableCountry(*world, 14, 1);
    if (more) testing::BuildPlayableCountry(*world, 45, 2);
    testing::RecordingSaveReporter reporter;
    ASSERT_TRUE(world->Save(reporter));
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
  EXPECT_NE(info.out.find("   14  leagues  2  Deutschland | "), std::string::npos) << info.out;
  // 20 clubs of three persons, the amateur club's one, two additional managers; and the
  // country's referees, staff and youth pool.
  EXPECT_NE(info.out.find("clubs   20  persons     63  competitions   6  referees   3  staff   3  pool    4  managers   2"),
            std::string::npos)
      << info.out;
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
