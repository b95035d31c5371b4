#include <gtest/gtest.h>

#include <algorithm>
#include <typeinfo>
#include <vector>

#include "competition/competition_texts.h"
#include "competition/cup.h"
#include "competition/league_system.h"
#include "competition/league_system_layouts.h"
#include "competition/relegation_rules.h"
#include "league_test_country.h"

namespace torvale {
namespace {

using testing_support::Predecessors;
using testing_support::Successors;
using testing_support::TestCountry;

constexpr LevelRules kNoRules{};

LevelRules RuleAt(int boundary, int rule) {
  LevelRules rules{};
  rules[static_cast<size_t>(boundary)] = rule;
  return rules;
}

int CountKind(const CompetitionRegistry& registry, int kind) {
  int n = 0;
  registry.ForEach([&](CDBCompetition& node) { n += node.Kind() == kind; });
  return n;
}

int ExtraCompetitions(const CompetitionRegistry& registry) {
  int n = 0;
  registry.ForEach([&](CDBCompetition& node) { n += IsRelegationKind(node.Kind()); });
  return n;
}

// A country of `counts` leagues per level on which `rules` were then built.
struct Built {
  Built(const LevelCounts& counts, const LevelRules& rules) {
    SetLeagueSystem(country, counts, kNoRules);
    BuildRelegationStructure(country, rules);
  }
  CompetitionRegistry registry;
  TestCountry country{registry};
};

// What a build that cannot carry the rule leaves: the rules kept, and no extra competition.
LevelRules KeptWithoutExtras(const LevelCounts& counts, const LevelRules& rules) {
  Built b(counts, rules);
  EXPECT_EQ(ExtraCompetitions(b.registry), 0);
  return b.country.rules;
}

TEST(RelegationBuilderTest, EnglishRulesGiveTheLeagueBelowAPlayoffCup) {
  struct Case {
    int rule;
    int kind;
    int allocation;
    const std::type_info& type;  // the class a reader makes of the cup's record
  };
  for (const Case& c : {Case{6, CompKind::REL1, 11, typeid(CDBRelEngland1)},
                        Case{7, CompKind::REL2, 12, typeid(CDBRelEngland2)},
                        Case{8, CompKind::REL3, 20, typeid(CDBRelEngland3)}}) {
    for (int k = 0; k < 4; ++k) {
      SCOPED_TRACE(testing::Message() << "rule " << c.rule << " below level " << k);
      Built b({1, 1, 1, 1, 1}, RuleAt(k, c.rule));
      auto* cup = b.registry.Find<CDBCup>(MakeCompetitionId(14, c.kind, 0));
      ASSERT_NE(cup, nullptr);
      EXPECT_EQ(typeid(*cup), c.type);
      EXPECT_EQ(cup->GetAllocation(), c.allocation);
      EXPECT_EQ(cup->Level(), k + 1);
      EXPECT_STREQ(cup->Name(), "Relegation");
      EXPECT_EQ(cup->Owner(), MakeCompetitionId(14, CompKind::ROOT, 0));
      CDBLeague& below = b.country.League(k + 1);
      EXPECT_EQ(Successors(below), std::vector<CompetitionId>{cup->Id()});
      EXPECT_EQ(Predecessors(*cup), std::vector<CompetitionId>{below.Id()});
      EXPECT_EQ(below.RelegationRule(), c.rule);
      EXPECT_EQ(b.country.rules, RuleAt(k, c.rule));
      EXPECT_EQ(ExtraCompetitions(b.registry), 1);
    }
  }
  // Below the lowest level, or above an empty one, nobody can play the play-off.
  EXPECT_EQ(KeptWithoutExtras({1, 1, 1, 1, 1}, RuleAt(4, 6)), kNoRules);
  EXPECT_EQ(KeptWithoutExtras({1, 0, 0, 0, 0}, RuleAt(0, 7)), kNoRules);

  // Two leagues below: the rule goes, and so does the rule of both those leagues.
  Built two({1, 2, 0, 0, 0}, kNoRules);
  for (int i : {1, 2}) two.country.League(i).SetRelegationRule(3);
  two.country.League(0).SetRelegationRule(2);
  BuildRelegationStructure(two.country, RuleAt(0, 8));
  EXPECT_EQ(two.country.rules, kNoRules);
  EXPECT_EQ(two.country.League(1).RelegationRule(), 0);
  EXPECT_EQ(two.country.League(2).RelegationRule(), 0);
  EXPECT_EQ(two.country.League(0).RelegationRule(), 2);
  EXPECT_EQ(ExtraCompetitions(two.registry), 0);
}

TEST(RelegationBuilderTest, ScottishRuleSplitsTheLeagueItself) {
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(testing::Message() << "level " << k);
    Built b({1, 1, 1, 1, 1}, RuleAt(k, REL_RULE_SCOTLAND));
    auto* split = b.registry.Find<CDBRelScottland1>(MakeCompetitionId(14, CompKind::SCOTT1, 0));
    ASSERT_NE(split, nullptr);
    EXPECT_EQ(split->Level(), k);
    EXPECT_STREQ(split->Name(), "Relegation");
    EXPECT_EQ(Successors(b.country.League(k)), std::vector<CompetitionId>{split->Id()});
    EXPECT_EQ(Predecessors(*split), std::vector<CompetitionId>{b.country.League(k).Id()});
    EXPECT_EQ(b.country.rules, RuleAt(k, REL_RULE_SCOTLAND));
  }
  EXPECT_EQ(KeptWithoutExtras({1, 1, 0, 0, 0}, RuleAt(2, REL_RULE_SCOTLAND)), kNoRules);

