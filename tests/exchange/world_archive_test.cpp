#include "exchange/world_archive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "assets/badge_path.h"
#include "competition/cup_allocation.h"
#include "database/world_database.h"
#include "database/world_manager.h"
#include "exchange/exchange_prompts.h"
#include "exchange/longtime_world_archive.h"
#include "longtime_driver.h"
#include "platform/path.h"
#include "storage/byte_order.h"
#include "storage/form_reader.h"
#include "storage/form_writer.h"
#include "support/file_bytes.h"
#include "support/sample_world.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"
#include "world/player.h"

namespace torvale {
namespace {

namespace fs = std::filesystem;

// The sample installation, made once; every test unpacks into a copy of its database.
class WorldArchiveTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    allocations_ = new CupAllocationTable();
    allocations_->LoadCupAllocations(SampleInstall() + "/script");
  }
  static void TearDownTestSuite() { delete allocations_; }
  static std::string SampleInstall() { return testing::SampleInstallFolder(); }

  void SetUp() override {
    fs::copy(SampleInstall() + "/database", Database(), fs::copy_options::recursive);
    fs::create_directories(Documents());
    cwd_ = std::make_unique<test::ScopedWorkingDir>(dir_.path());
  }

  std::string Database() const { return dir_.path() + "/database"; }
  std::string Badges() const { return dir_.path() + "/badges"; }
  std::string Pictures() const { return dir_.path() + "/picture"; }
  std::string Documents() const { return dir_.path() + "/docs"; }
  std::string TempExport() const { return Documents() + "/database/tempExport"; }

  std::unique_ptr<CWorldDatabase> NewWorld() const { return testing::EmptyInstallWorld(SampleInstall(), *allocations_); }
  std::unique_ptr<CWorldDatabase> LoadedWorld() const {
    auto world = NewWorld();
    world->Load("database");
    return world;
  }

  WorldArchiveFolders Folders() const {
    return {Documents(), Badges(), Pictures(),
            [](const CPlayer& p) { return "faces/" + std::to_string(p.id) + ".tga"; }};
  }
  ImportOptions Import(bool emptyWorld = true) const { return {emptyWorld, Badges(), Pictures()}; }

  ExportReport Export(CWorldDatabase& world, const std::string& target) {
    NoLongtimeProgress progress;
    return ExportWorld(world, target, Folders(), progress, reporter_);
  }
  ImportReport ImportInto(CWorldDatabase& world, const std::string& source, bool emptyWorld = true) {
    NoLongtimeProgress progress;
    return ImportWorld(world, source, Import(emptyWorld), progress);
  }

  static inline CupAllocationTable* allocations_ = nullptr;
  test::ScratchDir dir_;
  std::unique_ptr<test::ScopedWorkingDir> cwd_;
  testing::RecordingSaveReporter reporter_;
};

// Chunk tags and numbers of an archive, in file order.
std::vector<std::pair<uint32_t, uint32_t>> ChunkList(const std::string& path) {
  CFormReader reader;
  std::vector<std::pair<uint32_t, uint32_t>> chunks;
  if (!reader.Open(path)) return chunks;
  while (auto chunk = reader.ReadNextChunk())
    chunks.emplace_back(chunk->tagIndex, chunk->Size() >= 4 ? LoadLe32(chunk->data.data()) : 0);
  return chunks;
}

std::vector<uint8_t> Named(std::string_view name, std::string_view content) {
  std::vector<uint8_t> data(name.begin(), name.end());
  data.push_back(0);
  data.insert(data.end(), content.begin(), content.end());
  return data;
}

std::vector<uint8_t> CountryChunk(uint32_t number, std::string_view content) {
  std::vector<uint8_t> data(4);
  StoreLe32(data.data(), number);
  data.insert(data.end(), content.begin(), content.end());
  return data;
}

