#include <gtest/gtest.h>

#include <filesystem>

#include "platform/path.h"
#include "support/scratch_dir.h"

namespace torvale {

TEST(ResolvePath, FindsFilesWrittenInAnotherCaseOrWithBackslashes) {
  test::ScratchDir dir;
  std::string file = dir.MakeFile("Database/Country14.sav", "x");
  const std::string& root = dir.path();
  EXPECT_EQ(ResolvePath(root + "/Database/Country14.sav"), file);  // exact spelling untouched
  EXPECT_EQ(ResolvePath(root + "\\DATABASE\\country14.SAV"), file);
  EXPECT_TRUE(FileExists(root + "/database/COUNTRY14.sav"));
  EXPECT_TRUE(DirectoryExists(root + "/dataBASE"));
  EXPECT_FALSE(FileExists(root + "/database"));
}

TEST(ResolvePath, PrefersTheExactSpellingWhenTwoEntriesDifferOnlyInCase) {
  test::ScratchDir dir;
  dir.MakeFile("Rules.sav", "upper");
  dir.MakeFile("rules.sav", "lower");
  EXPECT_EQ(ResolvePath(dir.path() + "/rules.sav"), dir.path() + "/rules.sav");
  EXPECT_EQ(ResolvePath(dir.path() + "/Rules.sav"), dir.path() + "/Rules.sav");
}

TEST(ResolvePath, KeepsMissingPartsAsWrittenForFilesAboutToBeMade) {
  test::ScratchDir dir;
  dir.MakeDir("Database");
  EXPECT_EQ(ResolvePath(dir.path() + "/database/New/File.sav"), dir.path() + "/Database/New/File.sav");
  EXPECT_EQ(ResolvePath("relative\\name.txt"), "relative/name.txt");
  EXPECT_EQ(ResolvePath(""), "");
}

TEST(ResolvePath, ResolvesNamesWithUmlautsByTheirExactBytes) {
  test::ScratchDir dir;
  std::string file = dir.MakeFile("Vereine/Müller.txt");
  EXPECT_EQ(ResolvePath(dir.path() + "/vereine/Müller.txt"), file);
}

TEST(NormalizePath, LowersLettersAndUmlautsAndUsesSlashes) {
  EXPECT_EQ(NormalizePath("C:\\Spiele\\Torvale\\Database"), "c:/spiele/torvale/database");
  // Windows-1252 umlauts: Ä Ö Ü become ä ö ü
  EXPECT_EQ(NormalizePath("\xC4rger\\\xD6l\\\xDC" "ber"), "\xE4rger/\xF6l/\xFC" "ber");
  EXPECT_EQ(NormalizePath("\xE4\xF6\xFC\xDF"), "\xE4\xF6\xFC\xDF");  // already lower, ß has no capital
  EXPECT_EQ(NormalizePath("relative/Path/"), "relative/path/");
}

TEST(NormalizePath, ADriveRootLosesItsSlashOnlyWhenItIsTheWholePath) {
  EXPECT_EQ(NormalizePath("D:\\"), "d:");
  EXPECT_EQ(NormalizePath("d:/"), "d:");
  EXPECT_EQ(NormalizePath("D:\\Spiel"), "d:/spiel");
  EXPECT_EQ(NormalizePath("D:"), "d:");
  EXPECT_EQ(NormalizePath("/"), "/");
}

TEST(ConfinedPath, OnlyOrdinaryNamesThatStayBelowTheRoot) {
  for (const char* name : {"", "/etc/passwd", "\\etc", "C:\\x.tga", "c:x.tga", "a/../../x", "..\\x", "a/./x", "a//x",
                           "a/"})
    EXPECT_FALSE(IsConfinedName(name)) << name;
  EXPECT_TRUE(IsConfinedName("Grp\\Badge180\\x..tga"));

  test::ScratchDir dir;
  const std::string root = dir.MakeDir("Badges");
  const std::string inside = dir.MakeFile("Badges/Grp/X.TGA", "x");
  dir.MakeFile("Outside/X.TGA", "secret");
  std::filesystem::create_directory_symlink(dir.path() + "/Outside", root + "/Out");
  std::filesystem::create_directory_symlink(root + "/Grp", root + "/Same");
  std::filesystem::create_symlink(dir.path() + "/Outside/X.TGA", root + "/Grp/Leak.tga");
  std::filesystem::create_directory_symlink(root, root + "/Self");

  EXPECT_EQ(ConfinedPath(root, "grp\\x.tga"), inside);
  EXPECT_EQ(ConfinedPath(root + "/", "Grp/New/Y.TGA"), root + "/Grp/New/Y.TGA") << "a file about to be made";
  EXPECT_FALSE(ConfinedPath(root, "Same/X.TGA").empty()) << "a link that stays inside";
  EXPECT_TRUE(ConfinedPath(root, "Out/X.TGA").empty());
  EXPECT_TRUE(ConfinedPath(root, "Out/New.TGA").empty());
  EXPECT_TRUE(ConfinedPath(root, "Grp/Leak.tga").empty()) << "the file itself is a link out";
  EXPECT_TRUE(ConfinedPath(root, "Self").empty()) << "the root is no file below it";
  EXPECT_TRUE(ConfinedPath(root, "../Outside/X.TGA").empty());
  EXPECT_TRUE(ConfinedPath("", "Grp/X.TGA").empty());

  std::string read;
  EXPECT_TRUE(ReadConfinedFile(root, "GRP\\x.tga", read));
  EXPECT_EQ(read, "x");
  EXPECT_FALSE(ReadConfinedFile(root, "Out/X.TGA", read));
  EXPECT_FALSE(ReadConfinedFile(root, "Grp", read)) << "a folder is no file";
}

}  // namespace torvale
