// "-check" as modders' scripts run it: the report of a database on standard output, and the
// exit status that tells whether it found errors.

#include <gtest/gtest.h>

#include <string>

#include "support/child_process.h"
#include "support/editor_environment.h"
#include "support/sample_world.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"

namespace torvale {
namespace {

struct CheckModeFixture : ::testing::Test {
  test::ScratchDir root;
  test::EnvChanges env = test::IsolatedEditorEnvironment(root);

  CheckModeFixture() { test::RecordInstallFolder(root, testing::SampleInstallFolder()); }

  test::ProcessResult Editor(const std::vector<std::string>& args) {
    return test::RunProcess(TORVALE_EDITOR_EXE, args, env, root.path(), std::chrono::seconds(60));
  }
};

TEST_F(CheckModeFixture, TheSampleInstallationPassesABrokenCopyFails) {
  test::ProcessResult r = Editor({"-check"});
  EXPECT_EQ(r.exit_status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Check database : " + testing::SampleInstallFolder() + "/database\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("0 Fehler, 1 Warnung\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("nicht vorhandenes Wappen"), std::string::npos) << "UTF-8 on standard output";

  // A copy of the database with a club whose facilities do not allow its staff.
  auto sample = testing::LoadSampleWorld();
  for (const auto& [id, club] : sample->world->Country(14)->Clubs()) club->facilities[kClubCentre] = 0;
  const std::string copy = root.MakeDir("Meine Datenbank");
  sample->world->SetFolder(copy);
  testing::RecordingSaveReporter reporter;
  ASSERT_TRUE(sample->world->Save(reporter));
  r = Editor({"-check", "path" + copy});
  EXPECT_EQ(r.exit_status, 1) << r.err;
  EXPECT_NE(r.out.find("Deutschland\n  Fehler:  Das Land wird im Spiel nicht angeboten"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Baracke"), std::string::npos) << r.out;

  // A game installation named by "path" is checked in its "database" folder.
  r = Editor({"-check", "path" + testing::SampleInstallFolder()});
  EXPECT_EQ(r.exit_status, 0) << r.out;
}

TEST_F(CheckModeFixture, AFolderThatDoesNotExistIsRefused) {
  const test::ProcessResult r = Editor({"-check", "path" + root.path() + "/fehlt"});
  EXPECT_EQ(r.exit_status, 3);
  EXPECT_NE(r.err.find("does not exist"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace torvale
