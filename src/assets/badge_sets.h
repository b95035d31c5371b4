#pragma once
// The badge sets the badge chooser lists: groups of badges gathered from the badge folder and
// from the badge archive, each group named after the country it belongs to where one matches.

#include <string>
#include <string_view>
#include <vector>

#include "assets/badge_lookup.h"

namespace torvale {

struct BadgeGroup {
  std::string name;                  // the matched country's name, else the first folder's name
  int country = 0;                   // the matched country slot, 0 when none matched
  std::vector<std::string> folders;  // the group folders gathered into this group
  std::vector<std::string> badges;   // badge paths (GROUP\Badge180\NAME.tga), in collection order
};

// Gathers the groups: first every sub-folder of the badge folder (not starting with ".") with
// ".tga" files in its "Badge180" folder, then every archive entry holding "Badge180" and ending
// in ".tga". A group belongs to the first country (slots 1.. of `countryNames`, Windows-1252)
// whose name has the same first 8 characters as the folder's, ignoring letter case; folders that
// match the same country, or that share their first 8 characters, form one group. A badge path
// found in both places is listed once.
std::vector<BadgeGroup> CollectBadgeSets(const BadgeRoots& roots, const std::vector<std::string>& countryNames);

struct BadgeSelection {
  int group = -1;  // index into the groups, -1 when the path's group is not there
  int badge = -1;  // index into that group's badges, -1 when the path is not among them
};

// Where a club's current badge path is in the collected groups: the group holding the folder
// named before the path's first backslash, then the badge of equal path (letter case ignored).
BadgeSelection FindBadgeSelection(const std::vector<BadgeGroup>& groups, std::string_view badgePath);

}  // namespace torvale
