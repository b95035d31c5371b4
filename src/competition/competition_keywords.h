#pragma once
// The keyword vocabularies of the structure files. Every table is a list of (name, value)
// pairs; the order matters because a name matches when the field *starts* with it (after
// leading blanks, comparing only the name's own length) and the first match in table order
// wins. So "ROUND_11" is ROUND_1 and "REL_RULE_1x" is REL_RULE_1: the game's files rely on
// nothing stricter.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace torvale {

struct Keyword {
  std::string_view name;
  int32_t value;
};
using KeywordTable = std::span<const Keyword>;

// The value of the first table name the field starts with, else `fallback`.
int32_t FindKeyword(KeywordTable table, std::string_view field, int32_t fallback);
// The first name with this value, "" when the table has none.
std::string_view KeywordName(KeywordTable table, int32_t value);

// ---- the tables ----
extern const KeywordTable kCompetitionKindNames;  // ROOT, LEAGUE, FA_CUP, LE_CUP, SUPERCUP, ...
extern const KeywordTable kNodeTypeNames;          // DB_ROOT ... DB_POOL
extern const KeywordTable kRelegationRuleNames;    // REL_RULE_0 ... REL_RULE_INDOOR
extern const KeywordTable kRoundTypeNames;         // ROUND_QUALI ... ROUND_GROUP2
extern const KeywordTable kMatchRuleNames;         // BEG_* flags
extern const KeywordTable kPoolSortNames;          // POOL_SORT_*
extern const KeywordTable kRoundIdNames;           // ID_QUALI ... ID_GROUP_4
extern const KeywordTable kTeamSelectionNames;     // END_OF_ENTRY ... GET_TAB_LEVEL_INDOOR

// Node types: fixed by the node's class.
struct NodeType {
  enum : int { DB_ROOT = 0, DB_LEAGUE = 1, DB_SPARE = 2, DB_CUP = 3, DB_ROUND = 4, DB_POOL = 5 };
};

// Relegation rules (the rule below a league's level).
struct RelRule {
  enum : int {
    REL_RULE_0 = 0,
    REL_RULE_1,
    REL_RULE_2,
    REL_RULE_3,
    REL_RULE_4,
    REL_RULE_5,
    ENGLAND1,
    ENGLAND2,
    ENGLAND3,
    SCOTLAND,
    SWITZERLAND,
    HOLLAND,
    INDOOR,
  };
};

// Round types (ROUND_*); -1 when unset.
struct RoundType {
  enum : int {
    NONE = -1,
    QUALI = 1,
    ROUND_1 = 2,
    ROUND_2 = 3,
    ROUND_3 = 4,
    ROUND_4 = 5,
    PREROUND1 = 6,
    LAST_16 = 7,
    QUARTERFINAL = 8,
    SEMIFINAL = 9,
    FINAL = 10,
    GROUP1 = 12,
    GROUP2 = 13,
  };
};

// Match-rule flags (BEG_*). The editor acts only on the two that make a round two matchdays.
struct MatchRule {
  enum : int32_t {
    SECOND_LEG = 0x1,
    WITH_REPLAY = 0x2,
  };
};

// Team-selection rule keywords; the value is the position in the table.
struct SelectRule {
  enum : int32_t {
    END_OF_ENTRY = 0,
    BUILD_COUNTER,
    BUILD_UEFA5,
    GET_CHAMP,
    GET_UEFA5_TAB,
    GET_UEFA5_SURE_TAB,
    GET_UEFA5_SURE_UIC,
    GET_TAB_X_TO_Y,
    GET_TAB_LEVEL_X_TO_Y,
    GET_TAB_SPARE,
    GET_TAB_LEVEL_START_X_TO_Y,
    GET_UEFA5_CHAMP_OR_FINALIST,
    GET_WINNER,
    GET_LOSER,
    GET_POOL,
    GET_NAT_UEFA5_WITH_HOST,
    GET_NAT_UEFA5_WITHOUT_HOST,
    GET_NAT_SOUTH_AMERICA,
    GET_NAT_AMERICA,
    GET_NAT_AFRICA,
    GET_NAT_ASIA,
    GET_NAT_OCEANIA,
    GET_HOST,
    GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y,
    GET_INTERNATIONAL_SPARE,
    GET_TAB_LEVEL_INDOOR,
    UNKNOWN,  // a rule line that names no keyword
  };
};

// Match-rule flags as text: the BEG_* names of the set bits in table order joined by ", ",
// "0" for no flags. Reading ORs every name of a comma-separated list.
std::string FormatMatchRules(int32_t flags);
int32_t ParseMatchRules(std::string_view text);

// The type line of a cup's text record, chosen by the low 8 bits of its allocation number;
// "" for numbers that have no variant.
std::string_view CupVariantName(int32_t allocationNumber);

}  // namespace torvale
