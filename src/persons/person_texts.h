#pragma once
// How the person lists show a person's position, role and birth date, and the order of the
// "Pos" columns: two players by main position, a player before an official, two officials by
// role number.

#include <string>
#include <string_view>

#include "world/date.h"

namespace torvale {

class CPlayer;

// "TO", "RV", ... "ST" for positions 0-17 (0 shows as goalkeeper); empty beyond the table.
std::string_view PositionShortText(int position);
// The short text of an official's role ("TR" coach, "MA" manager, "PR" president, ...);
// empty for role 0 and unknown roles.
std::string_view RoleShortText(int role);
// The main position's short text for a player, the role's for an official.
std::string_view PositionOrRoleText(const CPlayer& person);
// Sort key of the "Pos" columns: players by main position, then officials by role.
int PositionOrRoleKey(const CPlayer& person);

// "dd.mm.yyyy"; empty for no date.
std::string BirthDateText(DATE date);

}  // namespace torvale
