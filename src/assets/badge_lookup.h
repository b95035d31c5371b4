#pragma once
// Where badges are found: the user's badge folder first (badges imported from world archives
// or added by hand), then the game's badge archive "badges.big".

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvale {

class CQZBig;

struct BadgeRoots {
  std::string folder;        // the badge folder ("<data>/badges")
  CQZBig* archive = nullptr; // the game's badge archive; may be null or closed
};

// The TGA bytes of a badge image: the file in the badge folder, else the (unpacked) archive
// entry. Empty when neither has it.
std::vector<uint8_t> ReadBadgeFile(const BadgeRoots& roots, std::string_view badgePath);

// The badge as bitmap file bytes (see TgaToDib), taken from the folder when the folder's file
// converts, else from the archive. Empty when no image can be shown; no message is given.
std::vector<uint8_t> LoadBadgeImage(const BadgeRoots& roots, std::string_view badgePath);

// True when the path names a "Badge180" image and every size of it exists, each in the folder
// or, failing that, in the archive.
bool IsBadgeComplete(const BadgeRoots& roots, std::string_view badgePath);

// One line "Der Verein %s benutzt ein nicht vorhandenes Wappen mit dem Dateinamen %s." for every
// club (name, badge path) with a badge path that is not complete. Texts are Windows-1252.
std::vector<std::string> MissingBadgeLines(const BadgeRoots& roots,
                                           const std::vector<std::pair<std::string, std::string>>& clubBadges);

}  // namespace torvale
