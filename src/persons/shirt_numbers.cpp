#include "persons/shirt_numbers.h"

#include <map>
#include <utility>

#include "world/person_table.h"

namespace torvale {

std::vector<uint32_t> PlayersSharingShirtNumber(std::span<const uint32_t> ids, const CPersonTable& persons) {
  std::map<std::pair<int, int>, int> wearers;  // (team, number) -> players
  auto key = [](const CPlayer& person) { return std::make_pair(person.team == 0 ? 0 : 1, int{person.shirtNumber}); };
  auto numbered = [&](uint32_t id) -> const CPlayer* {
    const CPlayer* person = persons.FindPlayer(id);
    return person && person->role == kRolePlayer && person->shirtNumber != 0 ? person : nullptr;
  };
  for (uint32_t id : ids)
    if (const CPlayer* person = numbered(id)) ++wearers[key(*person)];
  std::vector<uint32_t> sharing;
  for (uint32_t id : ids)
    if (const CPlayer* person = numbered(id); person && wearers[key(*person)] > 1) sharing.push_back(id);
  return sharing;
}

}  // namespace torvale
