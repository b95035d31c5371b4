// What loading a database met is part of its validation: a damaged file is an error under
// its country, with the file and the line; a missing one a warning. A save rewrites the
// files, so their problems leave the report, but for the unreadable file it leaves alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "master/check_batch.h"
#include "master/world_validation.h"
#include "support/sample_world.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"

namespace torvale {
namespace {

constexpr int kGermany = 14;
constexpr int kFrance = 20;

std::vector<ValidationFinding> LoadFindings(const ValidationReport& report) {
  std::vector<ValidationFinding> found;
  std::copy_if(report.findings.begin(), report.findings.end(), std::back_inserter(found),
               [](const ValidationFinding& f) { return f.kind == FindingKind::kLoadProblem; });
  return found;
}

TEST(WorldValidationLoadReport, DamagedAndMissingFilesOfASavedCopyBecomeFindings) {
  test::ScratchDir root;
  auto sample = testing::LoadSampleWorld();
  const std::string copy = root.MakeDir("Kopie");
  sample->world->SetFolder(copy);
  testing::RecordingSaveReporter reporter;
  ASSERT_TRUE(sample->world->Save(reporter));
  EXPECT_TRUE(LoadFindings(ValidateWorld(*sample->world)).empty());

  // Germany's file cut off in the middle, France's file gone, and a folder where Country21's
  // file should be (unreadable, even by root).
  const std::filesystem::path germany = copy + "/Country14.sav";
  std::filesystem::resize_file(germany, std::filesystem::file_size(germany) / 2);
  std::filesystem::remove(copy + "/Country20.sav");
  std::filesystem::remove(copy + "/Country21.sav");
  std::filesystem::create_directory(copy + "/Country21.sav");
  sample->world->Load(copy);

  const std::vector<ValidationFinding> found = LoadFindings(ValidateWorld(*sample->world));
  ASSERT_GE(found.size(), 2u);
  const auto damaged = std::find_if(found.begin(), found.end(), [](const ValidationFinding& f) {
    return f.country == kGermany && f.code == static_cast<uint32_t>(LoadProblemKind::kDamaged);
  });
  ASSERT_NE(damaged, found.end());
  EXPECT_EQ(damaged->severity, FindingSeverity::kError);
  EXPECT_EQ(damaged->text.rfind("Datei Country14.sav, Zeile ", 0), 0u) << damaged->text;
  EXPECT_NE(damaged->text.find("vorzeitig"), std::string::npos) << damaged->text;

  const auto missing = std::find_if(found.begin(), found.end(), [](const ValidationFinding& f) {
    return f.code == static_cast<uint32_t>(LoadProblemKind::kMissing);
  });
  ASSERT_NE(missing, found.end());
  EXPECT_EQ(missing->country, kFrance);
  EXPECT_EQ(missing->severity, FindingSeverity::kWarning);
  EXPECT_EQ(missing->text, "Datei Country20.sav (fehlt): Die Datei fehlt; das Land bleibt leer.");

  const auto unreadable = std::find_if(found.begin(), found.end(), [](const ValidationFinding& f) {
    return f.code == static_cast<uint32_t>(LoadProblemKind::kUnreadable);
  });
  ASSERT_NE(unreadable, found.end());
  EXPECT_EQ(unreadable->country, 21);
  EXPECT_EQ(unreadable->severity, FindingSeverity::kError);

  // The window-less check lists each problem once, in the one report.
  const DatabaseCheck check = CheckDatabaseBatch(testing::SampleInstallFolder(), copy);
  EXPECT_TRUE(check.report.HasErrors());
  const std::string line = "Datei Country20.sav (fehlt)";
  const size_t at = check.text.find(line);
  ASSERT_NE(at, std::string::npos) << check.text;
  EXPECT_EQ(check.text.find(line, at + 1), std::string::npos) << check.text;

  // Saving writes every file again but the unreadable one, which alone stays in the report.
  ASSERT_TRUE(sample->world->Save(reporter));
  const std::vector<ValidationFinding> afterSave = LoadFindings(ValidateWorld(*sample->world));
  ASSERT_EQ(afterSave.size(), 1u);
  EXPECT_EQ(afterSave[0].code, static_cast<uint32_t>(LoadProblemKind::kUnreadable));
}

}  // namespace
}  // namespace torvale
