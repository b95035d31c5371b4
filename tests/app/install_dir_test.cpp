#include <gtest/gtest.h>

#include <QSettings>
#include <filesystem>

#include "app/install_dir.h"
#include "support/scratch_dir.h"

namespace torvale {

namespace {

// Points the machine-wide settings at a scratch folder holding "Halvex/<product>.conf".
struct InstallDirFixture : testing::Test {
  test::ScratchDir settings_dir;
  test::ScratchDir game_dir;
  InstallDirFixture() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, QString::fromStdString(settings_dir.path()));
  }
  void Record(const std::string& product, const std::string& folder) {
    settings_dir.MakeFile("Halvex/" + product + ".conf", "[General]\nINSTALL DIR=" + folder + "\n");
  }
};

}  // namespace

TEST_F(InstallDirFixture, MovesToTheRecordedInstallFolder) {
  std::string game = game_dir.MakeDir("Torvale Spiel");
  Record("TORVALE", game);
  EXPECT_EQ(InstallDirSetting("TORVALE"), game);
  test::ScopedWorkingDir cwd(settings_dir.path());
  ReadInstallDir("TORVALE");
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(game));
}

TEST_F(InstallDirFixture, AMissingOrUnusableRecordLeavesTheWorkingFolder) {
  test::ScopedWorkingDir cwd(settings_dir.path());
  auto before = std::filesystem::current_path();
  EXPECT_FALSE(InstallDirSetting("TORVALE"));  // nothing recorded
  ReadInstallDir("TORVALE");
  Record("TORVALE", game_dir.path() + "/not-there");
  ReadInstallDir("TORVALE");
  Record("OTHER", game_dir.path());  // another product's record does not count
  ReadInstallDir("TORVALE");
  EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST_F(InstallDirFixture, AFolderNameLongerThan259CharactersIsNotUsed) {
  std::string long_name = "/" + std::string(258, 'x');
  Record("TORVALE", long_name);
  EXPECT_EQ(InstallDirSetting("TORVALE"), long_name);
  Record("TORVALE", long_name + "y");
  EXPECT_FALSE(InstallDirSetting("TORVALE"));
}

}  // namespace torvale
