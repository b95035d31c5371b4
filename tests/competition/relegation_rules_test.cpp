#include <gtest/gtest.h>

#include <string>

#include "competition/league_system_layouts.h"
#include "competition/relegation_rules.h"
#include "platform/string_table.h"

namespace torvale {
namespace {

TEST(RelegationRulesTest, AllowedLeagueSizes) {
  for (int rule = REL_RULE_0; rule <= REL_RULE_5; ++rule) {
    EXPECT_TRUE(RelegationRuleAllowsTeams(rule, 2));
    EXPECT_TRUE(RelegationRuleAllowsTeams(rule, 40));
  }
  for (int rule : {REL_RULE_ENGLAND1, REL_RULE_ENGLAND2, REL_RULE_ENGLAND3}) {
    EXPECT_FALSE(RelegationRuleAllowsTeams(rule, 7));
    EXPECT_TRUE(RelegationRuleAllowsTeams(rule, 8));
    EXPECT_TRUE(RelegationRuleAllowsTeams(rule, 31));
    EXPECT_TRUE(RelegationRuleAllowsTeams(rule, 60));  // beyond the 32 bits of the set
  }
  EXPECT_TRUE(RelegationRuleAllowsTeams(REL_RULE_SCOTLAND, 12));
  EXPECT_FALSE(RelegationRuleAllowsTeams(REL_RULE_SCOTLAND, 10));
  EXPECT_FALSE(RelegationRuleAllowsTeams(REL_RULE_SCOTLAND, 44));  // 44 = 12 + 32
  EXPECT_TRUE(RelegationRuleAllowsTeams(REL_RULE_SWITZERLAND, 33));
  EXPECT_FALSE(RelegationRuleAllowsTeams(REL_RULE_HOLLAND, 18));
  for (int teams : {0, 1, 2, 3, 6, 8}) EXPECT_TRUE(RelegationRuleAllowsTeams(REL_RULE_INDOOR, teams));
  for (int teams : {4, 5, 7, 9, 38}) EXPECT_FALSE(RelegationRuleAllowsTeams(REL_RULE_INDOOR, teams));
  EXPECT_FALSE(RelegationRuleAllowsTeams(13, 18));
  EXPECT_FALSE(RelegationRuleAllowsTeams(REL_RULE_2, -1));

  // The league data editor's fall-back on confirmation.
  EXPECT_EQ(RelegationRuleForLeagueSize(REL_RULE_SCOTLAND, 10), REL_RULE_0);
  EXPECT_EQ(RelegationRuleForLeagueSize(REL_RULE_SCOTLAND, 12), REL_RULE_SCOTLAND);
  EXPECT_EQ(RelegationRuleForLeagueSize(REL_RULE_ENGLAND1, 6), REL_RULE_0);
  EXPECT_EQ(RelegationRuleForLeagueSize(REL_RULE_3, 6), REL_RULE_3);
}

TEST(RelegationRulesTest, OfferedRulesHaveTheirEditorTexts) {
  EXPECT_EQ(LoadString(RelegationRuleTextId(REL_RULE_0)), "keine Absteiger");
  EXPECT_EQ(LoadString(RelegationRuleTextId(REL_RULE_4)), "4 Absteiger");
  EXPECT_EQ(LoadString(RelegationRuleTextId(REL_RULE_SWITZERLAND)), "Schweizer System");
  EXPECT_EQ(RelegationRuleTextId(REL_RULE_HOLLAND), 0);
  // Every rule any layout offers can be shown.
  for (int n = 0; n < kLeagueSystemLayoutCount; ++n) {
    for (int level = 0; level < kLeagueLevels; ++level) {
      for (int rule = 0; rule < kRelegationRuleCount; ++rule) {
        if (GetLeagueSystemLayout(n)->Offers(level, rule)) {
          EXPECT_TRUE(HasString(RelegationRuleTextId(rule))) << n << "/" << level << "/" << rule;
        }
      }
    }
  }
}

TEST(LeagueSystemLayoutsTest, TextsMatchTheLeaguesPerLevelAndRulesNeedTheirLevels) {
  for (int n = 0; n < kLeagueSystemLayoutCount; ++n) {
    const LeagueSystemLayout& layout = *GetLeagueSystemLayout(n);
    SCOPED_TRACE(std::string(layout.text));
    std::string text;
    for (int count : layout.leaguesPerLevel) {
      if (count == 0) break;
      text += (text.empty() ? "" : "-") + std::to_string(count);
    }
    EXPECT_EQ(text.empty() ? "-" : text, layout.text);
    EXPECT_EQ(FindLeagueSystemLayout(layout.leaguesPerLevel), n);
    EXPECT_LE(layout.LeagueCount(), kMaxLeagues);
    for (int level = 0; level < kLeagueLevels; ++level) {
      const int here = layout.leaguesPerLevel[static_cast<size_t>(level)];
      const int below = level + 1 < kLeagueLevels ? layout.leaguesPerLevel[static_cast<size_t>(level + 1)] : 0;
      // A level that exists always offers "no relegation"; one that does not offers nothing.
      EXPECT_EQ(layout.Offers(level, REL_RULE_0), here > 0);
      // The rules with an extra competition are only offered where the builder can make it.
      if (layout.Offers(level, REL_RULE_ENGLAND1)) {
        EXPECT_EQ(below, 1);
      }
      if (layout.Offers(level, REL_RULE_SCOTLAND)) {
        EXPECT_EQ(here, 1);
      }
      if (layout.Offers(level, REL_RULE_SWITZERLAND)) {
        EXPECT_TRUE(here == 1 && below == 1);
      }
    }
  }
  EXPECT_EQ(GetLeagueSystemLayout(33), nullptr);
  EXPECT_EQ(GetLeagueSystemLayout(-1), nullptr);
  EXPECT_EQ(FindLeagueSystemLayout({2, 0, 0, 0, 0}), -1);
}

TEST(LeagueSystemLayoutsTest, SwitchingLayoutKeepsOnlyOfferedRules) {
  const LeagueSystemLayout& oneTwoFour = *GetLeagueSystemLayout(12);  // "1-2-4"
  EXPECT_EQ(KeepOfferedRules(oneTwoFour, {4, 2, 5, 3, 1}), (std::array<int, 5>{4, 2, 5, 0, 0}));
  EXPECT_EQ(KeepOfferedRules(oneTwoFour, {3, 3, 9, 0, 0}), (std::array<int, 5>{0, 0, 0, 0, 0}));
  const LeagueSystemLayout& single = *GetLeagueSystemLayout(1);  // "1"
  EXPECT_EQ(KeepOfferedRules(single, {9, 2, 0, 0, 0}), (std::array<int, 5>{9, 0, 0, 0, 0}));
  EXPECT_EQ(KeepOfferedRules(single, {6, 0, 0, 0, 0}), (std::array<int, 5>{0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace torvale
