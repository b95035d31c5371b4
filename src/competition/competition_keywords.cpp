#include "competition/competition_keywords.h"

#include <array>

namespace torvale {

namespace {

constexpr Keyword kKinds[] = {
    {"ROOT", 0},
    {"LEAGUE", 1},
    {"FA_CUP", 3},
    {"LE_CUP", 4},
    {"SUPERCUP", 7},
    {"CHALLENGE_SHIELD", 5},
    {"CONFERENCE_CUP", 6},
    {"RELEGATION", 8},
    {"CHAMPIONSLEAGUE", 9},
    {"UEFA_CUP", 10},
    {"TOYOTA", 11},
    {"EURO_SUPERCUP", 12},
    {"WORLD_CLUB_CHAMP", 13},
    {"UIC", 14},
    {"QUALI_WC", 15},
    {"QUALI_EC", 16},
    {"WORLD_CUP", 17},
    {"EURO_CUP", 18},
    {"REL1", 19},
    {"REL2", 20},
    {"REL3", 21},
    {"INDOOR", 22},
    {"FRIENDLY", 23},
    {"SCOTT1", 24},
    {"SCOTT2", 25},
    {"SWITZERLAND", 26},
};

constexpr Keyword kNodeTypes[] = {
    {"DB_ROOT", 0}, {"DB_LEAGUE", 1}, {"DB_SPARE", 2},
    {"DB_CUP", 3},  {"DB_ROUND", 4},  {"DB_POOL", 5},
};

constexpr Keyword kRelRules[] = {
    {"REL_RULE_0", 0},
    {"REL_RULE_1", 1},
    {"REL_RULE_2", 2},
    {"REL_RULE_3", 3},
    {"REL_RULE_4", 4},
    {"REL_RULE_5", 5},
    {"REL_RULE_ENGLAND1", 6},
    {"REL_RULE_ENGLAND2", 7},
    {"REL_RULE_ENGLAND3", 8},
    {"REL_RULE_SCOTLAND", 9},
    {"REL_RULE_SWITZERLAND", 10},
    {"REL_RULE_HOLLAND", 11},
    {"REL_RULE_INDOOR", 12},
};

constexpr Keyword kRoundTypes[] = {
    {"ROUND_QUALI", 1},
    {"ROUND_1", 2},
    {"ROUND_2", 3},
    {"ROUND_3", 4},
    {"ROUND_4", 5},
    {"ROUND_PREROUND1", 6},
    {"ROUND_LAST_16", 7},
    {"ROUND_QUARTERFINAL", 8},
    {"ROUND_SEMIFINAL", 9},
    {"ROUND_FINAL", 10},
    {"ROUND_GROUP1", 12},
    {"ROUND_GROUP2", 13},
};

constexpr Keyword kMatchRules[] = {
    {"BEG_1ST_LEG", 0x0},
    {"BEG_2ND_LEG", 0x1},
    {"BEG_WITH_REPLAY", 0x2},
    {"BEG_WITH_EXTRA_TIME", 0x4},
    {"BEG_WITH_GOALDEN_GOAL", 0x8},
    {"BEG_WITH_PENALTY", 0x10},
    {"BEG_END", 0x20},
    {"BEG_1ST_PLAYED", 0x100},
    {"BEG_2ND_PLAYED", 0x200},
    {"BEG_EXTRA_TIME", 0x1000},
    {"BEG_GOALDEN_GOAL", 0x2000},
    {"BEG_PENALTY", 0x4000},
    {"BEG_FINISHED", 0x8000},
    {"BEG_WITHOUT_AWAY_GOAL", 0x8000000},
};

constexpr Keyword kPoolSorts[] = {
    {"POOL_SORT_INDOOR", 1},
    {"POOL_SORT_NAT_UEFA5", 2},
    {"POOL_SORT_MAP_NORTH_SOUTH", 3},
    {"POOL_SORT_MAP_WEST_EAST", 4},
};

constexpr Keyword kRoundIds[] = {
    {"ID_QUALI", 1},       {"ID_ROUND1", 2},  {"ID_ROUND2", 3},     {"ID_ROUND3", 4},
    {"ID_LAST_16", 5},     {"ID_QUARTERFINAL", 6}, {"ID_SEMIFINAL", 7}, {"ID_FINAL", 8},
    {"ID_GROUP_A", 9},     {"ID_GROUP_B", 10}, {"ID_GROUP_C", 11},   {"ID_GROUP_D", 12},
    {"ID_GROUP_E", 13},    {"ID_GROUP_F", 14}, {"ID_GROUP_G", 15},   {"ID_GROUP_H", 16},
    {"ID_GROUP_1", 17},    {"ID_GROUP_2", 18}, {"ID_GROUP_3", 19},   {"ID_GROUP_4", 20},
};

constexpr Keyword kSelect[] = {
    {"END_OF_ENTRY", 0},
    {"BUILD_COUNTER", 1},
    {"BUILD_UEFA5", 2},
    {"GET_CHAMP", 3},
    {"GET_UEFA5_TAB", 4},
    {"GET_UEFA5_SURE_TAB", 5},
    {"GET_UEFA5_SURE_UIC", 6},
    {"GET_TAB_X_TO_Y", 7},
    {"GET_TAB_LEVEL_X_TO_Y", 8},
    {"GET_TAB_SPARE", 9},
    {"GET_TAB_LEVEL_START_X_TO_Y", 10},
    {"GET_UEFA5_CHAMP_OR_FINALIST", 11},
    {"GET_WINNER", 12},
    {"GET_LOSER", 13},
    {"GET_POOL", 14},
    {"GET_NAT_UEFA5_WITH_HOST", 15},
    {"GET_NAT_UEFA5_WITHOUT_HOST", 16},
    {"GET_NAT_SOUTH_AMERICA", 17},
    {"GET_NAT_AMERICA", 18},
    {"GET_NAT_AFRICA", 19},
    {"GET_NAT_ASIA", 20},
    {"GET_NAT_OCEANIA", 21},
    {"GET_HOST", 22},
    {"GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y", 23},
    {"GET_INTERNATIONAL_SPARE", 24},
    {"GET_TAB_LEVEL_INDOOR", 25},
};

std::string_view SkipBlanks(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  return text.substr(i);
}

}  // namespace

const KeywordTable kCompetitionKindNames{kKinds};
const KeywordTable kNodeTypeNames{kNodeTypes};
const KeywordTable kRelegationRuleNames{kRelRules};
const KeywordTable kRoundTypeNames{kRoundTypes};
const KeywordTable kMatchRuleNames{kMatchRules};
const KeywordTable kPoolSortNames{kPoolSorts};
const KeywordTable kRoundIdNames{kRoundIds};
const KeywordTable kTeamSelectionNames{kSelect};

int32_t FindKeyword(KeywordTable table, std::string_view field, int32_t fallback) {
  field = SkipBlanks(field);
  for (const Keyword& k : table)
    if (field.starts_with(k.name)) return k.value;
  return fallback;
}

std::string_view KeywordName(KeywordTable table, int32_t value) {
  for (const Keyword& k : table)
    if (k.value == value) return k.name;
  return {};
}

std::string FormatMatchRules(int32_t flags) {
  std::string text;
  for (const Keyword& k : kMatchRules) {
    if (k.value == 0 || (flags & k.value) != k.value) continue;
    if (!text.empty()) text += ", ";
    text += k.name;
  }
  return text.empty() ? std::string("0") : text;
}

int32_t ParseMatchRules(std::string_view text) {
  int32_t flags = 0;
  while (true) {
    flags |= FindKeyword(kMatchRules, text, 0);
    size_t comma = text.find(',');
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return flags;
}

std::string_view CupVariantName(int32_t allocationNumber) {
  switch (allocationNumber & 0xFF) {
    case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 15: case 16:
      return "DB_CUP";
    case 11: return "DB_REL1";
    case 12: return "DB_REL2";
    case 20: return "DB_REL3";
    case 13: return "DB_CHALLENGE";
    case 14: return "DB_CONFERENCE";
    case 19: return "DB_SWITZERLAND";
    default: return {};
  }
}

}  // namespace torvale
