#include <gtest/gtest.h>

#include <filesystem>

#include "platform/documents_folder.h"
#include "support/scratch_dir.h"

namespace torvale {

TEST(DocumentsFolder, FollowsTheUserDirsFile) {
  test::ScratchDir home;
  std::string config = home.path() + "/.config";
  EXPECT_EQ(DocumentsFolderFor(home.path(), ""), home.path() + "/Documents");  // no file yet

  home.MakeFile(".config/user-dirs.dirs",
                "# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\r\n");
  EXPECT_EQ(DocumentsFolderFor(home.path(), ""), home.path() + "/Dokumente");
  EXPECT_EQ(DocumentsFolderFor(home.path(), config), home.path() + "/Dokumente");

  home.MakeFile("other/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"/srv/docs\"\n");
  EXPECT_EQ(DocumentsFolderFor(home.path(), home.path() + "/other"), "/srv/docs");

  // forms the desktop tools never write are not guessed at
  home.MakeFile("odd/user-dirs.dirs", "XDG_DOCUMENTS_DIR=relative/docs\nXDG_DOCUMENTS_DIR=\"~/docs\"\n");
  EXPECT_EQ(DocumentsFolderFor(home.path(), home.path() + "/odd"), home.path() + "/Documents");
}

TEST(DocumentsFolder, IsCreatedWhenMissing) {
  test::ScratchDir home;
  test::ScopedEnv home_env("HOME", home.path().c_str());
  test::ScopedEnv config_env("XDG_CONFIG_HOME", nullptr);
  auto folder = PersonalDocumentsFolder();
  ASSERT_TRUE(folder);
  EXPECT_EQ(*folder, home.path() + "/Documents");
  EXPECT_TRUE(std::filesystem::is_directory(*folder));
}

TEST(DocumentsFolder, NoneWithoutAHomeOrWhenItCannotBeMade) {
  {
    test::ScopedEnv home_env("HOME", nullptr);
    EXPECT_FALSE(PersonalDocumentsFolder());
  }
  test::ScratchDir dir;
  std::string file = dir.MakeFile("not-a-folder");
  test::ScopedEnv home_env("HOME", file.c_str());
  EXPECT_FALSE(PersonalDocumentsFolder());
}

}  // namespace torvale
