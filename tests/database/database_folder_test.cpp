#include "database/database_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/path.h"
#include "platform/text_encoding.h"
#include "support/file_bytes.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"

namespace torvale {
namespace {

namespace fs = std::filesystem;

TEST(DatabaseFolder, NamesOfTheSaveAsDialog) {
  EXPECT_TRUE(IsValidDatabaseName("Meine|Liga"));
  EXPECT_TRUE(IsValidDatabaseName("Bundesliga 2004"));
  for (const char* bad : {"", "a:b", "a/b", "a\\b", "a\"b", "a*b", "a?b", "a<b", "a>b", ".", ".."})
    EXPECT_FALSE(IsValidDatabaseName(bad)) << bad;
}

TEST(DatabaseFolder, CreatingReplacesAnOldFolderOnlyWhenTheUserAgrees) {
  test::ScratchDir documents;
  testing::TestDatabaseEnvironment environment;
  auto world = environment.NewWorld();
  // The listing folder is spelled "Database"; creating uses "database": one folder.
  documents.MakeFile("Database/Liga/Country14.sav", "alt");
  documents.MakeFile("Database/Liga/Badge/GER/Badge180/X.TGA", "alt");
  const std::string folder = DatabasesRoot(documents.path()) + "/Liga";

  std::string asked;
  EXPECT_FALSE(CreateDatabaseFolder(*world, documents.path(), "liga", "neu", [&](std::string_view text) {
    asked = text;
    return false;
  }));
  EXPECT_EQ(Cp1252ToUtf8(asked),
            "Die Datenbank mit dem Namen liga existiert schon. Soll die vorhandene Datenbank überschrieben werden?");
  EXPECT_TRUE(FileExists(folder + "/Country14.sav"));
  EXPECT_FALSE(CreateDatabaseFolder(*world, documents.path(), "Liga", "neu", {}));
  EXPECT_TRUE(FileExists(folder + "/Country14.sav"));

  ASSERT_TRUE(CreateDatabaseFolder(*world, documents.path(), "Liga", "Beschreibung\r\nzweite Zeile",
                                   [](std::string_view) { return true; }));
  EXPECT_EQ(test::ListNames(folder), std::vector<std::string>{"Database.txt"});
  EXPECT_EQ(test::ReadText(folder + "/Database.txt"), "Beschreibung\r\nzweite Zeile");
  EXPECT_EQ(world->Folder(), NormalizePath(folder));

  EXPECT_FALSE(CreateDatabaseFolder(*world, documents.path(), "..", "", [](std::string_view) { return true; }));
  EXPECT_FALSE(CreateDatabaseFolder(*world, "", "Neu", "", {}));
  EXPECT_TRUE(fs::exists(documents.path() + "/Database/Liga"));
}

TEST(DatabaseFolder, DeletingRemovesLinksButNotWhatTheyPointTo) {
  test::ScratchDir dir;
  const std::string keep = dir.MakeFile("elsewhere/keep.txt", "bleibt");
  dir.MakeFile("db/Country1.sav", "x");
  fs::create_directory_symlink(dir.path() + "/elsewhere", dir.path() + "/db/link");

  // Into the trash only through the editor's function.
  EXPECT_FALSE(DeleteFolder(dir.path() + "/db", false));
  EXPECT_TRUE(fs::exists(dir.path() + "/db"));
  std::string trashed;
  EXPECT_TRUE(DeleteFolder(dir.path() + "/db", false, [&](const std::string& path) {
    trashed = path;
    return true;
  }));
  EXPECT_EQ(trashed, dir.path() + "/db");

  EXPECT_TRUE(DeleteFolder(dir.path() + "/DB", true));  // any letter case
  EXPECT_FALSE(fs::exists(dir.path() + "/db"));
  EXPECT_TRUE(FileExists(keep));
  EXPECT_TRUE(DeleteFolder(dir.path() + "/db", true));  // gone already
}

}  // namespace
}  // namespace torvale
