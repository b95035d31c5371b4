#include <gtest/gtest.h>

#include <filesystem>

#include "platform/full_installation.h"
#include "platform/pc/file.h"
#include "platform/unicode_path.h"
#include "support/scratch_dir.h"

namespace torvale {

TEST(StartupEnvironment, FoldersMustBeNamedInTheWindowsCodePage) {
  EXPECT_FALSE(PathHasUnicode("/home/jürgen/Spiele/Torvale", "/home/jürgen/Dokumente"));
  EXPECT_FALSE(PathHasUnicode("/home/zoë/€uro", ""));
  EXPECT_TRUE(PathHasUnicode("/home/Łukasz/Spiele", "/home/x/Documents"));
  EXPECT_TRUE(PathHasUnicode("/home/x", "/home/x/文書"));
  EXPECT_TRUE(PathHasUnicode("/home/\xE4rger", "/home/x"));  // a Latin-1 byte, not UTF-8
}

TEST(StartupEnvironment, ChecksTheCurrentFolderAndTheDocumentsFolder) {
  test::ScratchDir dir;
  test::ScopedEnv home("HOME", dir.MakeDir("home").c_str());
  test::ScopedEnv config("XDG_CONFIG_HOME", nullptr);
  {
    test::ScopedWorkingDir cwd(dir.MakeDir("Spiel Ä"));
    EXPECT_FALSE(PathHasUnicode());
  }
  test::ScopedWorkingDir cwd(dir.MakeDir("Гра"));
  EXPECT_TRUE(PathHasUnicode());
}

TEST(StartupEnvironment, AFullInstallationHasTheDataArchiveInAnySpelling) {
  test::ScratchDir dir;
  EXPECT_FALSE(HasFullInstallation(dir.path()));
  dir.MakeFile("Data/zdata_05.big");
  EXPECT_FALSE(HasFullInstallation(dir.path()));
  dir.MakeFile("Data/ZDATA_06.BIG");
  EXPECT_TRUE(HasFullInstallation(dir.path()));
  test::ScopedWorkingDir cwd(dir.path());
  EXPECT_TRUE(HasFullInstallation());
}

TEST(StartupEnvironment, TheWorkingFolderMovesOnlyToFoldersThatExist) {
  test::ScratchDir dir;
  std::string game = dir.MakeDir("Games/Torvale");
  test::ScopedWorkingDir cwd(dir.path());
  EXPECT_TRUE(SetWorkingDirectory("games\\TORVALE"));
  EXPECT_EQ(std::filesystem::path(*GetWorkingDirectory()), std::filesystem::canonical(game));
  EXPECT_FALSE(SetWorkingDirectory("missing"));
  EXPECT_FALSE(SetWorkingDirectory(""));
  EXPECT_EQ(std::filesystem::path(*GetWorkingDirectory()), std::filesystem::canonical(game));
}

}  // namespace torvale