  Built two({1, 2, 0, 0, 0}, kNoRules);
  two.country.League(1).SetRelegationRule(4);
  BuildRelegationStructure(two.country, RuleAt(1, REL_RULE_SCOTLAND));
  EXPECT_EQ(two.country.rules, kNoRules);
  EXPECT_EQ(two.country.League(1).RelegationRule(), 0);
  EXPECT_EQ(ExtraCompetitions(two.registry), 0);
}

TEST(RelegationBuilderTest, SwissRuleLinksAPlayoffToBothTiers) {
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(testing::Message() << "below level " << k);
    Built b({1, 1, 1, 1, 1}, RuleAt(k, REL_RULE_SWITZERLAND));
    auto* playoff = b.registry.Find<CDBRelSwitzerland>(MakeCompetitionId(14, CompKind::SWITZERLAND, 0));
    ASSERT_NE(playoff, nullptr);
    EXPECT_EQ(playoff->GetAllocation(), 19);
    EXPECT_EQ(playoff->Level(), k);
    const CDBLeague& upper = b.country.League(k);
    const CDBLeague& lower = b.country.League(k + 1);
    EXPECT_EQ(Predecessors(*playoff), (std::vector<CompetitionId>{upper.Id(), lower.Id()}));
    EXPECT_EQ(Successors(upper), std::vector<CompetitionId>{playoff->Id()});
    EXPECT_EQ(Successors(lower), std::vector<CompetitionId>{playoff->Id()});
    EXPECT_EQ(upper.RelegationRule(), REL_RULE_SWITZERLAND);
    EXPECT_EQ(b.country.rules, RuleAt(k, REL_RULE_SWITZERLAND));
  }
  EXPECT_EQ(KeptWithoutExtras({1, 1, 1, 1, 1}, RuleAt(4, REL_RULE_SWITZERLAND)), kNoRules);
  EXPECT_EQ(KeptWithoutExtras({1, 0, 0, 0, 0}, RuleAt(0, REL_RULE_SWITZERLAND)), kNoRules);
  // One league above, two below: nothing is built, but the rule stays chosen.
  EXPECT_EQ(KeptWithoutExtras({1, 2, 0, 0, 0}, RuleAt(0, REL_RULE_SWITZERLAND)),
            RuleAt(0, REL_RULE_SWITZERLAND));
}

TEST(RelegationBuilderTest, PlainRulesBuildNothingAndNewRulesReplaceOldPlayoffs) {
  CompetitionRegistry registry;
  TestCountry country(registry);
  SetLeagueSystem(country, {1, 1, 1, 0, 0}, kNoRules);
  const size_t plain = registry.Size();
  BuildRelegationStructure(country, {1, 2, 3, 4, 5});
  EXPECT_EQ(registry.Size(), plain);
  EXPECT_EQ(country.rules, (LevelRules{1, 2, 3, 4, 5}));

  BuildRelegationStructure(country, {6, 10, 0, 0, 0});
  EXPECT_EQ(CountKind(registry, CompKind::REL1), 1);
  EXPECT_EQ(CountKind(registry, CompKind::SWITZERLAND), 1);
  EXPECT_EQ(country.League(1).SuccessorCount(), 2);  // its English play-off and the Swiss one
  EXPECT_EQ(country.League(1).RelegationRule(), REL_RULE_SWITZERLAND);

  // New rules delete every play-off the leagues fed before building the new ones.
  BuildRelegationStructure(country, {9, 0, 7, 0, 0});
  EXPECT_EQ(CountKind(registry, CompKind::REL1), 0);
  EXPECT_EQ(CountKind(registry, CompKind::SWITZERLAND), 0);
  EXPECT_EQ(CountKind(registry, CompKind::SCOTT1), 1);
  EXPECT_EQ(country.League(1).SuccessorCount(), 0);
  EXPECT_EQ(country.rules, (LevelRules{9, 0, 0, 0, 0}));  // 7 below level 2: no level 3
}

