#pragma once
// The relegation rules between two levels of a league system. Most rules are a plain number
// of relegated teams that the game applies; the English, Scottish and Swiss rules need an
// extra competition that the league system builds (league_system.h).

#include <cstdint>

namespace torvale {

enum RelegationRule : int {
  REL_RULE_0 = 0,
  REL_RULE_1 = 1,
  REL_RULE_2 = 2,
  REL_RULE_3 = 3,
  REL_RULE_4 = 4,
  REL_RULE_5 = 5,
  REL_RULE_ENGLAND1 = 6,
  REL_RULE_ENGLAND2 = 7,
  REL_RULE_ENGLAND3 = 8,
  REL_RULE_SCOTLAND = 9,
  REL_RULE_SWITZERLAND = 10,
  REL_RULE_HOLLAND = 11,
  REL_RULE_INDOOR = 12,
};

constexpr int kRelegationRuleCount = 13;

// String-table numbers of the rules' texts in the editor's choice lists.
constexpr int IDS_REL_RULE_0 = 1301;
constexpr int IDS_REL_RULE_1 = 1302;
constexpr int IDS_REL_RULE_2 = 1303;
constexpr int IDS_REL_RULE_3 = 1304;
constexpr int IDS_REL_RULE_4 = 1305;
constexpr int IDS_REL_RULE_5 = 1306;
constexpr int IDS_REL_RULE_ENGLAND1 = 1307;
constexpr int IDS_REL_RULE_ENGLAND2 = 1308;
constexpr int IDS_REL_RULE_ENGLAND3 = 1309;
constexpr int IDS_REL_RULE_SCOTLAND = 1310;
constexpr int IDS_REL_RULE_SWITZERLAND = 1311;

// The permitted league sizes of a rule as a bit set: bit n allows n teams.
uint32_t RelegationRuleAllowedTeams(int rule);

// True when a league of `teams` teams may use the rule. Sizes beyond the bit set's 32 bits are
// allowed exactly when the rule allows every large size (its bit 31 is set), so the "8 or more"
// and "any" rules keep holding for big leagues. Unknown rules allow nothing.
bool RelegationRuleAllowsTeams(int rule, int teams);

// The rule a league keeps when the league data editor confirms it: the rule itself when it
// allows the league's size, else 0.
int RelegationRuleForLeagueSize(int rule, int teams);

// String-table number of the rule's text in the editor's choice lists; 0 for the rules the
// editor never offers (Dutch and indoor).
int RelegationRuleTextId(int rule);

// Rules 6-8: the play-off is played by the league below the boundary.
bool IsEnglishRelegationRule(int rule);

}  // namespace torvale
