// The batch build over a database folder written by the world's own writers: the folder is
// loaded as master mode loads it, trimmed with "killdata", and built.

#include <gtest/gtest.h>

#include <filesystem>

#include "master/master_batch.h"
#include "master/master_reader.h"
#include "platform/command_line.h"
#include "platform/path.h"
#include "support/file_bytes.h"
#include "database/world_database.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"

namespace torvale {
namespace {

// A copy of the sample installation's tables with a database whose country 14 is playable
// and holds `extraClubs` clubs beyond the 20 its leagues use.
struct BatchFixture : ::testing::Test {
  test::ScratchDir scratch;
  void WriteDatabase(int extraClubs) {
    std::filesystem::copy(std::string(TORVALE_SOURCE_DIR) + "/data/install", scratch.path(),
                          std::filesystem::copy_options::recursive);
    testing::TestDatabaseEnvironment environment;
    std::unique_ptr<CWorldDatabase> world = environment.NewWorld();
    world->SetFolder(JoinPath(scratch.path(), "database"));
    testing::BuildPlayableCountry(*world, 14, 1);
    CCountry& germany = *world->Country(14);
    for (int n = 0; n < extraClubs; ++n) germany.AddNewClub(std::make_unique<CClub>());
    testing::RecordingSaveReporter reporter;
    ASSERT_TRUE(world->Save(reporter));
  }
  std::optional<MasterFileInfo> Read(const std::string& name) {
    std::string error;
    auto info = ReadMasterFile(test::ReadBytes(JoinPath(scratch.path(), "database/" + name)), &error);
    EXPECT_TRUE(info) << error;
    return info;
  }
};

TEST_F(BatchFixture, BuildsTheLoadedDatabaseAndTrimsCountry14) {
  WriteDatabase(110);
  test::ScopedWorkingDir inside(scratch.path());
  ASSERT_EQ(BuildMasterBatch(0, 0), MasterBuildResult::kWritten);
  auto info = Read("Master.dat");
  ASSERT_TRUE(info);
  EXPECT_EQ(info->headers[13].leagueCount, 2);
  const MasterCountryInfo& germany = info->countries[13];
  EXPECT_EQ(germany.clubs, 130u);
  EXPECT_GT(germany.referees, 0u);
  EXPECT_GT(germany.staff, 0u);
  EXPECT_GT(germany.poolEntries, 0u);
  EXPECT_EQ(germany.additionalManagers, 2u);
  EXPECT_GE(germany.competitions, 6u) << "two leagues, the play-off and the national cups";

  ASSERT_EQ(BuildMasterBatch(0, kMasterBuildKillData), MasterBuildResult::kWritten);
  info = Read("Master.dat");
  ASSERT_TRUE(info);
  EXPECT_EQ(info->countries[13].clubs, 99u) << "100 clubs with the amateur club";
}

}  // namespace
}  // namespace torvale