TEST_F(WorldArchiveTest, RoundTripBringsBackTheWorldItsBadgesAndPictures) {
  auto world = LoadedWorld();
  const std::string folderBefore = world->Folder();
  // Badges in the folder for the first clubs that have one, pictures for three players.
  std::vector<std::pair<std::string, std::string>> files;
  int badgeClubs = 0;
  const CClub* pictured = nullptr;
  for (const auto& [id, club] : world->Country(14)->Clubs()) {
    if (club->badgeFile[0] == 0 || badgeClubs == 4) continue;
    ++badgeClubs;
    for (int size : kBadgeSizes) {
      const std::string name = BadgePathForSize(club->badgeFile, size);
      files.emplace_back(JoinPath(Badges(), name), "TGA " + name);
    }
    pictured = club.get();
  }
  ASSERT_EQ(badgeClubs, 4);
  ASSERT_GE(pictured->PlayerIds().size(), 3u);
  for (size_t i = 0; i < 3; ++i)
    files.emplace_back(Pictures() + "/faces/" + std::to_string(pictured->PlayerIds()[i]) + ".tga",
                       "picture " + std::to_string(i));
  for (const auto& [path, content] : files) {
    fs::create_directories(fs::path(ResolvePath(path)).parent_path());
    ASSERT_TRUE(WriteWholeFile(path, content));
  }

  const ExportReport exported = Export(*world, dir_.path() + "/world.zdb");
  EXPECT_EQ(exported.outcome, ExportOutcome::kWritten);
  EXPECT_EQ(exported.countries, 206);
  EXPECT_EQ(exported.badges, 16);
  EXPECT_EQ(exported.pictures, 3);
  EXPECT_EQ(world->Folder(), folderBefore);
  EXPECT_FALSE(fs::exists(TempExport()));
  EXPECT_TRUE(reporter_.messages.empty());

  // A fresh installation: no country files, badges or pictures.
  for (int n = kFirstCountry; n <= kLastCountry; ++n)
    fs::remove(Database() + "/Country" + std::to_string(n) + ".sav");
  fs::remove_all(Badges());
  fs::remove_all(Pictures());

  auto imported = NewWorld();
  const ImportReport report = ImportInto(*imported, dir_.path() + "/world.zdb");
  EXPECT_TRUE(report.opened);
  EXPECT_TRUE(report.complete);
  EXPECT_EQ(report.countries, 206);
  EXPECT_EQ(report.badges, 16);
  EXPECT_EQ(report.pictures, 3);
  EXPECT_EQ(report.unsafeNames + report.badCountries + report.failedWrites, 0);
  EXPECT_EQ(ImportWarningText(report), "");
  EXPECT_TRUE(imported->SameData(*world));
  for (const auto& [path, content] : files) {
    EXPECT_EQ(test::ReadText(path), content);
  }
}

TEST_F(WorldArchiveTest, WorldWithoutClubsGivesOnlyCountryChunksAndAnEmptyRange) {
  auto world = NewWorld();
  world->SetFolder(Database());
  struct RangeRecorder final : LongtimeProgress {
    void SetTitle(std::string_view) override {}
    void SetDescription(std::string_view) override {}
    void SetStatus(std::string_view) override {}
    void SetRange(int low, int high) override { ranges.emplace_back(low, high); }
    void SetPos(int p) override { position = p; }
    int Position() const override { return position; }
    void EnableCancel(bool) override {}
    bool CancelRequested() const override { return false; }
    std::vector<std::pair<int, int>> ranges;
    int position = 0;
  } progress;
  const std::string target = dir_.path() + "/empty.zdb";
  EXPECT_EQ(ExportWorld(*world, target, Folders(), progress, reporter_).outcome, ExportOutcome::kWritten);
  ASSERT_EQ(progress.ranges.size(), 1u);
  EXPECT_EQ(progress.ranges[0], std::make_pair(0, 0));
  const auto chunks = ChunkList(target);
  ASSERT_EQ(chunks.size(), 206u);
  for (uint32_t n = 1; n <= 206; ++n) EXPECT_EQ(chunks[n - 1], std::make_pair(uint32_t(kFormTagCountry), n));
}

TEST_F(WorldArchiveTest, CancelledOrFailedExportLeavesNoTraceAndKeepsAnOlderArchive) {
  auto world = LoadedWorld();
  const std::string folderBefore = world->Folder();
  const std::string target = dir_.path() + "/out/old.zdb";
  fs::create_directories(dir_.path() + "/out");
  ASSERT_TRUE(WriteWholeFile(target, "older archive"));

  CLongtimeExportWorld operation(*world, target, Folders(), reporter_);
  testing::LongtimeTestDriver driver;
  driver.CancelAtPosition(2);
  operation.Run(driver);
  EXPECT_TRUE(driver.cancelled);
  EXPECT_EQ(operation.Report().outcome, ExportOutcome::kCancelled);
  EXPECT_EQ(test::ReadText(target), "older archive");
  EXPECT_EQ(test::ListNames(dir_.path() + "/out"), std::vector<std::string>{"old.zdb"});
  EXPECT_FALSE(fs::exists(TempExport()));
  EXPECT_EQ(world->Folder(), folderBefore);
  EXPECT_TRUE(reporter_.messages.empty());

  // An archive that cannot be created: message 798, and the same clean state.
  const ExportReport failed = Export(*world, dir_.path() + "/missing/folder/x.zdb");
  EXPECT_EQ(failed.outcome, ExportOutcome::kCreateFailed);
  EXPECT_EQ(reporter_.messages, std::vector<int>{798});
  EXPECT_FALSE(fs::exists(TempExport()));
  EXPECT_EQ(world->Folder(), folderBefore);
}

