// Loading the sibling game's club, player and star-head lists.

#include <gtest/gtest.h>

#include "exchange/vela_club_mapping.h"
#include "exchange/vela_player_mapping.h"
#include "platform/text_encoding.h"

namespace torvale {
namespace {

TEST(VelaClubList, LinesAreFiledUnderTheirNormalisedName) {
  CVelaClubMapping clubs;
  clubs.LoadText(
      "101\tSpanien\t5\tReal Club Deportivo Mallorca S.A.D.\r\n"
      "102\tDeutschland\t6\t  Eintracht   Nord \r\n"
      "103\tDeutschland\t7\tZwilling\r\n"
      "104\tEngland\t8\tZwilling\n"          // a later line replaces the earlier one
      "0\tNirgends\t1\tNull FC\r\n"          // ids the exporter could not place
      "400\tNirgends\t1\tVierhundert FC\r\n"
      "105\t\t1\tOhne Beschreibung\r\n"
      "106\tLeer\t1\t   \r\n"
      "107\tKurz\r\n"
      "108\t" + std::string(60, 'd') + "\t3\tLang\r\n");

  ASSERT_EQ(clubs.Entries().size(), 4u);
  const VelaClubEntry* mallorca = clubs.Find("Real Club Deportivo Mallorca");
  ASSERT_NE(mallorca, nullptr);
  EXPECT_EQ(mallorca->id, 101u);
  EXPECT_EQ(mallorca->secondNumber, 5u);
  // The world's names are normalised before they are looked up, like the list's.
  EXPECT_NE(clubs.Find(" Eintracht  Nord"), nullptr);
  EXPECT_EQ(clubs.Find("Zwilling")->description, "England");
  EXPECT_EQ(clubs.Find("Lang")->description, std::string(51, 'd'));
  EXPECT_EQ(clubs.Find("real club deportivo mallorca"), nullptr);  // case matters
}

TEST(VelaClubList, CompanySuffixIsCutOnlyAtTheEnd) {
  EXPECT_EQ(CVelaClubMapping::ListName("Real Club Deportivo Mallorca S.A.D."), "Real Club Deportivo Mallorca");
  EXPECT_EQ(CVelaClubMapping::ListName("Real Betis S.A.D.  "), "Real Betis");
  EXPECT_EQ(CVelaClubMapping::ListName("S.A.D. Club"), "S.A.D. Club");
  EXPECT_EQ(CVelaClubMapping::ListName("S.A.D."), "");
}

TEST(VelaPlayerList, RecordsOfFourLinesUntilTheCheckFails) {
  CVelaPlayerMapping players;
  players.LoadPlayerIdText(
      "Hans  Huber\r\n11\r\n\r\n11\r\n"
      "Pedro Panadero\r\n12\r\n Pepe \r\n12\r\n"
      "hans huber\r\n13\r\npepe\r\n13\r\n"
      + std::string(70, 'n') + "\r\n14\r\n" + std::string(70, 'k') + "\r\n14\r\n"
      "Slipped\r\n15\r\nNick\r\n16\r\n"   // the check number differs: the list ends here
      "After\r\n17\r\n\r\n17\r\n",
      "VELA_PlayerIDs.txt");

  ASSERT_EQ(players.Records().size(), 4u);
  EXPECT_EQ(players.Records()[0].name, "Hans Huber");
  EXPECT_EQ(players.Records()[1].nickname, "Pepe");
  EXPECT_EQ(players.Records()[3].name, std::string(63, 'n'));
  EXPECT_EQ(players.Records()[3].nickname, std::string(59, 'k'));
  EXPECT_EQ(players.DoubleNames(), std::vector<std::string>{"hans huber"});
  EXPECT_EQ(players.DoubleNicks(), std::vector<std::string>{"pepe"});

  // Equal names ignoring case: the first of the file wins.
  EXPECT_EQ(players.FindPlayerId("HANS", "HUBER", "", ""), 11u);
  EXPECT_EQ(players.FindPlayerId("Peter", "Pan", "PEPE", ""), 12u);
  EXPECT_EQ(players.FindPlayerId("Peter", "Pan", "", "Pepe"), 12u);
  EXPECT_EQ(players.FindPlayerId("Peter", "Pan", "Nobody", " pepe"), 12u);
  EXPECT_EQ(players.FindPlayerId("Peter", "Pan", "", ""), 0u);
  EXPECT_EQ(players.FindPlayerId("After", "", "", ""), 0u);
}

TEST(VelaPlayerList, ANumberBelowOneEndsTheList) {
  CVelaPlayerMapping players;
  players.LoadPlayerIdText("A B\r\n1\r\n\r\n1\r\nC D\r\n0\r\n\r\n0\r\nE F\r\n2\r\n\r\n2\r\n", "x");
  EXPECT_EQ(players.Records().size(), 1u);
  players.LoadPlayerIdText("A B\r\n1\r\n\r\n", "x");  // an incomplete record is no record
  EXPECT_TRUE(players.Records().empty());
}

TEST(VelaStarHeads, GoalkeeperMarksAreCutInAnyCase) {
  EXPECT_EQ(CVelaPlayerMapping::StarHeadName("Daru (GK)"), "Daru");
  EXPECT_EQ(CVelaPlayerMapping::StarHeadName("Pim Keeper [gk]"), "Pim Keeper");
  EXPECT_EQ(CVelaPlayerMapping::StarHeadName("Pim  Keeper[Gk] "), "Pim Keeper");
  EXPECT_EQ(CVelaPlayerMapping::StarHeadName("[GK]"), "[GK]");  // nothing would be left
  EXPECT_EQ(CVelaPlayerMapping::StarHeadName("Daru (GK) Jr"), "Daru (GK) Jr");
}

TEST(VelaStarHeads, LookupFoldsAccentsOnBothSides) {
  CVelaPlayerMapping players;
  players.LoadStarHeadText(Utf8ToCp1252(
      "CErjan AEro\t301\t1\r\n"
      "Daru (GK)\t302\t7\r\n"
      "Jörg Weiß\t303\t0\r\n"
      "\r\n"
      "Jorg Weiss\t304\t0\r\n"));
  ASSERT_EQ(players.StarHeads().size(), 4u);
  EXPECT_EQ(players.StarHeads().at("Daru").secondNumber, 7u);
  EXPECT_EQ(players.FindStarHead(Utf8ToCp1252("Œrjan  Ærø"))->faceId, 301);
  EXPECT_EQ(players.FindStarHead("Daru")->faceId, 302);
  // Two names that fold alike: the first in name order answers.
  EXPECT_EQ(players.FindStarHead("Jorg Weiss")->faceId, 304);
  EXPECT_EQ(players.FindStarHead(Utf8ToCp1252("Jörg Weiß"))->faceId, 304);
  EXPECT_EQ(players.FindStarHead("cerjan aero"), nullptr);
}

}  // namespace
}  // namespace torvale
