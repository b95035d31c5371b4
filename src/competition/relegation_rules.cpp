#include "competition/relegation_rules.h"

namespace torvale {

namespace {

struct RuleInfo {
  uint32_t allowedTeams;
  int textId;
};

constexpr RuleInfo kRules[kRelegationRuleCount] = {
    {0xFFFFFFFFu, IDS_REL_RULE_0},
    {0xFFFFFFFFu, IDS_REL_RULE_1},
    {0xFFFFFFFFu, IDS_REL_RULE_2},
    {0xFFFFFFFFu, IDS_REL_RULE_3},
    {0xFFFFFFFFu, IDS_REL_RULE_4},
    {0xFFFFFFFFu, IDS_REL_RULE_5},
    {0xFFFFFF00u, IDS_REL_RULE_ENGLAND1},  // the play-off needs at least 8 teams
    {0xFFFFFF00u, IDS_REL_RULE_ENGLAND2},
    {0xFFFFFF00u, IDS_REL_RULE_ENGLAND3},
    {0x00001000u, IDS_REL_RULE_SCOTLAND},  // exactly 12 teams
    {0xFFFFFFFFu, IDS_REL_RULE_SWITZERLAND},
    {0x00000000u, 0},
    {0x0000014Fu, 0},  // indoor: 0, 1, 2, 3, 6 or 8 teams
};

bool Known(int rule) { return rule >= 0 && rule < kRelegationRuleCount; }

}  // namespace

uint32_t RelegationRuleAllowedTeams(int rule) { return Known(rule) ? kRules[rule].allowedTeams : 0; }

bool RelegationRuleAllowsTeams(int rule, int teams) {
  if (teams < 0) return false;
  const uint32_t allowed = RelegationRuleAllowedTeams(rule);
  const int bit = teams < 32 ? teams : 31;
  return (allowed >> bit) & 1u;
}

int RelegationRuleForLeagueSize(int rule, int teams) {
  return RelegationRuleAllowsTeams(rule, teams) ? rule : REL_RULE_0;
}

int RelegationRuleTextId(int rule) { return Known(rule) ? kRules[rule].textId : 0; }

bool IsEnglishRelegationRule(int rule) {
  return rule == REL_RULE_ENGLAND1 || rule == REL_RULE_ENGLAND2 || rule == REL_RULE_ENGLAND3;
}

}  // namespace torvale
