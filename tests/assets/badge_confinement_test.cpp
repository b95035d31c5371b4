// A database is as much a stranger's file as an archive: the badge paths of its clubs must not
// make the editor read anything outside the badge folder, whether they climb out with "..",
// name an absolute path or pass through a link. Such a badge is missing everywhere.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>

#include "assets/badge_chunks.h"
#include "assets/badge_lookup.h"
#include "assets/badge_path.h"
#include "assets/big_archive.h"
#include "assets/tga_writer.h"
#include "database/world_database.h"
#include "master/master_batch.h"
#include "platform/atomic_file.h"
#include "platform/path.h"
#include "storage/form_writer.h"
#include "support/file_bytes.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

namespace fs = std::filesystem;

// A club keeps 39 characters of its badge path, too few for a scratch folder's absolute path:
// this one is short enough.
class ShortTempDir {
 public:
  ShortTempDir() {
    std::string pattern = "/tmp/tvXXXXXX";
    if (::mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ShortTempDir() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  ShortTempDir(const ShortTempDir&) = delete;
  ShortTempDir& operator=(const ShortTempDir&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Writes all four sizes of the badge "<root>/<group>/Badge<size>/X.TGA".
void MakeBadgeFiles(const std::string& root, const std::string& group) {
  TgaImage image;
  image.width = image.height = 2;
  image.pixels.assign(12, 0x55);
  const std::vector<uint8_t> tga = EncodeTga(image, true);
  for (int size : kBadgeSizes) {
    const fs::path file = fs::path(root) / group / ("Badge" + std::to_string(size)) / "X.TGA";
    fs::create_directories(file.parent_path());
    ASSERT_TRUE(WriteWholeFile(file.string(), test::AsText(tga)));
  }
}

TEST(BadgeConfinement, ACraftedDatabaseReadsNothingOutsideTheBadgeFolder) {
  test::ScratchDir scratch;
  ShortTempDir elsewhere;
  ASSERT_FALSE(elsewhere.path().empty());
  const std::string folder = scratch.MakeDir("db");

  // The crafted database: one honest badge and three that lead out, each to real images.
  const std::string honest = "Ok\\Badge180\\X.tga";
  const std::string climbing = "..\\Secret\\Badge180\\X.tga";
  const std::string absolute = elsewhere.path() + "/Badge180/X.tga";
  const std::string linked = "Link\\Badge180\\X.tga";
  ASSERT_LT(absolute.size(), 40u);
  {
    testing::TestDatabaseEnvironment environment;
    std::unique_ptr<CWorldDatabase> world = environment.NewWorld();
    world->SetFolder(folder);
    testing::BuildPlayableCountry(*world, 14, 1);
    int number = 1;
    for (const std::string& badge : {honest, climbing, absolute, linked})
      SetFixedText(world->Country(14)->FindClub(MakeClubId(14, number++))->badgeFile, badge);
    testing::RecordingSaveReporter reporter;
    ASSERT_TRUE(world->Save(reporter));
  }
  testing::TestDatabaseEnvironment environment;
  std::unique_ptr<CWorldDatabase> world = environment.NewWorld();
  world->Load(folder);
  const std::string badgeFolder = world->BadgeFolder();
  MakeBadgeFiles(badgeFolder, "Ok");
  MakeBadgeFiles(JoinPath(folder, "Secret"), "");
  MakeBadgeFiles(elsewhere.path(), "");
  fs::create_directory_symlink(elsewhere.path(), JoinPath(badgeFolder, "Link"));

  std::vector<std::pair<std::string, std::string>> clubBadges;
  CQZBig closedArchive;
  const BadgeRoots roots{badgeFolder, &closedArchive};
  CFormWriter writer;
  ASSERT_TRUE(writer.Open(scratch.path() + "/export.zdb"));
  for (int number = 1; number <= 4; ++number) {
    const CClub& club = *world->Country(14)->FindClub(MakeClubId(14, number));
    const std::string badge(FixedText(club.badgeFile));
    clubBadges.emplace_back(std::string(club.Name(0)), badge);
    const bool inside = badge == honest;
    EXPECT_EQ(CBadge(badgeFolder, MakeBadgeTemplate(badge)).WriteChunks(writer), inside ? 4 : 0) << badge;
    EXPECT_EQ(LoadBadgeImage(roots, badge).empty(), !inside) << badge;
    EXPECT_EQ(ReadBadgeFile(roots, badge).empty(), !inside) << badge;
    EXPECT_EQ(IsBadgeComplete(roots, badge), inside) << badge;
    EXPECT_EQ(IsArchiveBadgeMissing(closedArchive, badgeFolder, badge), !inside) << badge;
  }
  ASSERT_TRUE(writer.Close());

  const std::vector<std::string> missing = MissingBadgeLines(roots, clubBadges);
  ASSERT_EQ(missing.size(), 3u);
  for (size_t i = 0; i < missing.size(); ++i)
    EXPECT_NE(missing[i].find(clubBadges[i + 1].second), std::string::npos) << missing[i];
}

}  // namespace
}  // namespace torvale
