#include <gtest/gtest.h>

#include <utility>

#include "competition/competition_id.h"
#include "competition/competition_keywords.h"

namespace torvale {
namespace {

TEST(CompetitionIdTest, PacksCountryKindAndIndex) {
  EXPECT_EQ(MakeCompetitionId(250, CompKind::CHAMPIONSLEAGUE, 0), 0xFA090000u);
  EXPECT_EQ(MakeCompetitionId(14, CompKind::LEAGUE, 3), 0x0E010003u);
  CompetitionId id = MakeCompetitionId(206, CompKind::SWITZERLAND, 65535);
  EXPECT_EQ(CompetitionCountry(id), 206);
  EXPECT_EQ(CompetitionKindOf(id), CompKind::SWITZERLAND);
  EXPECT_EQ(CompetitionIndex(id), 65535);
  EXPECT_EQ(WithCountry(id, 14), MakeCompetitionId(14, CompKind::SWITZERLAND, 65535));
}

TEST(CompetitionIdTest, TextFormWritesInternationalCountryAsSignedByte) {
  EXPECT_EQ(FormatCompetitionId(0xFA090000u), "{ -6, CHAMPIONSLEAGUE, 0 }");
  EXPECT_EQ(FormatCompetitionId(0x0E010003u), "{ 14, LEAGUE, 3 }");
  EXPECT_EQ(FormatCompetitionId(0x0E010003u, 45), "{ 45, LEAGUE, 3 }");

  EXPECT_EQ(ParseCompetitionId("{ -6, CHAMPIONSLEAGUE, 0 }"), 0xFA090000u);
  EXPECT_EQ(ParseCompetitionId("  x {14,LE_CUP,0}"), MakeCompetitionId(14, CompKind::LE_CUP, 0));
  EXPECT_EQ(ParseCompetitionId("0"), 0u);
  size_t consumed = 0;
  ParseCompetitionId("{ 1, REL1, 2 },{ 1, REL2, 0 }", &consumed);
  EXPECT_EQ(consumed, 14u);
}

TEST(CompetitionIdTest, EveryNamedKindSurvivesItsTextForm) {
  for (int kind = 0; kind <= 26; ++kind) {
    std::string_view name = CompetitionKindName(kind);
    if (kind == 2) {
      EXPECT_EQ(name, "");  // the one value without a name
      continue;
    }
    ASSERT_FALSE(name.empty()) << kind;
    EXPECT_EQ(CompetitionKindFromName(name, -1), kind) << name;
    CompetitionId id = MakeCompetitionId(3, kind, 7);
    EXPECT_EQ(ParseCompetitionId(FormatCompetitionId(id)), id) << name;
  }
  EXPECT_EQ(CompetitionKindFromName("NOTHING", 99), 99);
}

TEST(KeywordTest, NamesMatchAtTheStartOverTheirOwnLength) {
  EXPECT_EQ(FindKeyword(kRelegationRuleNames, "  REL_RULE_ENGLAND1", 0), 6);
  EXPECT_EQ(FindKeyword(kRelegationRuleNames, "REL_RULE_1x", 0), 1);
  // The first match in table order wins, so a longer name behind a shorter one is shadowed.
  EXPECT_EQ(FindKeyword(kRoundTypeNames, "ROUND_11", -1), 2);
  EXPECT_EQ(FindKeyword(kRoundTypeNames, "ROUND_FINAL", -1), 10);
  EXPECT_EQ(FindKeyword(kRoundTypeNames, "FINAL", -1), -1);
  EXPECT_EQ(FindKeyword(kTeamSelectionNames, "GET_UEFA5_SURE_TAB, 1, 2", 26), 5);
  EXPECT_EQ(FindKeyword(kTeamSelectionNames, "GET_SOMETHING", SelectRule::UNKNOWN), 26);
  EXPECT_EQ(FindKeyword(kPoolSortNames, "POOL_SORT_MAP_WEST_EAST", 0), 4);
  EXPECT_EQ(FindKeyword(kRoundIdNames, "ID_GROUP_H", 0), 16);
  EXPECT_EQ(FindKeyword(kNodeTypeNames, "DB_POOL", -1), 5);

  EXPECT_EQ(KeywordName(kRoundTypeNames, 11), "");
  EXPECT_EQ(KeywordName(kRelegationRuleNames, 12), "REL_RULE_INDOOR");
  EXPECT_EQ(KeywordName(kTeamSelectionNames, 25), "GET_TAB_LEVEL_INDOOR");
}

TEST(KeywordTest, MatchRuleFlagsAreWrittenInTableOrder) {
  int32_t flags = ParseMatchRules("BEG_WITH_PENALTY,  BEG_2ND_LEG,BEG_WITH_EXTRA_TIME");
  EXPECT_EQ(flags, 0x15);
  EXPECT_EQ(FormatMatchRules(flags), "BEG_2ND_LEG, BEG_WITH_EXTRA_TIME, BEG_WITH_PENALTY");
  // BEG_1ST_LEG is zero: it adds nothing and is never written.
  EXPECT_EQ(ParseMatchRules("BEG_1ST_LEG"), 0);
  EXPECT_EQ(FormatMatchRules(0), "0");
  EXPECT_EQ(ParseMatchRules("0"), 0);
  EXPECT_EQ(ParseMatchRules("BEG_WITHOUT_AWAY_GOAL, BEG_FINISHED"), 0x8008000);
}

TEST(KeywordTest, CupVariantFollowsTheLowByteOfTheAllocation) {
  const std::pair<int32_t, const char*> cases[] = {
      {1, "DB_CUP"},          {65543, "DB_CUP"},        {16, "DB_CUP"},  {11, "DB_REL1"},
      {12, "DB_REL2"},        {20, "DB_REL3"},          {13, "DB_CHALLENGE"},
      {14, "DB_CONFERENCE"},  {19, "DB_SWITZERLAND"},   {0, ""},         {9, ""}, {17, ""}};
  for (auto [allocation, name] : cases) EXPECT_EQ(CupVariantName(allocation), name) << allocation;
}

}  // namespace
}  // namespace torvale