TEST_F(WorldArchiveTest, DamagedArchivesImportNothingOrStopCleanly) {
  auto original = LoadedWorld();
  const std::string good = dir_.path() + "/good.zdb";
  ASSERT_EQ(Export(*original, good).outcome, ExportOutcome::kWritten);
  std::vector<uint8_t> bytes = test::ReadBytes(good);

  // Length field one byte off: nothing extracted, the world reloaded from its folder.
  std::vector<uint8_t> offByOne = bytes;
  StoreLe32(offByOne.data() + 4, LoadLe32(offByOne.data() + 4) + 1);
  const std::string bad = dir_.path() + "/bad.zdb";
  ASSERT_TRUE(WriteWholeFile(bad, test::AsText(offByOne)));
  auto world = NewWorld();
  ImportReport report = ImportInto(*world, bad);
  EXPECT_FALSE(report.opened);
  EXPECT_EQ(report.countries, 0);
  EXPECT_TRUE(world->SameData(*original));

  // Three chunks, the last cut short (with a header that agrees): the first two are written.
  {
    CFormWriter writer;
    ASSERT_TRUE(writer.Open(dir_.path() + "/cut.zdb"));
    const auto country = CountryChunk(3, "country three");
    const auto badge = Named("grp/Badge180/a.tga", "badge a");
    const auto picture = Named("p.tga", std::string(5000, 'x'));
    ASSERT_TRUE(writer.WriteChunk(kFormTagCountry, country.data(), country.size()));
    ASSERT_TRUE(writer.WriteChunk(kFormTagBadge, badge.data(), badge.size()));
    ASSERT_TRUE(writer.WriteChunk(kFormTagPicture, picture.data(), picture.size()));
    ASSERT_TRUE(writer.Close());
  }
  std::vector<uint8_t> cut = test::ReadBytes(dir_.path() + "/cut.zdb");
  cut.resize(cut.size() - 3);
  StoreLe32(cut.data() + 4, static_cast<uint32_t>(cut.size()));
  ASSERT_TRUE(WriteWholeFile(dir_.path() + "/cut.zdb", test::AsText(cut)));
  report = ImportInto(*world, dir_.path() + "/cut.zdb", false);
  EXPECT_TRUE(report.opened);
  EXPECT_FALSE(report.complete);
  EXPECT_EQ(report.countries, 1);
  EXPECT_EQ(report.badges, 1);
  EXPECT_EQ(report.pictures, 0);
  EXPECT_FALSE(fs::exists(Pictures() + "/p.tga"));
  EXPECT_EQ(test::ReadText(Database() + "/Country3.sav"), "country three");
}

