#include "ui/undo/undo_parts.h"

#include "world/club.h"

namespace torvale {

std::vector<WorldPart> SnapshotPartsOf(const ChangeScope& scope) {
  std::vector<WorldPart> parts;
  if (scope.wholeWorld) return WholeWorldParts();
  for (int n = 0; n < kCountrySlots; ++n) {
    const auto slot = static_cast<size_t>(n);
    if (scope.countries.test(slot))
      parts.push_back(WorldPart::Country(n));
    else if (scope.countrySettings.test(slot))
      parts.push_back(WorldPart::CountrySettings(n));
  }
  for (uint32_t clubId : scope.clubs)
    if (!scope.countries.test(ClubCountry(clubId))) parts.push_back(WorldPart::Club(clubId));
  if (scope.rules) parts.push_back(WorldPart::Rules());
  if (scope.playersWithoutClub) parts.push_back(WorldPart::PlayersWithoutClub());
  if (scope.settings) parts.push_back(WorldPart::Settings());
  return parts;
}

}  // namespace torvale