TEST(RelegationBuilderTest, UnchangedRulesOnlyRelinkTheExistingPlayoffs) {
  CompetitionRegistry registry;
  TestCountry country(registry);
  SetLeagueSystem(country, {1, 1, 1, 0, 0}, kNoRules);
  BuildRelegationStructure(country, {6, 8, 0, 0, 0});
  auto* rel1 = registry.Find<CDBCup>(MakeCompetitionId(14, CompKind::REL1, 0));
  auto* rel3 = registry.Find<CDBCup>(MakeCompetitionId(14, CompKind::REL3, 0));
  ASSERT_TRUE(rel1 && rel3);
  rel1->SetDayMatchday(330, 1);
  rel1->RemovePredecessor(country.League(1).Id());
  rel3->SetLevel(4);
  const size_t nodes = registry.Size();

  BuildRelegationStructure(country, {6, 8, 0, 0, 0});
  EXPECT_EQ(registry.Size(), nodes);
  EXPECT_EQ(registry.Find<CDBCup>(MakeCompetitionId(14, CompKind::REL1, 0)), rel1);
  EXPECT_EQ(rel1->DayMatchday(330), 1);
  EXPECT_EQ(Predecessors(*rel1), std::vector<CompetitionId>{country.League(1).Id()});
  EXPECT_EQ(rel3->Level(), 2);
  // Relinking again adds no second copy.
  BuildRelegationStructure(country, {6, 8, 0, 0, 0});
  EXPECT_EQ(Predecessors(*rel1), std::vector<CompetitionId>{country.League(1).Id()});
  EXPECT_EQ(Successors(country.League(1)), std::vector<CompetitionId>{rel1->Id()});
}

TEST(LeagueSystemTest, RebuildFromOneOneOneToOneOneTwoFourKeepsTheTakenOverLeagues) {
  CompetitionRegistry registry;
  TestCountry country(registry);
  const LeagueSystemLayout& from = *GetLeagueSystemLayout(FindLeagueSystemLayout({1, 1, 1, 0, 0}));
  ASSERT_EQ(from.text, "1-1-1");
  ASSERT_TRUE(SetLeagueSystem(country, from.leaguesPerLevel, kNoRules));
  BuildRelegationStructure(country, {6, 2, 0, 0, 0});
  const char* names[] = {"Premier", "Championship", "League One"};
  for (int i = 0; i < 3; ++i) {
    CDBLeague& league = country.League(i);
    league.SetName(names[i]);
    league.SetNumberOfTeams(12 + 2 * i);
    country.FillTeams(league, 1 + 20 * i);
    league.AddMatchday(20 + i);
    league.Fixtures().SetPair(0, 0, 1, 2);
  }
  country.League(2).SetSpectatorMultiplier(33);
  auto* playoff = registry.Find<CDBCup>(MakeCompetitionId(14, CompKind::REL1, 0));
  ASSERT_NE(playoff, nullptr);

  const LeagueSystemLayout& to = *GetLeagueSystemLayout(20);
  ASSERT_EQ(to.text, "1-1-2-4");
  const LevelRules kept = KeepOfferedRules(to, StoredRelegationRules(country));
  EXPECT_EQ(kept, (LevelRules{6, 2, 0, 0, 0}));
  ASSERT_TRUE(SetLeagueSystem(country, to.leaguesPerLevel, kept));

  EXPECT_EQ(country.leagueCount, 8);
  EXPECT_EQ(country.first, (std::array<int, 5>{0, 1, 2, 4, 8}));
  EXPECT_EQ(country.end, (std::array<int, 5>{1, 2, 4, 8, 8}));
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const CDBLeague& league = country.League(i);
    EXPECT_STREQ(league.Name(), names[i]);
    EXPECT_EQ(league.NumberOfTeams(), 12 + 2 * i);
    EXPECT_EQ(league.TeamCount(), 12 + 2 * i);
    EXPECT_EQ(league.GetTeam(0), country.Club(1 + 20 * i));
    EXPECT_EQ(league.DayMatchday(20 + i), 1);
    EXPECT_EQ(league.Fixtures().GetPair(0, 0), (CDBFixturelist::Pair{1, 2}));
    EXPECT_EQ(league.Level(), std::min(i, 2));
  }
  // The second league of level 2 copies the settings of the first, not its season.
  const CDBLeague& sister = country.League(3);
  EXPECT_STREQ(sister.Name(), "League One");
  EXPECT_EQ(sister.NumberOfTeams(), 16);
  EXPECT_EQ(sister.SpectatorMultiplier(), 33);
  EXPECT_EQ(sister.Level(), 2);
  EXPECT_EQ(sister.TeamCount(), 0);
  EXPECT_EQ(sister.DayMatchday(22), 0);
  EXPECT_TRUE(sister.Fixtures().IsComplete());  // the default fixture list
  EXPECT_EQ(sister.SuccessorCount(), 0);
  // Level 3 is new: default leagues with the default fixture list.
  for (int i = 4; i < 8; ++i) {
    const CDBLeague& fresh = country.League(i);
    EXPECT_EQ(fresh.Level(), 3);
    EXPECT_EQ(fresh.NumberOfTeams(), 18);
    EXPECT_EQ(fresh.Owner(), MakeCompetitionId(14, CompKind::ROOT, 0));
    EXPECT_TRUE(fresh.Fixtures().IsComplete());
  }
  // The rules did not change: the play-off stays and stays with the second league.
  EXPECT_EQ(registry.Find<CDBCup>(MakeCompetitionId(14, CompKind::REL1, 0)), playoff);
  EXPECT_EQ(Predecessors(*playoff), std::vector<CompetitionId>{country.League(1).Id()});
  EXPECT_EQ(Successors(country.League(1)), std::vector<CompetitionId>{playoff->Id()});
  EXPECT_EQ(country.League(1).RelegationRule(), 6);
}

