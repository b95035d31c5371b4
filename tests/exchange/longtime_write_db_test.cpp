#include "exchange/longtime_write_db.h"

#include <gtest/gtest.h>

#include "longtime_driver.h"
#include "master/master_batch.h"
#include "platform/path.h"
#include "platform/string_table.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"

namespace torvale {
namespace {

struct AgreeingPrompts final : MasterBuildPrompts {
  int asked = 0;
  void ShowSingle(std::string_view, std::string_view) override {}
  bool AskMessage(std::string_view, std::string_view) override { return ++asked, true; }
};

TEST(LongtimeWriteDB, BuildsOnTheWorkerOrWithoutDialogInBatchMode) {
  test::ScratchDir dir;
  testing::TestDatabaseEnvironment environment;
  auto world = environment.NewWorld();
  testing::BuildPlayableCountry(*world, 14, 0);
  WorldDatabaseMasterView view(*world, dir.path());
  AgreeingPrompts prompts;

  MasterBuildOptions interactive;
  interactive.batch = false;
  interactive.logFolder = dir.path();
  CLongtimeWriteDB build(view, interactive, {}, prompts);
  testing::LongtimeTestDriver driver;
  build.Run(driver);
  EXPECT_EQ(build.Result(), MasterBuildResult::kWritten);
  EXPECT_TRUE(FileExists(dir.path() + "/Master.dat"));
  EXPECT_TRUE(driver.closed);
  EXPECT_GT(driver.updates, 0);
  EXPECT_EQ(build.Values().title, LoadString(833));
  EXPECT_TRUE(build.Values().cancelEnabled);  // enabled again when the work is done

  struct NoDialog final : LongtimeDialogRunner {
    bool shown = false;
    void RunModal(CLongtimeOperation&) override { shown = true; }
  } runner;
  MasterBuildOptions batch;
  batch.logFolder = dir.path();
  CLongtimeWriteDB batchBuild(view, batch, {}, prompts);
  batchBuild.Run(runner);
  EXPECT_FALSE(runner.shown);
  EXPECT_EQ(batchBuild.Result(), MasterBuildResult::kWritten);
  EXPECT_TRUE(batchBuild.Done());
}

}  // namespace
}  // namespace torvale
