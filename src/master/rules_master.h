#pragma once
// Our master record of the global rules: the international cups' names, their title holders
// and final venues, and the match rules valid everywhere. The record is written from the
// values below; MakeMasterRules takes them from the world's rules
// with club references and venues already under the saved numbering.

#include <array>
#include <cstdint>
#include <string>

namespace torvale {

class CGlobalRules;
class CMasterWriter;
class ClubIdMapper;
class StadiumReferenceLookup;

struct MasterRulesRecord {
  static constexpr int kCups = 4;
  static constexpr int kLanguages = 5;
  // Long names on the PC, the short ("PS2") names for the console; cup-major.
  std::array<std::array<std::string, kLanguages>, kCups> cupNames;
  std::array<uint32_t, 3> titleHolders = {};  // saved club ids, 0 = none
  std::array<uint32_t, 3> finalVenues = {};   // (country << 16) | saved stadium position, 0 = none
  std::array<uint32_t, 2> furtherClubs = {};  // saved club ids
  std::array<int32_t, 4> matchRules = {};
  int32_t spare = 0;
  int32_t friendlySubstitutions = 6;
};

void WriteRulesMaster(CMasterWriter& writer, const MasterRulesRecord& rules);

// The record of the world's rules for a build with `flags`: club references saved ids (0 for
// none), final venues by the stadium's saved position (0 when it names no stadium).
MasterRulesRecord MakeMasterRules(const CGlobalRules& rules, uint32_t flags, const ClubIdMapper& clubs,
                                  const StadiumReferenceLookup& stadiums);

}  // namespace torvale
