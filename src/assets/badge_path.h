#pragma once
// Badge names. A club's badge is a relative path below a badge root: group folder, the size
// folder "Badge180", the file, separated by backslashes (GROUP\Badge180\NAME.tga). The other
// three sizes live beside it in "Badge74", "Badge48" and "Badge14".

#include <array>
#include <string>
#include <string_view>

#include "platform/path.h"  // the letter-case helpers the badge code shares

namespace torvale {

// The four badge sizes in pixels, largest first; every operation over sizes keeps this order.
inline constexpr std::array<int, 4> kBadgeSizes = {180, 74, 48, 14};

// The prefix of every badge inside the game's badge archive.
inline constexpr std::string_view kBadgeArchivePrefix = "Badges\\";

// The badge's name template: upper case, "BADGE180" turned into "Badge%d", '/' separators.
// Empty for an empty path.
std::string MakeBadgeTemplate(std::string_view badgePath);

// The template with every "Badge%d" filled with `size`. Nothing else in the template is read as
// a format, so a '%' in a file name stays as it is.
std::string FormatBadgeTemplate(std::string_view badgeTemplate, int size);

// The badge path of another size: the first "Badge180" (any letter case) becomes "Badge<size>".
// Empty when the path has no "Badge180".
std::string BadgePathForSize(std::string_view badgePath, int size);

// The name under which the badge archive holds `badgePath`: "Badges\" + the path with '\'.
std::string BadgeArchiveName(std::string_view badgePath);

// What the badge chooser shows: the file name without its folders and its extension.
std::string BadgeDisplayName(std::string_view badgePath);

// The group of a badge path: the text before its first backslash (or '/'), or the whole path.
std::string_view BadgeGroupOf(std::string_view badgePath);

}  // namespace torvale
