#include "master/rules_master.h"

#include "master/master_writer.h"
#include "platform/command_line.h"
#include "world/club.h"
#include "world/club_id_mapper.h"
#include "world/global_rules.h"

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

namespace {

uint32_t SavedClub(uint32_t clubId, const ClubIdMapper& clubs) {
  const int country = ClubCountry(clubId);
  return country >= 1 && country <= 206 ? clubs.SavedClubId(clubId) : 0;
}

uint32_t SavedVenue(uint32_t venue, const StadiumReferenceLookup& stadiums) {
  const uint32_t country = venue >> 16;
  const auto number = static_cast<int32_t>(venue & 0xFFFF);
  if (country < 1 || country > 206 || number < 1 || number > stadiums.StadiumCount(static_cast<int>(country)))
    return 0;
  const int32_t position = stadiums.SavedStadiumPosition(static_cast<int>(country), number);
  return position > 0 ? (country << 16) | static_cast<uint32_t>(position) : 0;
}

}  // namespace

MasterRulesRecord MakeMasterRules(const CGlobalRules& rules, uint32_t flags, const ClubIdMapper& clubs,
                                  const StadiumReferenceLookup& stadiums) {
  MasterRulesRecord record;
  // The console shows the short names its screens were laid out for.
  const bool shortNames = (flags & kMasterBuildPs2) != 0;
  for (int cup = 0; cup < MasterRulesRecord::kCups; ++cup)
    for (int language = 0; language < MasterRulesRecord::kLanguages; ++language)
      record.cupNames[static_cast<size_t>(cup)][static_cast<size_t>(language)] =
          std::string(rules.CupName(cup, language, shortNames));
  for (size_t i = 0; i < record.titleHolders.size(); ++i) record.titleHolders[i] = SavedClub(rules.titleHolders[i], clubs);
  for (size_t i = 0; i < record.finalVenues.size(); ++i) record.finalVenues[i] = SavedVenue(rules.finalVenues[i], stadiums);
  for (size_t i = 0; i < record.furtherClubs.size(); ++i) record.furtherClubs[i] = SavedClub(rules.furtherClubs[i], clubs);
  for (size_t i = 0; i < record.matchRules.size(); ++i) record.matchRules[i] = rules.matchRules[i];
  record.spare = rules.spare;
  record.friendlySubstitutions = rules.friendlySubstitutions;
  return record;
}

}  // namespace torvale
