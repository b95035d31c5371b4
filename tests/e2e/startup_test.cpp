// The editor program as scripts and users start it: the single-instance rule, the
// environment checks and master mode's output, each in a scratch installation of its own.

#include <gtest/gtest.h>

#include <dirent.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/child_process.h"
#include "support/editor_environment.h"
#include "support/scratch_dir.h"

namespace torvale {

namespace {

constexpr int kExitBuildFailed = 1;
constexpr int kExitAnotherCopyRunning = 2;
constexpr int kExitEnvironmentRefused = 3;
const char* const kMessage896 =
    "Der Editor benötigt die Vollinstallation des Spiels und kann deswegen nicht gestartet werden.";

// A game installation, its machine-wide install record, a home and a runtime folder.
struct EditorFixture : testing::Test {
  test::ScratchDir root;
  std::string install;
  test::EnvChanges env;

  EditorFixture() {
    install = root.MakeDir("Spiele/Torvale");
    root.MakeFile("Spiele/Torvale/data/zdata_06.big", "BIGF");
    root.MakeDir("Spiele/Torvale/database");
    env = test::IsolatedEditorEnvironment(root);
    RecordInstallFolder(install);
  }
  void RecordInstallFolder(const std::string& folder) { test::RecordInstallFolder(root, folder); }
  test::ProcessResult Editor(const std::vector<std::string>& args) {
    return test::RunProcess(TORVALE_EDITOR_EXE, args, env, root.path());
  }
};

// True once process `pid` holds a file lock (the single-instance lock is its only one).
bool HoldsAFileLock(int pid) {
  std::string folder = "/proc/" + std::to_string(pid) + "/fdinfo";
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return false;
  bool found = false;
  while (dirent* entry = ::readdir(dir)) {
    std::ifstream info(folder + "/" + entry->d_name);
    std::stringstream text;
    text << info.rdbuf();
    if (text.str().find("FLOCK") != std::string::npos) found = true;
  }
  ::closedir(dir);
  return found;
}

}  // namespace

TEST_F(EditorFixture, MasterModePrintsLanguageAndPathThenBuildsTheDatabaseBelowIt) {
  // The override names the folder that holds "database"; here that has no countries.
  test::ProcessResult r = Editor({"-master", "eng", "ps2", "pathdatabase"});
  EXPECT_EQ(r.out, "Build Master.dat : Language 1\nPath is database\nNo completed countries\nReady\n");
  EXPECT_EQ(r.exit_status, kExitBuildFailed);

  r = Editor({"-master"});
  EXPECT_EQ(r.out, "Build Master.dat : Language 0\nPath is \nNo completed countries\nReady\n");
}

TEST_F(EditorFixture, MasterModeRefusesADatabasePathItCannotUse) {
  test::ProcessResult r = Editor({"-master", "pathnowhere"});
  EXPECT_EQ(r.out, "Build Master.dat : Language 0\nPath is nowhere\n");
  EXPECT_EQ(r.err, "setdirectory - FAILED ON 'nowhere'\n");
  EXPECT_EQ(r.exit_status, kExitEnvironmentRefused);

  r = Editor({"-master", "path" + std::string(260, 'd')});
  EXPECT_NE(r.err.find("longer than 259 characters"), std::string::npos) << r.err;
  EXPECT_EQ(r.exit_status, kExitEnvironmentRefused);
}

TEST_F(EditorFixture, WithoutTheGamesDataArchiveNothingIsBuilt) {
  std::filesystem::remove(install + "/data/zdata_06.big");
  test::ProcessResult r = Editor({"-master", "ger"});
  EXPECT_EQ(r.out, "");  // refused before the command line is acted on
  EXPECT_EQ(r.err, std::string(kMessage896) + "\n");
  EXPECT_EQ(r.exit_status, kExitEnvironmentRefused);
}

TEST_F(EditorFixture, AnInstallFolderOutsideTheWindowsCodePageIsRefused) {
  std::string odd = root.MakeDir("Игры");
  root.MakeFile("Игры/data/zdata_06.big");
  RecordInstallFolder(odd);
  test::ProcessResult r = Editor({"-master"});
  EXPECT_NE(r.err.find("enthält Unicodezeichen"), std::string::npos) << r.err;
  EXPECT_EQ(r.exit_status, kExitEnvironmentRefused);
}

TEST_F(EditorFixture, WithoutAnInstallRecordTheEditorWorksInTheFolderItWasStartedIn) {
  std::filesystem::remove(root.path() + "/xdg/Halvex/TORVALE.conf");
  test::ProcessResult r = test::RunProcess(TORVALE_EDITOR_EXE, {"-master"}, env, install);
  EXPECT_EQ(r.out, "Build Master.dat : Language 0\nPath is \nNo completed countries\nReady\n");
  EXPECT_EQ(r.exit_status, kExitBuildFailed);
  r = Editor({"-master"});  // started elsewhere, the game is not found
  EXPECT_EQ(r.err, std::string(kMessage896) + "\n");
}

TEST_F(EditorFixture, ASecondCopyEndsSilentlyWhileTheFirstRuns) {
  test::BackgroundProcess first(TORVALE_EDITOR_EXE, {}, env, root.path());
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!HoldsAFileLock(first.pid()) && first.IsRunning() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_TRUE(HoldsAFileLock(first.pid())) << "the first copy did not take the lock";

  for (auto args : {std::vector<std::string>{}, std::vector<std::string>{"-master", "eng"}}) {
    test::ProcessResult second = Editor(args);
    EXPECT_EQ(second.exit_status, kExitAnotherCopyRunning);
    EXPECT_EQ(second.out, "");
    EXPECT_EQ(second.err, "");
  }
  EXPECT_TRUE(first.IsRunning());
}

}  // namespace torvale
