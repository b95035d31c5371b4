#include "exchange/vela_player_mapping.h"

#include <algorithm>
#include <utility>

#include "exchange/accent_folding.h"
#include "exchange/text_lines.h"
#include "platform/fatal_error.h"
#include "platform/path.h"
#include "storage/record_stream.h"
#include "world/fixed_text.h"
#include "world/player.h"
#include "world/player_format.h"

namespace torvale {

namespace {

constexpr size_t kMaxRecordName = 63;
constexpr size_t kMaxRecordNumber = 31;
constexpr size_t kMaxRecordNickname = 59;
constexpr size_t kMaxListPath = 259;

// Goalkeepers carry a mark after their name in the star-head list.
constexpr std::string_view kGoalkeeperMarks[] = {"(GK)", "[GK]"};

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The lists' own order: byte order after lowering the ASCII letters.
int CompareIgnoringCase(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(LowerAscii(a[i]));
    const auto cb = static_cast<unsigned char>(LowerAscii(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) { return CompareIgnoringCase(a, b) == 0; }

std::string Normalised(std::string_view text) {
  std::string s(text);
  CleanName(s);
  return s;
}

// Sorts the positions by the chosen text and collects the texts that equal their neighbour.
template <typename TextOf>
void SortAndFindDoubles(std::vector<size_t>& order, std::vector<std::string>& doubles, TextOf textOf) {
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return CompareIgnoringCase(textOf(a), textOf(b)) < 0; });
  doubles.clear();
  for (size_t i = 1; i < order.size(); ++i)
    if (EqualIgnoringCase(textOf(order[i - 1]), textOf(order[i]))) doubles.emplace_back(textOf(order[i]));
}

// The first position in `order` whose text equals `key` ignoring case.
template <typename TextOf>
std::optional<size_t> Search(const std::vector<size_t>& order, std::string_view key, TextOf textOf) {
  auto it = std::lower_bound(order.begin(), order.end(), key,
                             [&](size_t pos, std::string_view k) { return CompareIgnoringCase(textOf(pos), k) < 0; });
  if (it == order.end() || !EqualIgnoringCase(textOf(*it), key)) return std::nullopt;
  return *it;
}

std::string FullName(const CPlayer& person) {
  std::string name(FixedText(person.firstName));
  name += ' ';
  name += FixedText(person.surname);
  return name;
}

}  // namespace

// ------------------------------------------------------------------ player list

bool CVelaPlayerMapping::LoadPlayerIds(std::string_view path) {
  std::string text;
  if (!ReadWholeFile(path, text)) {
    LoadPlayerIdText({}, path);
    return false;
  }
  LoadPlayerIdText(std::move(text), path);
  return true;
}

void CVelaPlayerMapping::LoadPlayerIdText(std::string text, std::string_view path) {
  records_.clear();
  playerListPath_ = std::string(path.substr(0, kMaxListPath));
  TextLineReader lines(std::move(text));
  std::string_view name, number, nickname, check;
  while (lines.Next(name) && lines.Next(number) && lines.Next(nickname) && lines.Next(check)) {
    // The repeated number guards against records that slipped by a line: the list ends there.
    const int32_t id = CKLFile::ParseInt(number.substr(0, kMaxRecordNumber));
    if (id < 1 || id != CKLFile::ParseInt(check.substr(0, kMaxRecordNumber))) break;
    records_.push_back(VelaPlayerRecord{Normalised(name.substr(0, kMaxRecordName)), static_cast<uint32_t>(id),
                                        Normalised(nickname.substr(0, kMaxRecordNickname))});
  }
  IndexRecords();
}

void CVelaPlayerMapping::IndexRecords() {
  byName_.clear();
  byNick_.clear();
  for (size_t i = 0; i < records_.size(); ++i) {
    byName_.push_back(i);
    if (!records_[i].nickname.empty()) byNick_.push_back(i);
  }
  SortAndFindDoubles(byName_, doubleNames_, [this](size_t i) -> std::string_view { return records_[i].name; });
  SortAndFindDoubles(byNick_, doubleNicks_, [this](size_t i) -> std::string_view { return records_[i].nickname; });
}

std::optional<size_t> CVelaPlayerMapping::SearchName(std::string_view key) const {
  return Search(byName_, key, [this](size_t i) -> std::string_view { return records_[i].name; });
}

std::optional<size_t> CVelaPlayerMapping::SearchNick(std::string_view key) const {
  if (key.empty()) return std::nullopt;
  return Search(byNick_, key, [this](size_t i) -> std::string_view { return records_[i].nickname; });
}

uint32_t CVelaPlayerMapping::FindPlayerId(std::string_view firstName, std::string_view surname,
                                          std::string_view nickname, std::string_view stageName) const {
  std::string full(firstName);
  full += ' ';
  full += surname;
  auto hit = SearchName(Normalised(full));
  if (!hit) hit = SearchNick(Normalised(nickname));
  if (!hit) hit = SearchNick(Normalised(stageName));
  return hit ? records_[*hit].id : 0;
}

MappingResult CVelaPlayerMapping::MapPlayerIds(CWorldDatabase* world, std::string_view reportPath,
                                               bool overwrite) {
  if (!world) return MappingResult::kNoWorld;
  if (records_.empty()) return MappingResult::kNoList;

  int success = 0;
  std::vector<const CPlayer*> failures;
  std::vector<const CPlayer*> unnormalised;
  ForEachMappedPerson(*world, [&](CPlayer& person) {
    const std::string_view first = FixedText(person.firstName);
    const std::string_view surname = FixedText(person.surname);
    // A person known by one name only has no first name (or no surname); the blank that
    // joins the two is then no flaw of the person's name.
    std::string joined(first);
    if (!first.empty() && !surname.empty()) joined += ' ';
    joined += surname;
    std::string nick(FixedText(person.nickname));
    const bool changedName = CleanName(joined);
    const bool changedNick = CleanName(nick);
    if (changedName || changedNick) unnormalised.push_back(&person);

    const uint32_t id = FindPlayerId(first, surname, FixedText(person.nickname), FixedText(person.stageName));
    if (id != 0) {
      person.siblingId = id;
      ++success;
    } else {
      failures.push_back(&person);
      if (overwrite) person.siblingId = 0;
    }
  });

  if (reportPath.empty()) return MappingResult::kMapped;
  const auto personLine = [](std::string& report, const CPlayer& p) {
    report += FormatText("   %s, %s [nick: %s]\r\n", std::string(FixedText(p.surname)).c_str(),
                         std::string(FixedText(p.firstName)).c_str(), std::string(FixedText(p.nickname)).c_str());
  };
  std::string report;
  report += FormatText("Vela ID Report - Set complete world from file %s\r\n", playerListPath_.c_str());
  report += FormatText("Number of Vela Players: %i\r\n", static_cast<int>(records_.size()));
  report += FormatText("Stat:\r\nSuccess: %i\r\n", success);
  report += FormatText("Failed: %i\r\n", static_cast<int>(failures.size()));
  report += FormatText("Unnormalized players: %i\r\n", static_cast<int>(unnormalised.size()));
  report += FormatText("Same names: %i, Same nicks: %i", static_cast<int>(doubleNames_.size()),
                       static_cast<int>(doubleNicks_.size()));
  report += "\r\nFailures:\r\n";
  for (const CPlayer* p : failures) personLine(report, *p);
  if (!unnormalised.empty()) {
    report += "Unnormalized Players in the VQ-Database\r\n";
    for (const CPlayer* p : unnormalised) personLine(report, *p);
  }
  report += "\r\nDouble names:\r\n";
  for (const std::string& name : doubleNames_) report += FormatText("   %s\r\n", name.c_str());
  report += "\r\nDouble nicks:\r\n";
  for (const std::string& nick : doubleNicks_) report += FormatText("   %s\r\n", nick.c_str());
  return FinishReport(report, reportPath);
}

// ------------------------------------------------------------------ star heads

std::string CVelaPlayerMapping::StarHeadName(std::string_view field) {
  std::string name = Normalised(field);
  for (std::string_view mark : kGoalkeeperMarks) {
    if (name.size() > mark.size() && EqualIgnoringCase(std::string_view(name).substr(name.size() - mark.size()), mark)) {
      name.resize(name.size() - mark.size());
      CleanName(name);
      break;
    }
  }
  return name;
}

bool CVelaPlayerMapping::LoadStarHeads(std::string_view path) {
  std::string text;
  const bool read = ReadWholeFile(path, text);
  LoadStarHeadText(read ? std::move(text) : std::string());
  return read;
}

void CVelaPlayerMapping::LoadStarHeadText(std::string text) {
  starHeads_.clear();
  starHeadsByFoldedName_.clear();
  TextLineReader lines(std::move(text));
  std::string_view line;
  while (lines.Next(line)) {
    const size_t tab1 = line.find('\t');
    std::string name = StarHeadName(line.substr(0, tab1));
    if (name.empty()) continue;
    StarHeadEntry entry;
    if (tab1 != std::string_view::npos) {
      std::string_view rest = line.substr(tab1 + 1);
      entry.faceId = static_cast<uint16_t>(CKLFile::ParseInt(rest));
      const size_t tab2 = rest.find('\t');
      if (tab2 != std::string_view::npos)
        entry.secondNumber = static_cast<uint32_t>(CKLFile::ParseInt(rest.substr(tab2 + 1)));
    }
    starHeads_.insert_or_assign(std::move(name), entry);
  }
  for (const auto& [name, entry] : starHeads_) starHeadsByFoldedName_.emplace(FoldAccents(name), name);
}

const StarHeadEntry* CVelaPlayerMapping::FindStarHead(std::string_view name) const {
  auto folded = starHeadsByFoldedName_.find(FoldAccents(Normalised(name)));
  if (folded == starHeadsByFoldedName_.end()) return nullptr;
  auto it = starHeads_.find(folded->second);
  return it == starHeads_.end() ? nullptr : &it->second;
}

StarHeadEntry* CVelaPlayerMapping::LookupStarHead(std::string_view name) {
  return const_cast<StarHeadEntry*>(std::as_const(*this).FindStarHead(name));
}

MappingResult CVelaPlayerMapping::MapConsoleFaces(CWorldDatabase* world, std::string_view reportPath,
                                                  bool overwrite) {
  if (!world) return MappingResult::kNoWorld;
  if (starHeads_.empty()) return MappingResult::kNoList;

  for (auto& [name, entry] : starHeads_) entry.useCount = 0;
  ForEachMappedPerson(*world, [&](CPlayer& person) {
    StarHeadEntry* entry = LookupStarHead(FullName(person));
    if (!entry && person.nickname[0] != 0) entry = LookupStarHead(FixedText(person.nickname));
    if (!entry && person.stageName[0] != 0) entry = LookupStarHead(FixedText(person.stageName));
    if (entry) {
      ++entry->useCount;
      person.starHead = entry->faceId;
    } else if (overwrite) {
      person.starHead = 0;
    }
  });

  if (reportPath.empty()) return MappingResult::kMapped;
  std::string report = "Statistical output for PS2 face mapping\r\n";
  for (const auto& [name, entry] : starHeads_)
    if (entry.useCount != 1) report += FormatText("%s used %i times\r\n", name.c_str(), entry.useCount);
  return FinishReport(report, reportPath);
}

}  // namespace torvale
