#include "exchange/vela_club_mapping.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "exchange/text_lines.h"
#include "platform/fatal_error.h"
#include "platform/path.h"
#include "storage/record_stream.h"
#include "database/world_database.h"
#include "world/club.h"
#include "world/player_format.h"

namespace torvale {

namespace {

constexpr size_t kMaxDescription = 51;
constexpr std::string_view kCompanySuffix = "S.A.D.";
// Ids the exporter writes for clubs it could not place.
constexpr uint32_t kNoClubId = 0;
constexpr uint32_t kUnplacedClubId = 400;

// The `index`th TAB-separated field of the line; empty when the line has fewer.
std::string_view Field(std::string_view line, int index) {
  for (int i = 0; i < index; ++i) {
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return {};
    line.remove_prefix(tab + 1);
  }
  return line.substr(0, line.find('\t'));
}

using EntryRef = std::pair<const std::string*, const VelaClubEntry*>;

// The report lists entries by description, then by name.
std::vector<EntryRef> SortedForReport(const std::map<std::string, VelaClubEntry, std::less<>>& entries,
                                      bool (*wanted)(const VelaClubEntry&)) {
  std::vector<EntryRef> list;
  for (const auto& [name, entry] : entries)
    if (wanted(entry)) list.emplace_back(&name, &entry);
  std::sort(list.begin(), list.end(), [](const EntryRef& a, const EntryRef& b) {
    if (a.second->description != b.second->description) return a.second->description < b.second->description;
    return *a.first < *b.first;
  });
  return list;
}

}  // namespace

std::string CVelaClubMapping::ListName(std::string_view field) {
  std::string name(field);
  CleanName(name);
  if (name.size() >= kCompanySuffix.size() &&
      std::string_view(name).substr(name.size() - kCompanySuffix.size()) == kCompanySuffix) {
    name.resize(name.size() - kCompanySuffix.size());
    CleanName(name);
  }
  return name;
}

bool CVelaClubMapping::Load(std::string_view path) {
  std::string text;
  if (!ReadWholeFile(path, text)) {
    entries_.clear();
    return false;
  }
  LoadText(std::move(text));
  return true;
}

void CVelaClubMapping::LoadText(std::string text) {
  entries_.clear();
  TextLineReader lines(std::move(text));
  std::string_view line;
  while (lines.Next(line)) {
    VelaClubEntry entry;
    entry.id = static_cast<uint32_t>(CKLFile::ParseInt(Field(line, 0)));
    entry.description = std::string(Field(line, 1).substr(0, kMaxDescription));
    entry.secondNumber = static_cast<uint32_t>(CKLFile::ParseInt(Field(line, 2)));
    std::string name = ListName(Field(line, 3));
    if (entry.id == kNoClubId || entry.id == kUnplacedClubId || name.empty() || entry.description.empty())
      continue;
    entries_.insert_or_assign(std::move(name), std::move(entry));
  }
}

const VelaClubEntry* CVelaClubMapping::Find(std::string_view name) const {
  std::string key(name);
  CleanName(key);
  auto it = entries_.find(key);
  return it == entries_.end() ? nullptr : &it->second;
}

VelaClubEntry* CVelaClubMapping::Lookup(std::string_view name) {
  return const_cast<VelaClubEntry*>(std::as_const(*this).Find(name));
}

MappingResult CVelaClubMapping::MapWorld(CWorldDatabase* world, std::string_view reportPath, bool overwrite) {
  if (!world) return MappingResult::kNoWorld;
  // Without a list every club would count as unrecognised, and overwriting would wipe the ids
  // of the whole world.
  if (entries_.empty()) return MappingResult::kNoList;

  for (auto& [name, entry] : entries_) entry.useCount = 0;
  const int language = world->Language();
  int success = 0;
  int failure = 0;
  ForEachMappedClub(*world, [&](CClub& club) {
    VelaClubEntry* entry = Lookup(club.Name(language));
    if (!entry) entry = Lookup(club.ShortName(language));
    if (entry) {
      ++entry->useCount;
      club.siblingId = static_cast<uint16_t>(entry->id);
      club.secondSiblingId = static_cast<uint16_t>(entry->id);
      ++success;
    } else {
      ++failure;
      if (overwrite) club.siblingId = club.secondSiblingId = 0;
    }
  });

  if (reportPath.empty()) return MappingResult::kMapped;
  return FinishReport(Report(success, failure), reportPath);
}

std::string CVelaClubMapping::Report(int success, int failure) const {
  const auto unmapped = SortedForReport(entries_, [](const VelaClubEntry& e) { return e.useCount == 0; });
  const auto overmapped = SortedForReport(entries_, [](const VelaClubEntry& e) { return e.useCount > 1; });
  std::string report = "Club mapping statistics\r\n";
  report += FormatText("Success: %i, Failure: %i\r\n", success, failure);
  report += FormatText("Unmapped: %i, Too much mapped: %i\r\n", static_cast<int>(unmapped.size()),
                       static_cast<int>(overmapped.size()));
  report += "\r\nUnmapped:\r\n";
  for (const auto& [name, entry] : unmapped)
    report += FormatText("%s (%s) - VelaID: %i\r\n", name->c_str(), entry->description.c_str(),
                         static_cast<int>(entry->id));
  report += "\r\nOvermapped:\r\n";
  for (const auto& [name, entry] : overmapped)
    report += FormatText("%s (%s) (%i Times)- VelaID: %i\r\n", name->c_str(), entry->description.c_str(),
                         entry->useCount, static_cast<int>(entry->id));
  return report;
}

}  // namespace torvale