TEST_F(WorldArchiveTest, HostileNamesWriteNothingOutsideTheirFolders) {
  const std::string outside = dir_.path() + "/outside";
  fs::create_directories(outside);
  fs::create_directories(Badges());
  fs::create_symlink(outside, Badges() + "/link");
  fs::create_directories(Pictures() + "/sub");
  fs::create_symlink(outside, Pictures() + "/link");
  ASSERT_TRUE(WriteWholeFile(outside + "/target.tga", "original"));
  fs::create_symlink(outside + "/target.tga", Pictures() + "/sub/escape.tga");

  const std::vector<std::string> hostile = {
      "../evil1.tga",       "/tmp/evil2.tga",      "..\\..\\evil3.tga", "C:\\evil4.tga",   "c:evil5.tga",
      "ok/../../evil6.tga", "ok\\..\\..\\evil7.tga", "link/evil8.tga",  "./evil9.tga",     "",
      "a//evil10.tga",
  };
  {
    CFormWriter writer;
    ASSERT_TRUE(writer.Open(dir_.path() + "/hostile.zdb"));
    for (const std::string& name : hostile) {
      const auto data = Named(name, "evil");
      ASSERT_TRUE(writer.WriteChunk(kFormTagBadge, data.data(), data.size()));
      ASSERT_TRUE(writer.WriteChunk(kFormTagPicture, data.data(), data.size()));
    }
    const auto throughLink = Named("sub/escape.tga", "evil");
    ASSERT_TRUE(writer.WriteChunk(kFormTagPicture, throughLink.data(), throughLink.size()));
    const std::string unterminated = "no-terminator.tga";
    ASSERT_TRUE(writer.WriteChunk(kFormTagBadge, reinterpret_cast<const uint8_t*>(unterminated.data()),
                                  unterminated.size()));
    const auto overlong = Named(std::string(5000, 'a') + ".tga", "too long");
    ASSERT_TRUE(writer.WriteChunk(kFormTagBadge, overlong.data(), overlong.size()));
    for (uint32_t number : {0u, 207u, 250u}) {
      const auto country = CountryChunk(number, "evil country");
      ASSERT_TRUE(writer.WriteChunk(kFormTagCountry, country.data(), country.size()));
    }
    const auto shortCountry = Named("", "");
    ASSERT_TRUE(writer.WriteChunk(kFormTagCountry, shortCountry.data(), shortCountry.size()));
    const auto good = Named("grp\\Badge74\\fine.tga", "fine");
    ASSERT_TRUE(writer.WriteChunk(kFormTagBadge, good.data(), good.size()));
    ASSERT_TRUE(writer.Close());
  }
  auto world = NewWorld();
  const ImportReport report = ImportInto(*world, dir_.path() + "/hostile.zdb", false);
  EXPECT_TRUE(report.complete);
  // The overlong name is refused, either as unsafe or by the file system.
  EXPECT_EQ(report.unsafeNames + report.failedWrites, 2 * int(hostile.size()) + 3);
  EXPECT_GE(report.unsafeNames, 2 * int(hostile.size()) + 2);
  EXPECT_EQ(report.badCountries, 4);
  EXPECT_EQ(report.badges, 1);
  EXPECT_TRUE(fs::exists(ResolvePath(Badges() + "/grp/Badge74/fine.tga")));
  EXPECT_EQ(test::ListNames(outside), std::vector<std::string>{"target.tga"});
  EXPECT_EQ(test::ReadText(outside + "/target.tga"), "original");
  EXPECT_FALSE(fs::exists(dir_.path() + "/evil1.tga"));
  EXPECT_FALSE(fs::exists("/tmp/evil2.tga"));
  for (const auto& entry : fs::recursive_directory_iterator(dir_.path()))
    EXPECT_EQ(entry.path().filename().string().find("evil"), std::string::npos) << entry.path();
  EXPECT_NE(ImportWarningText(report).find(std::to_string(report.unsafeNames)), std::string::npos);
}

TEST_F(WorldArchiveTest, ImportAsksFirstAndCannotBeCancelled) {
  struct Answer final : ExchangePrompts {
    bool yes = false;
    int asked = 0;
    bool AskYesNo(std::string_view) override {
      ++asked;
      return yes;
    }
    PromptAnswer AskYesNoCancel(std::string_view) override { return PromptAnswer::kCancel; }
    void ShowMessage(std::string_view) override {}
  } answer;
  WorldManager manager;
  CWorldDatabase* world = manager.CreateWorld();
  world->SetFolder(Database());
  {
    auto source = LoadedWorld();
    ASSERT_EQ(Export(*source, dir_.path() + "/a.zdb").outcome, ExportOutcome::kWritten);
  }
  const uint32_t personsBefore = static_cast<uint32_t>(world->Persons().Count());
  testing::LongtimeTestDriver driver;
  EXPECT_FALSE(ImportIntoCurrentWorld(manager, dir_.path() + "/a.zdb", true, Import(), answer, driver));
  EXPECT_EQ(answer.asked, 1);
  EXPECT_EQ(driver.updates, 0);
  EXPECT_EQ(world->Persons().Count(), personsBefore);
  EXPECT_EQ(world->Folder(), NormalizePath(Database()));

  answer.yes = true;
  driver.CancelAtPosition(1);
  ImportReport report;
  EXPECT_TRUE(ImportIntoCurrentWorld(manager, dir_.path() + "/a.zdb", true, Import(), answer, driver, &report));
  EXPECT_FALSE(driver.first.cancelEnabled);
  EXPECT_TRUE(driver.cancelRefused);
  EXPECT_TRUE(driver.closed);
  EXPECT_EQ(report.countries, 206);
  EXPECT_EQ(world->Folder(), "database");
  EXPECT_GT(world->Persons().Count(), personsBefore);
}

}  // namespace
}  // namespace torvale
