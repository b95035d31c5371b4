#pragma once
// Small helpers the person list screens share: table texts with their numbers, the user's
// collation for names, and the change scope of a person's removal.

#include <QString>
#include <cstdint>

#include "persons/list_order.h"
#include "ui/common/world_changes.h"

namespace torvale {

// The string-table text of `id`; `fallback` (UTF-8) while the table lacks the entry.
QString TableText(int id, const char* fallback);

// Case-insensitive comparison in the user's language; and a case-sensitive one.
NameCompare UserCollation();
NameCompare UserCollationCaseSensitive();

// Every part of the world that lists person `playerId` (clubs of any country, national
// squads, the players without club): what a change that takes him out of every list touches.
ChangeScope ScopeListingPerson(const CWorldDatabase& world, uint32_t playerId);

}  // namespace torvale
