#include "assets/badge_lookup.h"

#include "assets/badge_path.h"
#include "assets/big_archive.h"
#include "assets/tga_image.h"
#include "platform/path.h"
#include "platform/text_encoding.h"

namespace torvale {

namespace {

// Only regular files count: a badge path naming a folder must not be read as one.
bool InFolder(const BadgeRoots& roots, std::string_view badgePath) {
  const std::string path = ConfinedPath(roots.folder, badgePath);
  return !path.empty() && FileExists(path);
}

std::vector<uint8_t> ReadFolderFile(const BadgeRoots& roots, std::string_view badgePath) {
  std::string bytes;
  if (!ReadConfinedFile(roots.folder, badgePath, bytes)) return {};
  return {bytes.begin(), bytes.end()};
}

// A closed archive is treated as an empty one: asking it would report "not open" once per
// lookup, and a missing "badges.big" was already reported when it failed to open.
bool ArchiveUsable(const BadgeRoots& roots) { return roots.archive && roots.archive->IsOpen(); }

std::vector<uint8_t> ReadArchiveFile(const BadgeRoots& roots, std::string_view badgePath) {
  if (!ArchiveUsable(roots)) return {};
  return roots.archive->ReadEntry(BadgeArchiveName(badgePath), true).value_or(std::vector<uint8_t>{});
}

std::vector<uint8_t> ToDib(const std::vector<uint8_t>& tga) { return TgaToDib(tga.data(), tga.size()); }

}  // namespace

// A badge path comes from a database file, and databases come from strangers: one that could
// lead out of the badge folder ("..", absolute, a drive letter) names no badge at all, neither
// in the folder nor in the archive.
std::vector<uint8_t> ReadBadgeFile(const BadgeRoots& roots, std::string_view badgePath) {
  if (!IsConfinedName(badgePath)) return {};
  std::vector<uint8_t> bytes = ReadFolderFile(roots, badgePath);
  return bytes.empty() ? ReadArchiveFile(roots, badgePath) : bytes;
}

std::vector<uint8_t> LoadBadgeImage(const BadgeRoots& roots, std::string_view badgePath) {
  if (!IsConfinedName(badgePath)) return {};
  std::vector<uint8_t> dib = ToDib(ReadFolderFile(roots, badgePath));
  return dib.empty() ? ToDib(ReadArchiveFile(roots, badgePath)) : dib;
}

bool IsBadgeComplete(const BadgeRoots& roots, std::string_view badgePath) {
  if (!IsConfinedName(badgePath)) return false;
  for (int size : kBadgeSizes) {
    const std::string sizePath = BadgePathForSize(badgePath, size);
    if (sizePath.empty()) return false;
    const bool inFolder = InFolder(roots, sizePath);
    if (!inFolder && !(ArchiveUsable(roots) && roots.archive->FindEntry(BadgeArchiveName(sizePath)) >= 0))
      return false;
  }
  return true;
}

std::vector<std::string> MissingBadgeLines(const BadgeRoots& roots,
                                           const std::vector<std::pair<std::string, std::string>>& clubBadges) {
  const std::string format = Utf8ToCp1252("Der Verein %s benutzt ein nicht vorhandenes Wappen mit dem Dateinamen %s.");
  const size_t first = format.find("%s");
  const size_t second = format.find("%s", first + 2);
  std::vector<std::string> lines;
  for (const auto& [club, badge] : clubBadges) {
    if (badge.empty() || IsBadgeComplete(roots, badge)) continue;
    lines.push_back(format.substr(0, first) + club + format.substr(first + 2, second - first - 2) + badge +
                    format.substr(second + 2));
  }
  return lines;
}

}  // namespace torvale
