#include "master/rules_master.h"

#include "master/master_writer.h"

namespace torvale {

void WriteRulesMaster(CMasterWriter& writer, const MasterRulesRecord& rules) {
  for (const auto& cup : rules.cupNames)
    for (const std::string& name : cup) writer.WriteString(name);
  for (uint32_t club : rules.titleHolders) writer.WriteU32(club);
  for (uint32_t venue : rules.finalVenues) writer.WriteU32(venue);
  for (uint32_t club : rules.furtherClubs) writer.WriteU32(club);
  for (int32_t rule : rules.matchRules) writer.WriteI32(rule);
  writer.WriteI32(rules.spare);
  writer.WriteI32(rules.friendlySubstitutions);
}

}  // namespace torvale
