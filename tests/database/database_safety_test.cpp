// What a database folder goes through on a user's machine: files that cannot be read, files
// cut off, saves killed half-way or stopped by a full disk, leftovers of earlier kills,
// protected files, and folders whose names differ only in letter case.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "database/database_commit.h"
#include "database/world_database.h"
#include "platform/atomic_file.h"
#include "platform/path.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"

namespace torvale {
namespace {

namespace fs = std::filesystem;
using testing::BuildPlayableCountry;
using testing::FolderContents;
using testing::RecordingSaveReporter;
using testing::TestDatabaseEnvironment;

std::string ReadFile(const std::string& path) {
  std::string text;
  EXPECT_TRUE(ReadWholeFile(path, text)) << path;
  return text;
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

unsigned Mode(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

// Names of the files that differ between two listings, or are in only one.
std::vector<std::string> ChangedFiles(const std::vector<std::pair<std::string, std::string>>& a,
                                      const std::vector<std::pair<std::string, std::string>>& b) {
  std::vector<std::string> changed;
  for (const auto& file : a)
    if (std::find(b.begin(), b.end(), file) == b.end()) changed.push_back(file.first);
  for (const auto& file : b)
    if (std::find_if(a.begin(), a.end(), [&](const auto& f) { return f.first == file.first; }) == a.end())
      changed.push_back(file.first);
  return changed;
}

class DatabaseSafetyTest : public ::testing::Test {
 protected:
  // Two playable countries; the rules name clubs of both, so that a renumbering shows.
  std::unique_ptr<CWorldDatabase> BuildWorld(int flavour = 1) {
    auto world = tables.NewWorld();
    BuildPlayableCountry(*world, 1, flavour);
    BuildPlayableCountry(*world, 14, flavour + 1);
    world->Rules().titleHolders = {MakeClubId(14, 7), MakeClubId(1, 3), MakeClubId(14, 18)};
    world->Rules().finalVenues = {(14u << 16) | 2u, 0, 0};
    return world;
  }

  std::unique_ptr<CWorldDatabase> LoadWorld(const std::string& folder, LoadReport* report = nullptr) {
    auto world = tables.NewWorld();
    LoadReport scratchReport;
    world->Load(folder, report ? *report : scratchReport);
    return world;
  }

  void SaveInto(const CWorldDatabase& world, const std::string& folder) {
    auto& mutableWorld = const_cast<CWorldDatabase&>(world);
    mutableWorld.SetFolder(folder);
    RecordingSaveReporter reporter;
    ASSERT_TRUE(world.Save(reporter));
  }

  TestDatabaseEnvironment tables;
  test::ScratchDir scratch;
};

TEST_F(DatabaseSafetyTest, UnreadableCountryFileIsReportedAndNeverOverwritten) {
  auto original = BuildWorld();
  const std::string folder = scratch.MakeDir("Liga");
  SaveInto(*original, folder);
  const std::string germany = folder + "/Country14.sav";
  const std::string germanyText = ReadFile(germany);

  // A folder where the file should be cannot be read, even by root.
  fs::remove(germany);
  fs::create_directory(germany);
  LoadReport report;
  auto loaded = tables.NewWorld();
  EXPECT_FALSE(loaded->Load(folder, report));
  EXPECT_TRUE(report.Has("Country14.sav", LoadProblemKind::kUnreadable));
  EXPECT_FALSE(report.Has("Country1.sav", LoadProblemKind::kUnreadable));
  EXPECT_EQ(loaded->UnreadableFiles(), std::set<std::string>{"Country14.sav"});
  EXPECT_EQ(loaded->LastLoadReport().problems, report.problems);

  RecordingSaveReporter reporter;
  EXPECT_TRUE(loaded->Save(reporter));
  EXPECT_TRUE(reporter.messages.empty());
  EXPECT_EQ(reporter.notWritten, std::vector<std::vector<std::string>>{{"Country14.sav"}});
  EXPECT_TRUE(fs::is_directory(germany));

  // With the file back the world is whole again: the rules kept their references into the
  // country that could not be read, under the numbering of its untouched file.
  fs::remove(germany);
  WriteFile(germany, germanyText);
  auto whole = LoadWorld(folder);
  EXPECT_EQ(whole->Rules().titleHolders, original->Rules().titleHolders);
  EXPECT_EQ(whole->Rules().finalVenues, original->Rules().finalVenues);
  EXPECT_TRUE(whole->SameData(*original));

  // Once the user replaced the country as a whole, its file is written again.
  fs::remove(germany);
  fs::create_directory(germany);
  auto again = tables.NewWorld();
  again->Load(folder);
  again->MarkCountryReplaced(14);
  fs::remove(germany);
  reporter = {};
  EXPECT_TRUE(again->Save(reporter));
  EXPECT_TRUE(reporter.notWritten.empty());
  EXPECT_TRUE(fs::is_regular_file(germany));

  if (::geteuid() != 0) {
    // A file without read permission is unreadable too, and keeps its bytes and mode.
    const std::string spain = folder + "/Country45.sav";
    const std::string spainText = ReadFile(spain);
    fs::permissions(spain, fs::perms::none);
    auto partial = tables.NewWorld();
    EXPECT_FALSE(partial->Load(folder));
    reporter = {};
    EXPECT_TRUE(partial->Save(reporter));
    EXPECT_EQ(Mode(spain), 0u);
    fs::permissions(spain, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadFile(spain), spainText);
  }
}

TEST_F(DatabaseSafetyTest, CutOffCountryFileKeepsItsLeaguesThroughSaveAndLoad) {
  auto original = BuildWorld();
  const std::string first = scratch.MakeDir("first");
  SaveInto(*original, first);
  // Cut off the end of the file, where the league count is.
  const std::string path = first + "/Country14.sav";
  const std::string text = ReadFile(path);
  const size_t cut = text.find("%INDEX%COUNTRY_MIST");
  ASSERT_NE(cut, std::string::npos);
  WriteFile(path, text.substr(0, cut));

  LoadReport report;
  auto damaged = LoadWorld(first, &report);
  EXPECT_TRUE(report.Has("Country14.sav", LoadProblemKind::kDamaged));
  EXPECT_TRUE(report.Has("Country14.sav", LoadProblemKind::kRepaired));
  EXPECT_FALSE(report.Has("Country1.sav", LoadProblemKind::kDamaged));
  ASSERT_EQ(damaged->Country(14)->LeagueCount(), original->Country(14)->LeagueCount());
  ASSERT_GT(damaged->Country(14)->LeagueCount(), 0);
  EXPECT_EQ(ReadFile(path), text.substr(0, cut));  // loading does not touch the file

  const std::string second = scratch.MakeDir("second");
  SaveInto(*damaged, second);
  auto reloaded = LoadWorld(second);
  EXPECT_EQ(reloaded->Country(14)->LeagueCount(), original->Country(14)->LeagueCount());
  for (int league = 0; league < original->Country(14)->LeagueCount(); ++league)
    EXPECT_NE(reloaded->Competitions().FindCompetition(MakeCompetitionId(14, CompKind::LEAGUE, league)), nullptr);
  EXPECT_TRUE(reloaded->SameData(*damaged));

  const std::string third = scratch.MakeDir("third");
  SaveInto(*reloaded, third);
  EXPECT_EQ(ChangedFiles(FolderContents(second), FolderContents(third)), std::vector<std::string>{});
}

// The child's step counter and the step it dies at.
int stepsTaken = 0;
int killAtStep = 0;
void CountStep() { ++stepsTaken; }
void DieAtStep() {
  if (++stepsTaken == killAtStep) ::raise(SIGKILL);
}

TEST_F(DatabaseSafetyTest, SaveKilledAtAnyStepReloadsAsTheOldOrTheNewWorld) {
  auto oldWorld = BuildWorld(1);
  auto newWorld = BuildWorld(3);
  // Removing clubs renumbers the country: the rules and the other country's references to it
  // only fit the files of the same save.
  newWorld->Country(14)->RemoveClub(MakeClubId(14, 2));
  newWorld->Country(14)->RemoveClub(MakeClubId(14, 5));
  // Every file changes, so that every file's writing and renaming is a point to die at.
  for (int n = kFirstCountry; n <= kLastCountry; ++n) newWorld->Country(n)->notes = "neu";

  // Reference copies: what a clean save of each world reads back as.
  const std::string oldFolder = scratch.MakeDir("old");
  const std::string newFolder = scratch.MakeDir("new");
  SaveInto(*oldWorld, oldFolder);
  const auto oldFiles = FolderContents(oldFolder);
  // The new world saved over the old one, as below, counting the steps.
  for (const auto& [name, content] : oldFiles) WriteFile(newFolder + "/" + name, content);
  SetFileStepHook(CountStep);
  SaveInto(*newWorld, newFolder);
  SetFileStepHook(nullptr);
  const int steps = stepsTaken;
  ASSERT_GT(steps, 400);
  auto expectedOld = LoadWorld(oldFolder);
  auto expectedNew = LoadWorld(newFolder);
  ASSERT_FALSE(expectedOld->SameData(*expectedNew));

  const std::string target = scratch.MakeDir("target");
  newWorld->SetFolder(target);
  constexpr int kPoints = 60;
  int sawOld = 0;
  int sawNew = 0;
  for (int point = 0; point < kPoints; ++point) {
    // Spread over the whole save, and the last steps (the renames) densely.
    const int step = point < kPoints - 10 ? 1 + point * (steps - 10) / (kPoints - 10) : steps - (kPoints - 1 - point);
    fs::remove_all(target);
    fs::create_directory(target);
    for (const auto& [name, content] : oldFiles) WriteFile(target + "/" + name, content);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      stepsTaken = 0;
      killAtStep = step;
      SetFileStepHook(DieAtStep);
      RecordingSaveReporter reporter;
      newWorld->Save(reporter);
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save ended before step " << step;

    auto reloaded = LoadWorld(target);
    const bool isOld = reloaded->SameData(*expectedOld);
    const bool isNew = reloaded->SameData(*expectedNew);
    EXPECT_TRUE(isOld || isNew) << "a mix after a kill at step " << step << " of " << steps;
    sawOld += isOld;
    sawNew += isNew;
    for (const auto& [name, content] : FolderContents(target))
      EXPECT_TRUE(IsDatabaseFileName(name) && name != kCommitRecordName) << name << " left after step " << step;
  }
  EXPECT_GT(sawOld, 0);
  EXPECT_GT(sawNew, 0);
}

TEST_F(DatabaseSafetyTest, FullDiskLeavesTheOldDatabaseWholeAndNoTemporary) {
  const std::string folder = scratch.MakeDir("full");
  SaveInto(*BuildWorld(1), folder);
  const auto before = FolderContents(folder);
  auto changed = BuildWorld(2);
  changed->SetFolder(folder);

  // The child may write files of a few kilobytes only: the first big country file fails.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 16 * 1024;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    RecordingSaveReporter reporter;
    const bool saved = changed->Save(reporter);
    ::_exit(!saved && reporter.messages == std::vector<int>{IDS_SAVE_FAILED} ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ChangedFiles(before, FolderContents(folder)), std::vector<std::string>{});
}

TEST_F(DatabaseSafetyTest, StaleTemporariesGoAndProtectedFilesStay) {
  const std::string folder = scratch.MakeDir("db");
  auto world = BuildWorld();
  SaveInto(*world, folder);
  for (const char* name : {"Country3.sav.tmpAbC123", "Rules.sav.tmpq1W2e3", "Database.commit.tmp000000"})
    WriteFile(folder + "/" + name, "left by a killed save");
  WriteFile(folder + "/Notizen.txt.tmp123456", "not ours");

  LoadReport report;
  auto loaded = LoadWorld(folder, &report);
  EXPECT_FALSE(fs::exists(folder + "/Country3.sav.tmpAbC123"));
  EXPECT_FALSE(fs::exists(folder + "/Rules.sav.tmpq1W2e3"));
  EXPECT_FALSE(fs::exists(folder + "/Database.commit.tmp000000"));
  EXPECT_TRUE(fs::exists(folder + "/Notizen.txt.tmp123456"));
  EXPECT_TRUE(report.Empty()) << report.Format();

  // A replaced file keeps its mode; a read-only one stops the save and stays as it is.
  fs::permissions(folder + "/Country1.sav", fs::perms(0640));
  fs::permissions(folder + "/Rules.sav", fs::perms(0444));
  const std::string rules = ReadFile(folder + "/Rules.sav");
  const auto before = FolderContents(folder);
  loaded->Rules().friendlySubstitutions = 2;
  RecordingSaveReporter reporter;
  EXPECT_FALSE(loaded->Save(reporter));
  EXPECT_EQ(reporter.messages, std::vector<int>{IDS_SAVE_FAILED});
  EXPECT_EQ(ChangedFiles(before, FolderContents(folder)), std::vector<std::string>{});
  EXPECT_EQ(Mode(folder + "/Rules.sav"), 0444u);

  fs::permissions(folder + "/Rules.sav", fs::perms(0644));
  loaded->Country(1)->notes = "neu";
  auto inode = [&](const char* name) {
    struct stat info {};
    ::stat((folder + "/" + name).c_str(), &info);
    return info.st_ino;
  };
  const auto unchangedInode = inode("Country2.sav");
  const auto changedInode = inode("Country1.sav");
  EXPECT_TRUE(loaded->Save(reporter));
  EXPECT_EQ(Mode(folder + "/Country1.sav"), 0640u);
  // Only what changed is written again.
  EXPECT_NE(inode("Country1.sav"), changedInode);
  EXPECT_EQ(inode("Country2.sav"), unchangedInode);
  EXPECT_NE(ReadFile(folder + "/Rules.sav"), rules);
}

TEST_F(DatabaseSafetyTest, InterruptedCommitIsCompletedOrUndoneOnLoading) {
  const std::string folder = scratch.MakeDir("db");
  SaveInto(*BuildWorld(1), folder);
  const auto before = FolderContents(folder);

  // A torn record (no end line): its temporary goes, the database stays as it was.
  WriteFile(folder + "/Rules.sav.tmpAAAAAA", "new rules");
  WriteFile(folder + "/Database.commit", "TORVALE COMMIT 1\nRules.sav.tmpAAAAAA\tRules.sav\n");
  LoadReport report;
  LoadWorld(folder, &report);
  EXPECT_TRUE(report.Has("Database.commit", LoadProblemKind::kRepaired));
  EXPECT_EQ(ChangedFiles(before, FolderContents(folder)), std::vector<std::string>{});

  // A complete record: the renames are finished. Names outside the database are refused.
  WriteFile(folder + "/Rules.sav.tmpBBBBBB", "new rules");
  WriteFile(folder + "/Database.commit",
            "TORVALE COMMIT 1\nRules.sav.tmpBBBBBB\tRules.sav\nCountry2.sav.tmpCCCCCC\tCountry2.sav\nEND\n");
  EXPECT_EQ(RecoverInterruptedSave(folder), CommitRecovery::kRolledForward);
  EXPECT_EQ(ReadFile(folder + "/Rules.sav"), "new rules");
  EXPECT_FALSE(fs::exists(folder + "/Database.commit"));

  WriteFile(folder + "/Database.commit", "TORVALE COMMIT 1\nRules.sav.tmpBBBBBB\t../Rules.sav\nEND\n");
  EXPECT_EQ(RecoverInterruptedSave(folder), CommitRecovery::kRolledBack);
  EXPECT_FALSE(fs::exists(scratch.path() + "/Rules.sav"));
}

TEST_F(DatabaseSafetyTest, FoldersDifferingInLetterCaseAreTwoDatabases) {
  const std::string upper = scratch.MakeDir("Liga");
  const std::string lower = scratch.MakeDir("liga");
  auto first = BuildWorld(1);
  auto second = BuildWorld(4);
  SaveInto(*first, upper);
  SaveInto(*second, lower);
  EXPECT_EQ(first->Folder(), second->Folder());  // the same for comparison and display
  EXPECT_TRUE(LoadWorld(upper)->SameData(*first));
  EXPECT_TRUE(LoadWorld(lower)->SameData(*second));
}

}  // namespace
}  // namespace torvale
