// The automatic backups: the previous state of a database folder kept before every save,
// packed into archives, pruned, restored as a database of its own; and a backup that fails
// must never cost the save.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "database/background_backup_packer.h"
#include "database/backup_restore.h"
#include "database/database_list.h"
#include "database/database_save_as.h"
#include "database/world_backups.h"
#include "database/world_database.h"
#include "platform/path.h"
#include "storage/byte_order.h"
#include "storage/form_writer.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"

namespace torvale {
namespace {

namespace fs = std::filesystem;
using testing::AddPerson;
using testing::BuildPlayableCountry;
using testing::FolderContents;
using testing::RecordingSaveReporter;
using testing::TestDatabaseEnvironment;
using Contents = std::vector<std::pair<std::string, std::string>>;

// Replaces a file the way a save does (a new file renamed over the old name), which is what
// lets a hard link keep the old contents.
void ReplaceFile(test::ScratchDir& scratch, const std::string& relative, std::string_view content) {
  const std::string fresh = scratch.MakeFile(relative + ".neu", content);
  fs::rename(fresh, scratch.path() + "/" + relative);
}

Contents WithoutDescriptionFile(Contents contents) {
  std::erase_if(contents, [](const auto& file) { return file.first == "Database.txt"; });
  return contents;
}

class WorldBackupsTest : public ::testing::Test {
 protected:
  std::unique_ptr<CWorldDatabase> BuildWorld() {
    auto world = tables.NewWorld();
    BuildPlayableCountry(*world, 14, 1);
    world->SetFolder(databases + "/Liga");
    return world;
  }

  // A change of the kind every edit makes: one more person in a club of Germany.
  void Edit(CWorldDatabase& world, int n) {
    CClub* club = world.Country(14)->Clubs().begin()->second.get();
    AddPerson(world, "Max", "Muster" + std::to_string(n), 0, 14, club);
  }

