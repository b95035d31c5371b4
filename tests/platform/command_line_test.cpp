#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/command_line.h"

namespace torvale {

namespace {

CommandLineOptions Parse(std::vector<std::string> tokens) {
  std::vector<const char*> argv{"torvale-editor"};
  for (const auto& t : tokens) argv.push_back(t.c_str());
  return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

}  // namespace

TEST(CommandLine, TheLastLanguageWins) {
  EXPECT_EQ(Parse({"-master", "eng", "ger"}).language, kLanguageGerman);
  EXPECT_EQ(Parse({"ger", "spa"}).language, kLanguageSpanish);
  EXPECT_EQ(Parse({"fra"}).language, kLanguageFrench);
  EXPECT_EQ(Parse({"ENG"}).language, kLanguageGerman);   // languages are case-sensitive
  EXPECT_EQ(Parse({"english"}).language, kLanguageGerman);  // and whole tokens
}

TEST(CommandLine, EveryFlagTokenSetsItsBitAndNeverTwo) {
  CommandLineOptions o = Parse({"ps2", "OutputBadge", "OutputKits", "OutputStadium", "killdata", "logPS2"});
  EXPECT_EQ(o.MasterBuildFlags, 1u | 4u | 8u | 16u | 32u | 64u);
  EXPECT_EQ(o.MasterBuildFlags & 2u, 0u);
  EXPECT_FALSE(o.master_mode);  // the flags are read without "-master" too; only the build uses them
}

TEST(CommandLine, OnlyLogPs2IgnoresLetterCase) {
  for (const char* spelling : {"logps2", "LOGPS2", "LoGpS2"}) EXPECT_EQ(Parse({spelling}).MasterBuildFlags, 64u);
  for (const char* spelling : {"PS2", "Ps2", "pS2", "outputbadge", "KILLDATA", "-MASTER", "ps2 ", "logPS2x"})
    EXPECT_EQ(Parse({spelling}).MasterBuildFlags, 0u) << spelling;
  EXPECT_FALSE(Parse({"-MASTER"}).master_mode);
}

TEST(CommandLine, CheckAndMasterAreOneModeTheLaterWins) {
  CommandLineOptions check = Parse({"-check", "pathdb"});
  EXPECT_TRUE(check.check_mode);
  EXPECT_FALSE(check.master_mode);
  EXPECT_EQ(check.path_override, "db");
  EXPECT_TRUE(Parse({"-check", "-master"}).master_mode);
  EXPECT_FALSE(Parse({"-check", "-master"}).check_mode);
  EXPECT_TRUE(Parse({"-master", "-check"}).check_mode);
  EXPECT_FALSE(Parse({"-CHECK"}).check_mode);
}

TEST(CommandLine, AnyTokenStartingWithPathIsADatabasePath) {
  EXPECT_EQ(Parse({"pathfoobar"}).path_override, "foobar");
  EXPECT_EQ(Parse({"pathC:\\Spiel\\database"}).path_override, "C:\\Spiel\\database");
  EXPECT_EQ(Parse({"path"}).path_override, "");
  EXPECT_EQ(Parse({"pathology"}).path_override, "ology");
  EXPECT_EQ(Parse({"patha", "pathb"}).path_override, "b");
  EXPECT_EQ(Parse({"patha", "path"}).path_override, "");  // the last one wins, even when empty
  EXPECT_EQ(Parse({"Path/x"}).path_override, "");          // the prefix is case-sensitive
}

TEST(CommandLine, APathLongerThan259CharactersIsRefusedNotCut) {
  std::string longest(kMaxPathOverride, 'd');
  EXPECT_EQ(Parse({"path" + longest}).path_override, longest);
  CommandLineOptions o = Parse({"path" + longest + "x"});
  EXPECT_EQ(o.path_override, "");
  EXPECT_EQ(o.rejected_path, longest + "x");
  CommandLineOptions later = Parse({"path" + longest + "x", "pathshort"});
  EXPECT_EQ(later.path_override, "short");
  EXPECT_EQ(later.rejected_path, "");
}

TEST(CommandLine, ExpertModeWorksInBothModesAndUnknownTokensAreIgnored) {
  EXPECT_TRUE(Parse({"laternenpfahl_rund"}).ExpertMode);
  EXPECT_FALSE(Parse({"Laternenpfahl_rund"}).ExpertMode);
  CommandLineOptions o = Parse({"-master", "unknown", "", "-platform", "laternenpfahl_rund", "eng"});
  EXPECT_TRUE(o.master_mode);
  EXPECT_TRUE(o.ExpertMode);
  EXPECT_EQ(o.language, kLanguageEnglish);
  EXPECT_EQ(o.MasterBuildFlags, 0u);
}

}  // namespace torvale
