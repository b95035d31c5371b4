// The master build end to end over worlds built in code: both passes agree, the file says its
// own length, headers offer exactly the complete countries, the console whitelist and file
// names, the logs, the club trim, and the reader accepting every built file.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "competition/league_system.h"
#include "competition/relegation_rules.h"
#include "master/master_reader.h"
#include "master/master_records.h"
#include "master_test_world.h"
#include "platform/command_line.h"
#include "platform/path.h"
#include "support/file_bytes.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

using testing::MasterTestWorld;

using test::ReadBytes;

uint32_t SizeWord(const std::vector<uint8_t>& bytes) {
  return bytes.size() < 4 ? 0 : bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

using test::ReadText;

size_t Occurrences(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(MasterBuild, NoCompleteCountryWritesNoFile) {
  for (uint32_t flags : {0u, static_cast<uint32_t>(kMasterBuildPs2)}) {
    MasterTestWorld world;
    world.AddIncomplete(14, "Deutschland", 12);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(world.Build(flags), MasterBuildResult::kNoCompleteCountries);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "No completed countries\n");
    EXPECT_FALSE(FileExists(JoinPath(world.folder, "Master.dat")));
    EXPECT_FALSE(FileExists(JoinPath(world.folder, "Master0.dat")));
  }
}

// One and many complete countries, PC and console: the writing pass fills exactly what the
// counting pass measured (Flush refuses otherwise), the size word is the length, and only the
// complete countries carry their league count.
TEST(MasterBuild, PassesAgreeAndHeadersOfferCompleteCountries) {
  struct Case {
    std::vector<int> playable;
    uint32_t flags;
  };
  for (const Case& c : {Case{{14}, 0}, Case{{14}, kMasterBuildPs2}, Case{{4, 14, 45, 120}, 0},
                        Case{{4, 14, 45, 120}, kMasterBuildPs2}}) {
    MasterTestWorld world;
    for (int id : c.playable) world.AddPlayable(id, "Land" + std::to_string(id));
    world.AddIncomplete(30, "Klein", 5);
    world.AddIncomplete(31, "Mittel", 9);  // enough clubs for the console's team summary
    std::string path;
    ASSERT_EQ(world.Build(c.flags, 1, true, &path), MasterBuildResult::kWritten);
    const bool ps2 = (c.flags & kMasterBuildPs2) != 0;
    EXPECT_EQ(path, JoinPath(world.folder, ps2 ? "Master1.dat" : "Master.dat"));
    const std::vector<uint8_t> bytes = ReadBytes(path);
    EXPECT_EQ(SizeWord(bytes), bytes.size());

    std::string error;
    const auto info = ReadMasterFile(bytes, &error);
    ASSERT_TRUE(info) << error;
    EXPECT_EQ(info->variant, ps2 ? MasterVariant::kPs2 : MasterVariant::kPc);
    ASSERT_EQ(info->headers.size(), 206u);
    for (int n = 1; n <= 206; ++n) {
      const bool offered = std::count(c.playable.begin(), c.playable.end(), n) != 0 && (!ps2 || IsOnConsoleWhitelist(n));
      EXPECT_EQ(info->headers[static_cast<size_t>(n - 1)].leagueCount, offered ? 2 : 0) << "country " << n;
    }
    EXPECT_EQ(info->headers[13].names.front(), ps2 ? "Land14-1" : "Land14");
    const MasterCountryInfo& germany = info->countries[13];
    EXPECT_EQ(germany.clubs, 20u);
    EXPECT_EQ(germany.persons, 40u);
    // Two leagues, the play-off below the first, FA cup, league cup group and super cup.
    EXPECT_GE(germany.competitions, 5u);
    EXPECT_EQ(info->countries[29].competitions, 0u) << "5 clubs are too few for competitions";
    EXPECT_EQ(world.language, 1);
  }
}

TEST(MasterBuild, ConsoleWhitelistAndFileNames) {
  EXPECT_TRUE(IsOnConsoleWhitelist(14));
  EXPECT_TRUE(IsOnConsoleWhitelist(167));
  EXPECT_FALSE(IsOnConsoleWhitelist(15));
  EXPECT_FALSE(IsOnConsoleWhitelist(0));
  int whitelisted = 0;
  for (int n = 0; n < 256; ++n) whitelisted += IsOnConsoleWhitelist(n) ? 1 : 0;
  EXPECT_EQ(whitelisted, 22);

  // The per-language name only for console builds in batch mode.
  EXPECT_EQ(MasterFileName("db", 3, true, kMasterBuildPs2), "db/Master3.dat");
  EXPECT_EQ(MasterFileName("db", 3, false, kMasterBuildPs2), "db/Master.dat");
  EXPECT_EQ(MasterFileName("db", 3, true, 0), "db/Master.dat");

  // A playable country off the whitelist is complete on the PC only.
  MasterTestWorld world;
  CCountry& off = world.AddPlayable(15, "Aus");
  EXPECT_TRUE(IsCountryComplete(off, 0));
  EXPECT_FALSE(IsCountryComplete(off, kMasterBuildPs2));
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(world.Build(kMasterBuildPs2), MasterBuildResult::kNoCompleteCountries);
  ::testing::internal::GetCapturedStdout();
}

TEST(MasterBuild, LogsGrowByTwoCopiesPerBuild) {
  MasterTestWorld world;
  CCountry& germany = world.AddPlayable(14, "Deutschland");
  CClub* club = germany.FindClub(MakeClubId(14, 3));
  ASSERT_NE(club, nullptr);
  SetFixedText(club->badgeFile, "Data\\Badge\\3.tga");
  const uint32_t flags = kMasterBuildOutputBadge | kMasterBuildOutputKits | kMasterBuildOutputStadium |
                         kMasterBuildLogPs2 | kMasterBuildPs2;
  for (int build = 1; build <= 2; ++build) {
    ASSERT_EQ(world.Build(flags), MasterBuildResult::kWritten);
    const std::string kits = ReadText(JoinPath(world.scratch.path(), "kits.txt"));
    char kitLine[128];
    std::snprintf(kitLine, sizeof kitLine, "  %-30s, 01, 01, 01, 01, 00,", "Verein 3");
    EXPECT_EQ(Occurrences(kits, kitLine), 2u * build);
    EXPECT_EQ(Occurrences(kits, "\r\nDeutschland\r\n"), 2u * build) << "the country's line";
    const std::string badges = ReadText(JoinPath(world.scratch.path(), "badges.txt"));
    char badgeLine[128];
    std::snprintf(badgeLine, sizeof badgeLine, "  %-30s %s\r\n", "Verein 3", "Data\\Badge\\3.tga");
    EXPECT_EQ(Occurrences(badges, badgeLine), 2u * build);
    const std::string stadium = ReadText(JoinPath(world.scratch.path(), "stadium.txt"));
    char stadiumLine[128];
    std::snprintf(stadiumLine, sizeof stadiumLine, "  %-30s %d\r\n", "Verein 3", 0);
    EXPECT_EQ(Occurrences(stadium, stadiumLine), 2u * build);
    const std::string ps2 = ReadText(JoinPath(world.scratch.path(), "logPS2_Database.txt"));
    EXPECT_EQ(Occurrences(ps2, "    Spieler          Nr3                  VELAID 00000 HairC 02 SkinCol 00 "
                               "FaceStyle 01 HairStyle 05 Facial 01 Star 0000\r\n"),
              2u * build);
  }
}

TEST(MasterBuild, LogsStayAwayWithoutTheirBits) {
  MasterTestWorld world;
  world.AddPlayable(14, "Deutschland");
  ASSERT_EQ(world.Build(0), MasterBuildResult::kWritten);
  for (const char* log : {"badges.txt", "kits.txt", "stadium.txt", "logPS2_Database.txt"})
    EXPECT_FALSE(FileExists(JoinPath(world.scratch.path(), log))) << log;
}

TEST(MasterBuild, InteractiveBuildAsksAndNamesTheFileMasterDat) {
  struct Recorder final : MasterBuildPrompts {
    std::vector<std::string> shown;
    bool answer = true;
    void ShowSingle(std::string_view heading, std::string_view text) override {
      shown.push_back(std::string(heading) + "|" + std::string(text));
    }
    bool AskMessage(std::string_view heading, std::string_view text) override {
      shown.push_back(std::string(heading) + "|" + std::string(text));
      return answer;
    }
  };
  MasterTestWorld world;
  world.AddPlayable(14, "Deutschland");
  world.AddPlayable(45, "Spanien");
  Recorder prompts;
  SilentProgress progress;
  MasterBuildOptions options;
  options.batch = false;
  options.flags = kMasterBuildPs2;
  options.logFolder = world.scratch.path();
  prompts.answer = false;
  EXPECT_EQ(BuildMaster(world, options, {}, progress, prompts), MasterBuildResult::kNotConfirmed);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_NE(prompts.shown[0].find("|Deutschland, Spanien\n"), std::string::npos) << prompts.shown[0];
  EXPECT_FALSE(FileExists(JoinPath(world.folder, "Master.dat")));

  prompts.answer = true;
  std::string path;
  EXPECT_EQ(BuildMaster(world, options, {}, progress, prompts, &path), MasterBuildResult::kWritten);
  EXPECT_EQ(path, JoinPath(world.folder, "Master.dat"));
  EXPECT_EQ(progress.Position(), 2 * 206 + 206);
  EXPECT_EQ(prompts.shown.back(), "Datenbank gespeichert!|");
}

TEST(MasterBuild, UnwritableFolderFailsWithoutAFile) {
  MasterTestWorld world;
  world.AddPlayable(14, "Deutschland");
  world.folder = JoinPath(world.scratch.path(), "missing/database");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(world.Build(0), MasterBuildResult::kWriteFailed);
  ::testing::internal::GetCapturedStderr();
}

uint32_t LoadU32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

void AddToU32(std::vector<uint8_t>& bytes, size_t at, int64_t delta) {
  const uint32_t value = static_cast<uint32_t>(LoadU32(bytes, at) + delta);
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

// Where the record of competition `id` (its id and node type `type`) starts, from `from` on.
size_t FindRecord(const std::vector<uint8_t>& bytes, size_t from, uint32_t id, uint16_t type) {
  const uint8_t head[6] = {uint8_t(id), uint8_t(id >> 8), uint8_t(id >> 16), uint8_t(id >> 24), uint8_t(type), 0};
  const auto at = std::search(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(), head, head + 6);
  return static_cast<size_t>(at - bytes.begin());
}

// The game reads one play-off record per league that has one, so the Swiss play-off, which
// follows both of the first two leagues, is written twice; a block that lists it once (as the
// country's text record does) is not what the game reads and the reader refuses it.
TEST(MasterBuild, APlayOffFollowingTwoLeaguesIsWrittenForEachLeague) {
  MasterTestWorld world;
  world.AddPlayable(4, "Land4");  // the build needs one complete country
  CCountry& swiss = world.AddPlayable(14, "Schweiz");
  LevelRules rules{};
  rules[0] = REL_RULE_SWITZERLAND;
  BuildRelegationStructure(swiss, rules);
  const CompetitionId first = MakeCompetitionId(14, CompKind::LEAGUE, 0);
  const CompetitionId second = MakeCompetitionId(14, CompKind::LEAGUE, 1);
  const CompetitionId playOff = world.world.registry.FindCompetition(first)->GetSuccessor(0);
  ASSERT_EQ(CompetitionKindOf(playOff), CompKind::SWITZERLAND);
  ASSERT_EQ(world.world.registry.FindCompetition(second)->GetSuccessor(0), playOff);
  std::vector<uint32_t> cups;
  for (int kind : {CompKind::FA_CUP, CompKind::LE_CUP, CompKind::CONFERENCE_CUP, CompKind::CHALLENGE_SHIELD,
                   CompKind::SUPERCUP})
    if (world.world.registry.FindCompetition(MakeCompetitionId(14, kind, 0))) cups.push_back(MakeCompetitionId(14, kind, 0));
  ASSERT_FALSE(cups.empty());

  std::string path;
  ASSERT_EQ(world.Build(0, 0, true, &path), MasterBuildResult::kWritten);
  std::vector<uint8_t> bytes = ReadBytes(path);
  std::string error;
  const auto info = ReadMasterFile(bytes, &error);
  ASSERT_TRUE(info) << error;
  std::vector<uint32_t> expected = {first, second, playOff, playOff};
  expected.insert(expected.end(), cups.begin(), cups.end());
  EXPECT_EQ(info->countries[13].competitionIds, expected);

  // The same file with the play-off once, every size word mended: the reader says what is missing.
  const size_t country = info->countries[13].offset;
  const size_t block = FindRecord(bytes, country, first, 1);
  const size_t once = FindRecord(bytes, block, playOff, 3);
  const size_t twice = FindRecord(bytes, once + 1, playOff, 3);
  ASSERT_LT(twice, bytes.size());
  const int64_t removed = static_cast<int64_t>(twice - once);
  bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(twice), bytes.begin() + static_cast<std::ptrdiff_t>(twice - once + twice));
  AddToU32(bytes, 0, -removed);
  AddToU32(bytes, country, -removed);
  AddToU32(bytes, block - 4, -removed);
  EXPECT_FALSE(ReadMasterFile(bytes, &error));
  EXPECT_NE(error.find("play-off"), std::string::npos) << error;
}

// ---------------------------------------------------------------- the club trim of "killdata"

TEST(ClubTrim, KeepsTheClubsTheCompetitionsUseAndTrimsTo100) {
  MasterTestWorld world;
  CCountry& germany = world.AddPlayable(14, "Deutschland");
  for (int n = 21; n <= 130; ++n)
    germany.AddClub(std::make_unique<CClub>(), static_cast<uint16_t>(n));
  ASSERT_EQ(germany.Clubs().size(), 131u);  // 130 and the amateur club
  std::string shown;
  EXPECT_EQ(TrimCountryClubs(germany, world.world.registry, 100, [&](std::string_view m) { shown = m; }), 31);
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(germany.Clubs().size(), 100u);
  for (int n = 1; n <= 20; ++n) EXPECT_NE(germany.FindClub(MakeClubId(14, n)), nullptr) << "league club " << n;
  EXPECT_EQ(germany.FindClub(MakeClubId(14, 51)), nullptr);
  EXPECT_NE(germany.FindClub(MakeClubId(14, 52)), nullptr);
  EXPECT_NE(germany.AmateurClub(), nullptr);
}

TEST(ClubTrim, RefusesWhenTheCompetitionsUseMoreThanTheLimit) {
  MasterTestWorld world;
  CCountry& germany = world.AddPlayable(14, "Deutschland");
  for (int n = 21; n <= 130; ++n) germany.AddClub(std::make_unique<CClub>(), static_cast<uint16_t>(n));
  // Two leagues of 10 teams count 20 entries; a limit of 19 is exceeded.
  std::string shown;
  EXPECT_EQ(TrimCountryClubs(germany, world.world.registry, 19, [&](std::string_view m) { shown = m; }), -1);
  EXPECT_EQ(shown, "To many Teams used in current competition structure, please remove some leagues!");
  EXPECT_EQ(germany.Clubs().size(), 131u);
}

}  // namespace
}  // namespace torvale
