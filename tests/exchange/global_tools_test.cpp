// The global tools read from an install folder, and older database files taking their
// sibling-game numbers from the loaded lists.

#include "exchange/global_tools.h"

#include <gtest/gtest.h>

#include "assets/big_writer.h"
#include "exchange/mapping_test_world.h"
#include "platform/atomic_file.h"
#include "platform/path.h"
#include "platform/text_encoding.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

using testing::MappingTestWorld;

// An install folder with the three lists (names spelled in other letter cases, as on the
// game's discs), the badge archive and the name files.
std::string MakeInstall(const test::ScratchDir& scratch) {
  scratch.MakeFile("database/vela_clubids.txt", "101\tSpanien\t5\tReal Club Deportivo Mallorca S.A.D.\r\n");
  scratch.MakeFile("database/VELA_PlayerIDs.txt", "Orjan Aero\r\n4711\r\nOrri\r\n4711\r\n");
  scratch.MakeFile("database/VELA2003_StarHeads.txt", "CErjan AEro [GK]\t301\t1\r\n");
  scratch.MakeFile("database/MaleNames.txt", "%14\r\nHans\r\n");
  scratch.MakeFile("database/FemaleNames.txt", "Anna\r\n");
  scratch.MakeFile("database/Surnames.txt", "Huber\r\n");
  EXPECT_TRUE(WriteBigArchive(scratch.path() + "/badges.big", {{"Badges\\A.TGA", {1, 2, 3}, false}}, {}));
  return scratch.path();
}

TEST(GlobalTools, InitLoadsEverythingBelowTheInstallFolder) {
  test::ScratchDir scratch;
  CGlobalTools tools;
  tools.Init(MakeInstall(scratch));

  EXPECT_EQ(tools.ClubMapping().Entries().size(), 1u);
  EXPECT_EQ(tools.PlayerMapping().Records().size(), 1u);
  EXPECT_EQ(tools.PlayerMapping().StarHeads().size(), 1u);
  EXPECT_TRUE(tools.BadgeArchive().IsOpen());
  EXPECT_TRUE(tools.BadgeArchive().IsReadOnly());
  EXPECT_EQ(tools.BadgeArchive().FindEntry("badges\\a.tga"), 0);
  EXPECT_EQ(tools.NameGenerator().DrawName(NameListKind::kMaleFirstNames, 14), "Hans");

  const SiblingGameLookup& lists = tools.SiblingLists();
  EXPECT_EQ(lists.FindSiblingClub("Real Club  Deportivo Mallorca")->secondNumber, 5u);
  EXPECT_FALSE(lists.FindSiblingClub("Mallorca"));
  EXPECT_EQ(lists.SiblingPlayerId("Ola", "Nordmann", "orri", ""), 4711u);
  EXPECT_EQ(lists.StarHead(Utf8ToCp1252("Œrjan Ærø")), 301);
  EXPECT_EQ(lists.StarHead("Ola Nordmann"), 0);
}

TEST(GlobalTools, MissingFilesLeaveEmptyListsAndReinitReplacesThem) {
  test::ScratchDir scratch;
  CGlobalTools tools;
  tools.Init(MakeInstall(scratch));
  std::vector<std::string> messages;
  const test::ScratchDir empty;
  tools.Init(empty.path(), [&](const std::string& text) { messages.push_back(text); });

  EXPECT_TRUE(tools.ClubMapping().Entries().empty());
  EXPECT_TRUE(tools.PlayerMapping().Records().empty());
  EXPECT_TRUE(tools.PlayerMapping().StarHeads().empty());
  EXPECT_FALSE(tools.BadgeArchive().IsOpen());
  EXPECT_EQ(messages.size(), 1u);  // the archive says it cannot be opened
  EXPECT_EQ(tools.SiblingLists().SiblingPlayerId("Orjan", "Aero", "", ""), 0u);
}

// A database saved by the 2004 edition before it stored the sibling numbers: its clubs and
// persons take them from the lists when the world loads.
TEST(GlobalTools, OlderFilesTakeTheirSiblingNumbersFromTheLists) {
  test::ScratchDir scratch;
  CGlobalTools tools;
  tools.Init(MakeInstall(scratch));

  MappingTestWorld source;
  CClub& club = source.AddClub(14, 1, "Real Club Deportivo Mallorca");
  source.AddPerson(club, "Ola", "Nordmann", "Orri");
  source.AddPerson(club, "Œrjan", "Ærø");
  const std::string folder = scratch.MakeDir("old");
  source.World().SetFolder(folder);
  testing::RecordingSaveReporter reporter;
  ASSERT_TRUE(source.World().Save(reporter));
  std::string text;
  ASSERT_TRUE(ReadWholeFile(folder + "/Country14.sav", text));
  // The current version number, 0x20040008, becomes 0x20040005.
  for (size_t at; (at = text.find("537133064")) != std::string::npos;) text.replace(at, 9, "537133061");
  ASSERT_TRUE(WriteWholeFile(folder + "/Country14.sav", text));

  const testing::TestDatabaseEnvironment tables;
  WorldEnvironment environment = tables.Environment();
  environment.sibling = &tools.SiblingLists();
  CWorldDatabase world(environment);
  world.InitEmptyWorld();
  world.Load(folder);

  const CClub* read = world.Country(14)->FindClub(MakeClubId(14, 1));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->siblingId, 101);
  EXPECT_EQ(read->kit.readyMade, 5);
  ASSERT_EQ(read->playerCount, 2);
  const CPlayer* ola = world.Persons().FindPlayer(read->PlayerIds()[0]);
  const CPlayer* orjan = world.Persons().FindPlayer(read->PlayerIds()[1]);
  ASSERT_TRUE(ola && orjan);
  EXPECT_EQ(ola->siblingId, 4711u);  // by the nickname
  EXPECT_EQ(ola->starHead, 0);
  EXPECT_EQ(orjan->starHead, 301);   // by the folded name
}

}  // namespace
}  // namespace torvale