  // A clock that moves a minute per backup, so that names and order are plain to see.
  std::function<int64_t()> MinuteClock() {
    return [this] { return 1'700'000'000'000 + 60'000 * int64_t(ticks++); };
  }

  TestDatabaseEnvironment tables;
  test::ScratchDir scratch;
  std::string databases = scratch.MakeDir("database");
  int ticks = 0;
};

TEST_F(WorldBackupsTest, EachSaveKeepsThePreviousStateAndRestoresItByteForByte) {
  WorldBackups backups(WorldBackups::FolderBeside(databases));
  backups.SetClock(MinuteClock());
  BackgroundBackupPacker packer(backups);
  auto world = BuildWorld();
  fs::create_directories(databases + "/Liga");
  RecordingSaveReporter reporter;

  // The first save finds nothing on disk: nothing to back up, and no failure either.
  ASSERT_TRUE(SaveWithBackup(*world, reporter, backups, packer));
  packer.Wait();
  EXPECT_TRUE(backups.List().empty());
  EXPECT_FALSE(backups.HasFailed());

  std::vector<Contents> states{FolderContents(databases + "/Liga")};
  for (int n = 1; n <= 3; ++n) {
    Edit(*world, n);
    ASSERT_TRUE(SaveWithBackup(*world, reporter, backups, packer));
    states.push_back(FolderContents(databases + "/Liga"));
  }
  // A save that changes nothing replaces nothing and keeps nothing.
  ASSERT_TRUE(SaveWithBackup(*world, reporter, backups, packer));
  packer.Wait();
  EXPECT_TRUE(reporter.messages.empty());
  EXPECT_EQ(backups.PendingCount(), 0);

  const std::vector<BackupEntry> list = backups.List();
  ASSERT_EQ(list.size(), 3u);
  for (size_t i = 0; i < list.size(); ++i) {
    const BackupEntry& entry = list[i];
    EXPECT_EQ(entry.description.database, "liga");
    EXPECT_EQ(entry.description.folder, world->Folder());
    EXPECT_EQ(entry.description.files, 208);  // 206 countries, the rules, the players without club
    EXPECT_EQ(entry.fileName, "liga_" + BackupTimeStamp(entry.description.timeMs) + ".zdb");
    if (i > 0) {
      EXPECT_LT(entry.description.timeMs, list[i - 1].description.timeMs);
    }

    // Newest first: the newest backup holds the state before the last change.
    const Contents& before = states[2 - i];
    const BackupRestoreResult restored = RestoreBackupAsDatabase(entry, databases);
    ASSERT_TRUE(restored.restored) << entry.fileName;
    EXPECT_TRUE(WithoutDescriptionFile(FolderContents(restored.folder)) == WithoutDescriptionFile(before));

    // The restored database loads into a world that saves exactly those files again.
    if (i != 1) continue;
    auto reloaded = tables.NewWorld();
    ASSERT_TRUE(reloaded->Load(restored.folder));
    const std::string resaved = scratch.MakeDir("resaved" + std::to_string(i));
    reloaded->SetFolder(resaved);
    ASSERT_TRUE(reloaded->Save(reporter));
    EXPECT_TRUE(FolderContents(resaved) == WithoutDescriptionFile(before));
  }
  // A second restore of the same backup does not land in the first one's folder.
  const BackupRestoreResult first = RestoreBackupAsDatabase(list[0], databases);
  EXPECT_TRUE(first.restored);
  EXPECT_EQ(first.name, "liga Sicherung " + BackupTimeStamp(list[0].description.timeMs) + " (2)");

  EXPECT_TRUE(backups.Remove(list[1]));
  EXPECT_EQ(backups.List().size(), 2u);

  // The backup folder sits among the databases but is none, and no database may take its name.
  const std::vector<std::string> names = ListDatabases(databases);
  EXPECT_EQ(std::count(names.begin(), names.end(), "Sicherungen"), 0);
  EXPECT_EQ(std::count(names.begin(), names.end(), "Liga"), 1);
  EXPECT_FALSE(IsValidDatabaseName("sicherungen"));
}

TEST_F(WorldBackupsTest, KeepsTheNewestTenOfEachDatabase) {
  WorldBackups backups(WorldBackups::FolderBeside(databases));
  backups.SetClock(MinuteClock());
  scratch.MakeDir("database/Liga");
  scratch.MakeFile("database/Pokal/Country1.sav", "p");
  backups.KeepPreviousState(databases + "/Pokal", "pokal", "Pokal");
  for (int n = 0; n < 12; ++n) {
    ReplaceFile(scratch, "database/Liga/Country14.sav", "Stand " + std::to_string(n));
    ReplaceFile(scratch, "database/Liga/Rules.sav", "Regeln");
    backups.KeepPreviousState(databases + "/Liga", "liga", "Liga");
    // A packer now and then, as the editor runs it between saves; pruning follows every pack.
    if (n % 5 == 4) backups.PackPending();
  }
  EXPECT_EQ(backups.PackPending(), 2);

  const std::vector<BackupEntry> list = backups.List();
  ASSERT_EQ(list.size(), kBackupsKept + 1);
  int ligaCount = 0;
  for (const BackupEntry& entry : list) {
    if (entry.description.folder != "liga") continue;
    // Tick 0 was Pokal; Liga's twelve took ticks 1..12, of which 1 and 2 are gone.
    EXPECT_GE(entry.description.timeMs, 1'700'000'000'000 + 60'000 * 3);
    ++ligaCount;
  }
  EXPECT_EQ(ligaCount, int(kBackupsKept));
  EXPECT_EQ(list.back().description.database, "Pokal");

  // The newest backup holds the files as they were, though the folder has changed since.
  const BackupRestoreResult restored = RestoreBackupAsDatabase(list.front(), databases);
  ASSERT_TRUE(restored.restored);
  EXPECT_EQ(WithoutDescriptionFile(FolderContents(restored.folder)),
            (Contents{{"Country14.sav", "Stand 11"}, {"Rules.sav", "Regeln"}}));
}

TEST_F(WorldBackupsTest, AnUnwritableBackupFolderIsReportedOnceAndTheSavesGoOn) {
  const std::string folder = WorldBackups::FolderBeside(databases);
  if (::geteuid() != 0) {
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  } else {
    scratch.MakeFile("database/Sicherungen");  // root writes anywhere; a file in the way stops it too
  }
  WorldBackups backups(folder);
  BackgroundBackupPacker packer(backups);
  auto world = BuildWorld();
  fs::create_directories(databases + "/Liga");
  RecordingSaveReporter reporter;
  ASSERT_TRUE(SaveWithBackup(*world, reporter, backups, packer));

  std::vector<std::string> reports;
  for (int n = 1; n <= 3; ++n) {
    Edit(*world, n);
    ASSERT_TRUE(SaveWithBackup(*world, reporter, backups, packer));
    packer.Wait();
    if (std::optional<std::string> text = backups.TakeFailureReport()) reports.push_back(*text);
  }
  EXPECT_TRUE(reporter.messages.empty());
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find(folder), std::string::npos);
  EXPECT_NE(reports[0].find("trotzdem gespeichert"), std::string::npos);
  // The saves themselves went through: the world on disk has every edit.
  auto loaded = tables.NewWorld();
  ASSERT_TRUE(loaded->Load(databases + "/Liga"));
  EXPECT_TRUE(loaded->SameData(*world));
  if (::geteuid() != 0) fs::permissions(folder, fs::perms::owner_all);
}

TEST_F(WorldBackupsTest, WhatACrashLeftStagedIsPackedByTheNextSession) {
  const std::string folder = WorldBackups::FolderBeside(databases);
  scratch.MakeFile("database/Liga/Country14.sav", "alt");
  scratch.MakeFile("database/Liga/Without.sav", "frei");
  {
    WorldBackups session(folder);
    session.KeepPreviousState(databases + "/Liga", "liga", "Liga");
    // The editor died here: staged, never packed; and a staging cut short by another crash.
  }
  ReplaceFile(scratch, "database/Liga/Country14.sav", "neu");
  const std::string cutShort = scratch.MakeDir("database/Sicherungen/Ungepackt/12345.neu");

  WorldBackups next(folder);
  EXPECT_EQ(next.PendingCount(), 1);
  EXPECT_EQ(next.PackPending(), 1);
  EXPECT_EQ(next.PendingCount(), 0);
  const std::vector<BackupEntry> list = next.List();
  ASSERT_EQ(list.size(), 1u);
  const BackupRestoreResult restored = RestoreBackupAsDatabase(list[0], databases);
  ASSERT_TRUE(restored.restored);
  EXPECT_EQ(WithoutDescriptionFile(FolderContents(restored.folder)),
            (Contents{{"Country14.sav", "alt"}, {"Without.sav", "frei"}}));
  // The unfinished one is worthless (its save never replaced anything) and goes with the next backup.
  next.KeepPreviousState(databases + "/Liga", "liga", "Liga");
  EXPECT_FALSE(fs::exists(cutShort));
  EXPECT_FALSE(next.HasFailed());
}

TEST_F(WorldBackupsTest, SavingAsOverAnotherDatabaseKeepsTheReplacedOne) {
  WorldBackups backups(WorldBackups::FolderBeside(databases));
  scratch.MakeFile("database/Pokal/Country14.sav", "alter Pokal");
  scratch.MakeFile("database/Pokal/Rules.sav", "alte Regeln");
  auto world = BuildWorld();
  const std::string documents = scratch.path();
  auto save = [](CWorldDatabase& w) {
    RecordingSaveReporter reporter;
    return w.Save(reporter);
  };
  ASSERT_EQ(SaveWorldAs(*world, documents, "Pokal", "neu", [](std::string_view) { return true; }, save, &backups),
            SaveAsOutcome::kSaved);
  EXPECT_EQ(backups.PackPending(), 1);
  const std::vector<BackupEntry> list = backups.List();
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].description.folder, world->Folder());
  const BackupRestoreResult restored = RestoreBackupAsDatabase(list[0], databases);
  ASSERT_TRUE(restored.restored);
  EXPECT_EQ(WithoutDescriptionFile(FolderContents(restored.folder)),
            (Contents{{"Country14.sav", "alter Pokal"}, {"Rules.sav", "alte Regeln"}}));
}

TEST_F(WorldBackupsTest, AnArchiveFromElsewhereWritesOnlyDatabaseFilesIntoTheFolder) {
  const std::string archive = scratch.path() + "/fremd.zdb";
  {
    CFormWriter writer;
    ASSERT_TRUE(writer.Open(archive));
    auto named = [&](std::string_view name, std::string_view content) {
      std::string data(name);
      data += '\0';
      data += content;
      ASSERT_TRUE(writer.WriteChunk(kFormTagFile, reinterpret_cast<const uint8_t*>(data.data()), data.size()));
    };
    named("../Rules.sav", "hinaus");
    named("Database.commit", "TORVALE COMMIT 1\n");
    named("Country3.sav", "kein Land im FILE-Teil");
    named("Rules.sav", "Regeln");
    uint8_t country[5] = {};
    StoreLe32(country, 300);
    country[4] = 'x';
    ASSERT_TRUE(writer.WriteChunk(kFormTagCountry, country, sizeof country));
    StoreLe32(country, 7);
    ASSERT_TRUE(writer.WriteChunk(kFormTagCountry, country, sizeof country));
    ASSERT_TRUE(writer.Close());
  }
  EXPECT_FALSE(ReadBackupDescription(archive));  // no description: never listed as a backup
  const std::string target = scratch.MakeDir("ziel/db");
  const BackupUnpackReport report = UnpackBackupArchive(archive, target);
  EXPECT_TRUE(report.opened && report.complete);
  EXPECT_EQ(report.files, 2);
  EXPECT_EQ(report.skipped, 4);
  EXPECT_EQ(FolderContents(target), (Contents{{"Country7.sav", "x"}, {"Rules.sav", "Regeln"}}));
  EXPECT_FALSE(fs::exists(scratch.path() + "/ziel/Rules.sav"));
}

}  // namespace
}  // namespace torvale