TEST(LeagueSystemTest, LinksFollowALeagueToItsNewIdAndLeaveWithARemovedOne) {
  CompetitionRegistry registry;
  TestCountry country(registry);
  SetLeagueSystem(country, {1, 1, 1, 0, 0}, {0, 6, 0, 0, 0});
  // Building from an empty country: rules were all 0, so the play-off is built now.
  auto* playoff = registry.Find<CDBCup>(MakeCompetitionId(14, CompKind::REL1, 0));
  ASSERT_NE(playoff, nullptr);
  const uint32_t club = country.Club(77);
  country.League(2).SetNumberOfTeams(1);
  country.League(2).AddTeam(club);

  // A second league on level 1 pushes the level-2 league from index 2 to 3.
  ASSERT_TRUE(SetLeagueSystem(country, {1, 2, 1, 0, 0}, {0, 6, 0, 0, 0}));
  EXPECT_EQ(country.League(3).GetTeam(0), club);
  EXPECT_EQ(Predecessors(*playoff), std::vector<CompetitionId>{country.League(3).Id()});
  EXPECT_EQ(Successors(country.League(3)), std::vector<CompetitionId>{playoff->Id()});
  EXPECT_EQ(country.League(2).SuccessorCount(), 0);

  // The Swiss play-off of two tiers loses the tier that goes away.
  CompetitionRegistry swissRegistry;
  TestCountry swiss(swissRegistry);
  SetLeagueSystem(swiss, {1, 1, 0, 0, 0}, RuleAt(0, REL_RULE_SWITZERLAND));
  auto* twoTier = swissRegistry.Find<CDBCup>(MakeCompetitionId(14, CompKind::SWITZERLAND, 0));
  ASSERT_NE(twoTier, nullptr);
  SetLeagueSystem(swiss, {1, 0, 0, 0, 0}, RuleAt(0, REL_RULE_SWITZERLAND));
  EXPECT_EQ(Predecessors(*twoTier), std::vector<CompetitionId>{swiss.League(0).Id()});
  EXPECT_EQ(swissRegistry.FindCompetition(LeagueId(14, 1)), nullptr);
}

TEST(LeagueSystemTest, RefusesImpossibleCounts) {
  CompetitionRegistry registry;
  TestCountry country(registry);
  SetLeagueSystem(country, {1, 1, 0, 0, 0}, kNoRules);
  EXPECT_FALSE(SetLeagueSystem(country, {1, 1, 2, 8, 9}, kNoRules));
  EXPECT_FALSE(SetLeagueSystem(country, {1, -1, 0, 0, 0}, kNoRules));
  EXPECT_EQ(country.leagueCount, 2);
  EXPECT_NE(registry.FindCompetition(LeagueId(14, 1)), nullptr);
  // The empty layout removes every league.
  EXPECT_TRUE(SetLeagueSystem(country, {0, 0, 0, 0, 0}, kNoRules));
  EXPECT_EQ(country.leagueCount, 0);
  EXPECT_EQ(registry.FindCompetition(LeagueId(14, 0)), nullptr);
}

}  // namespace
}  // namespace torvale
