#pragma once
// The snapshot parts that cover a change scope: whole countries, the settings of countries
// whose clubs stay untouched, single clubs of countries not taken whole, and the world's lists
// and settings. A whole-world scope has no parts: the history cannot keep it.

#include <vector>

#include "database/world_snapshot.h"
#include "ui/common/world_changes.h"

namespace torvale {

std::vector<WorldPart> SnapshotPartsOf(const ChangeScope& scope);

}  // namespace torvale
