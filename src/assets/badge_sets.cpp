#include "assets/badge_sets.h"

#include <algorithm>
#include <filesystem>

#include "assets/badge_path.h"
#include "assets/big_archive.h"
#include "platform/path.h"

namespace torvale {

namespace fs = std::filesystem;

namespace {

constexpr size_t kGroupMatchLength = 8;  // the game matches group folders to countries by this
constexpr std::string_view kBadgeExtension = ".tga";
constexpr std::string_view kSizeFolder180 = "Badge180";

std::string SortKey(std::string_view name) {
  std::string key(name);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return key;
}

bool SamePrefix(std::string_view a, std::string_view b) {
  return EqualsIgnoringCase(a.substr(0, kGroupMatchLength), b.substr(0, kGroupMatchLength));
}

std::vector<fs::directory_entry> SortedEntries(const std::string& folder) {
  std::vector<fs::directory_entry> entries;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(ResolvePath(folder), ec)) entries.push_back(entry);
  // The folder's listing order is whatever the file system gives; the chooser wants a stable one.
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    return SortKey(a.path().filename().string()) < SortKey(b.path().filename().string());
  });
  return entries;
}

class GroupCollector {
 public:
  explicit GroupCollector(const std::vector<std::string>& countryNames) : countryNames_(countryNames) {}

  void Add(std::string_view folder, std::string badgePath) {
    BadgeGroup& group = GroupFor(folder);
    if (std::none_of(group.folders.begin(), group.folders.end(),
                     [&](const std::string& f) { return EqualsIgnoringCase(f, folder); }))
      group.folders.emplace_back(folder);
    if (std::none_of(group.badges.begin(), group.badges.end(),
                     [&](const std::string& b) { return EqualsIgnoringCase(b, badgePath); }))
      group.badges.push_back(std::move(badgePath));
  }

  std::vector<BadgeGroup> Take() { return std::move(groups_); }

 private:
  int MatchCountry(std::string_view folder) const {
    for (size_t slot = 1; slot < countryNames_.size(); ++slot)
      if (!countryNames_[slot].empty() && SamePrefix(folder, countryNames_[slot])) return static_cast<int>(slot);
    return 0;
  }

  BadgeGroup& GroupFor(std::string_view folder) {
    const int country = MatchCountry(folder);
    for (BadgeGroup& group : groups_) {
      const bool same = country ? group.country == country
                                : group.country == 0 && SamePrefix(group.folders.front(), folder);
      if (same) return group;
    }
    BadgeGroup group;
    group.country = country;
    group.name = country ? countryNames_[size_t(country)] : std::string(folder);
    groups_.push_back(std::move(group));
    return groups_.back();
  }

  const std::vector<std::string>& countryNames_;
  std::vector<BadgeGroup> groups_;
};

void CollectFromFolder(const std::string& badgeFolder, GroupCollector& collector) {
  if (badgeFolder.empty()) return;
  for (const auto& groupEntry : SortedEntries(badgeFolder)) {
    const std::string group = groupEntry.path().filename().string();
    std::error_code ec;
    if (group.empty() || group[0] == '.' || !groupEntry.is_directory(ec)) continue;
    const std::string sizeFolder = ResolvePath(JoinPath(groupEntry.path().string(), kSizeFolder180));
    const std::string sizeName = fs::path(sizeFolder).filename().string();
    for (const auto& file : SortedEntries(sizeFolder)) {
      const std::string name = file.path().filename().string();
      if (EndsWithIgnoringCase(name, kBadgeExtension) && file.is_regular_file(ec))
        collector.Add(group, group + "\\" + sizeName + "\\" + name);
    }
  }
}

void CollectFromArchive(CQZBig* archive, GroupCollector& collector) {
  if (!archive || !archive->IsOpen()) return;
  for (int i = 0; i < archive->GetEntryCount(); ++i) {
    std::string path = archive->GetEntry(i).name;
    if (FindIgnoringCase(path, kSizeFolder180) == std::string::npos || !EndsWithIgnoringCase(path, kBadgeExtension))
      continue;
    if (path.size() >= kBadgeArchivePrefix.size() &&
        EqualsIgnoringCase(std::string_view(path).substr(0, kBadgeArchivePrefix.size()), kBadgeArchivePrefix))
      path.erase(0, kBadgeArchivePrefix.size());
    const size_t slash = path.find('\\');
    if (slash == std::string::npos || slash == 0) continue;  // a badge outside any group folder
    const std::string group = path.substr(0, slash);
    collector.Add(group, std::move(path));
  }
}

}  // namespace

std::vector<BadgeGroup> CollectBadgeSets(const BadgeRoots& roots, const std::vector<std::string>& countryNames) {
  GroupCollector collector(countryNames);
  CollectFromFolder(roots.folder, collector);
  CollectFromArchive(roots.archive, collector);
  return collector.Take();
}

BadgeSelection FindBadgeSelection(const std::vector<BadgeGroup>& groups, std::string_view badgePath) {
  BadgeSelection selection;
  const std::string_view groupName = BadgeGroupOf(badgePath);
  for (size_t g = 0; g < groups.size() && selection.group < 0; ++g)
    for (const std::string& folder : groups[g].folders)
      if (EqualsIgnoringCase(folder, groupName)) selection.group = static_cast<int>(g);
  if (selection.group < 0 || badgePath.empty()) return selection;
  const auto& badges = groups[size_t(selection.group)].badges;
  for (size_t b = 0; b < badges.size(); ++b)
    if (EqualsIgnoringCase(badges[b], badgePath)) return {selection.group, static_cast<int>(b)};
  return selection;
}

}  // namespace torvale
