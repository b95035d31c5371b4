#include "world/global_rules.h"

#include <algorithm>
#include <string>

#include "platform/path.h"
#include "storage/record_stream.h"
#include "world/club.h"
#include "world/club_id_mapper.h"
#include "world/fixed_text.h"

namespace torvale {

namespace {

constexpr std::string_view kSection = "RULES_AND_MISC";
constexpr std::string_view kFileName = "Rules.sav";
// Files before revision 4 had no Intertoto cup; before 0x2004 revision 7 no short names.
constexpr uint16_t kIntertotoRevision = 4;
constexpr uint32_t kShortNamesVersion = 0x20040007;
constexpr int kLastCountry = 206;

bool ValidCup(int cup) { return cup >= 0 && cup < kNamedCups; }
bool ValidLanguage(int language) { return language >= 0 && language < kRulesLanguages; }
bool ValidCountry(uint32_t country) { return country >= 1 && country <= kLastCountry; }

// A club reference as it will read after reloading. Ids of no country (country byte 0 or
// above 206) name no club.
uint32_t SavedClubReference(const ClubIdMapper& clubs, uint32_t clubId) {
  if (clubId == 0 || !ValidCountry(ClubCountry(clubId))) return 0;
  return clubs.SavedClubId(clubId);
}

uint32_t VenueCountry(uint32_t venue) { return venue >> 16; }
int32_t VenueStadium(uint32_t venue) { return static_cast<int32_t>(venue & 0xFFFF); }

bool ValidVenue(uint32_t venue, const StadiumReferenceLookup& stadiums) {
  uint32_t country = VenueCountry(venue);
  int32_t number = VenueStadium(venue);
  return ValidCountry(country) && number >= 1 &&
         number <= stadiums.StadiumCount(static_cast<int>(country));
}

uint32_t SavedVenue(uint32_t venue, const StadiumReferenceLookup& stadiums) {
  uint32_t country = VenueCountry(venue);
  if (!ValidCountry(country) || VenueStadium(venue) == 0) return 0;
  int32_t position = stadiums.SavedStadiumPosition(static_cast<int>(country), VenueStadium(venue));
  return position > 0 ? (country << 16) | static_cast<uint32_t>(position) : 0;
}

// One line of five double-quoted texts. All lists are read through one line buffer, so when a
// list line is missing the previous list's line is split once more: `line` keeps the last
// line read between the calls.
template <size_t Width>
void ReadQuotedList(CKLFile& file, std::string& line, char (&slots)[kRulesLanguages][Width]) {
  file.ReadString(line);
  const char* position = line.c_str();
  for (auto& slot : slots) {
    CKLFile::ExtractDelimited(position, '"', slot, Width);
    // A damaged line (an odd number of quotes) leaves a quote in the last text; kept, it would
    // shift every later text of the list when the rules are saved again.
    std::replace(slot, slot + Width, '"', '\'');
  }
}

}  // namespace

std::string_view CGlobalRules::CupName(int cup, int language, bool shortName) const {
  if (!ValidCup(cup) || !ValidLanguage(language)) return {};
  return shortName ? FixedText(cupShortNames[cup][language]) : FixedText(cupNames[cup][language]);
}

void CGlobalRules::SetCupName(int cup, int language, bool shortName, std::string_view name) {
  if (!ValidCup(cup) || !ValidLanguage(language)) return;
  std::string safe(name);
  std::replace(safe.begin(), safe.end(), '"', '\'');
  if (shortName) SetFixedText(cupShortNames[cup][language], safe);
  else SetFixedText(cupNames[cup][language], safe);
}

int32_t CGlobalRules::MatchRule(int i) const {
  return i >= 0 && i < kMatchRules ? matchRules[static_cast<size_t>(i)] : 0;
}

void CGlobalRules::SetMatchRule(int i, int32_t value) {
  if (i >= 0 && i < kMatchRules) matchRules[static_cast<size_t>(i)] = value;
}

void CGlobalRules::SetFriendlySubstitutions(int32_t count) {
  friendlySubstitutions = std::clamp(count, 0, kMaxFriendlySubstitutions);
}

uint32_t CGlobalRules::TitleHolder(int cup) const {
  return cup >= 0 && cup < kTitleHolderCups ? titleHolders[static_cast<size_t>(cup)] : 0;
}

void CGlobalRules::ChooseTitleHolder(int cup, uint32_t club) {
  if (cup < 0 || cup >= kTitleHolderCups) return;
  // The two European titles exclude each other on the European page; the South American
  // title has no rival on its own page (accepting settles it against the European ones).
  if (club != 0 && cup != kSouthAmericanCup) {
    uint32_t& other = titleHolders[cup == kChampionsCup ? kEuropeanCup : kChampionsCup];
    if (other == club) other = 0;
  }
  titleHolders[static_cast<size_t>(cup)] = club;
}

void CGlobalRules::ApplyTitleHolderExclusivity() {
  uint32_t& champions = titleHolders[kChampionsCup];
  uint32_t& european = titleHolders[kEuropeanCup];
  const uint32_t southAmerican = titleHolders[kSouthAmericanCup];
  if (european == champions) european = 0;
  if (champions == southAmerican) champions = 0;
  if (european == southAmerican) european = 0;
}

bool CGlobalRules::WriteRules(CKLFile& file, const ClubIdMapper& clubs,
                              const StadiumReferenceLookup& stadiums) const {
  if (!file.BeginSection(kSection)) return false;
  WriteVersion(file);
  for (const auto& names : cupNames) file.WriteQuotedList(&names[0][0], kRulesLanguages, kCupNameSize);
  for (const auto& names : cupShortNames)
    file.WriteQuotedList(&names[0][0], kRulesLanguages, kCupShortNameSize);
  for (uint32_t holder : titleHolders) file.WriteInt(SavedClubReference(clubs, holder));
  for (uint32_t venue : finalVenues) file.WriteInt(SavedVenue(venue, stadiums));
  for (uint32_t club : furtherClubs) file.WriteInt(SavedClubReference(clubs, club));
  for (int32_t rule : matchRules) file.WriteInt(rule);
  file.WriteInt(spare);
  file.WriteInt(friendlySubstitutions);
  return file.EndSection(kSection);
}

bool CGlobalRules::ReadRules(CKLFile& file) {
  if (!file.FindSection(kSection)) return false;
  ReadVersion(file);
  std::string line;
  ReadQuotedList(file, line, cupNames[kChampionsCup]);
  ReadQuotedList(file, line, cupNames[kEuropeanCup]);
  ReadQuotedList(file, line, cupNames[kSouthAmericanCup]);
  if (file.GetLoadedVersionMinor() >= kIntertotoRevision)
    ReadQuotedList(file, line, cupNames[kIntertotoCup]);
  if (file.LoadedVersion() >= kShortNamesVersion) {
    for (auto& names : cupShortNames) ReadQuotedList(file, line, names);
  } else {
    for (int cup = 0; cup < kNamedCups; ++cup)
      for (int language = 0; language < kRulesLanguages; ++language)
        SetFixedText(cupShortNames[cup][language], FixedText(cupNames[cup][language]));
  }
  for (uint32_t& holder : titleHolders) file.ReadInt(holder);
  for (uint32_t& venue : finalVenues) file.ReadInt(venue);
  for (uint32_t& club : furtherClubs) file.ReadInt(club);
  for (int32_t& rule : matchRules) file.ReadInt(rule);
  file.ReadInt(spare);
  file.ReadInt(friendlySubstitutions);
  file.FindSectionEnd(kSection);
  return true;
}

int CGlobalRules::ResolveAfterLoad(const ClubIdMapper& clubs,
                                   const StadiumReferenceLookup& stadiums) {
  int dropped = 0;
  auto resolve = [&](uint32_t& club) {
    const uint32_t resolved = SavedClubReference(clubs, club);
    if (club != 0 && resolved == 0) ++dropped;
    club = resolved;
  };
  for (uint32_t& holder : titleHolders) resolve(holder);
  for (uint32_t& club : furtherClubs) resolve(club);
  for (uint32_t& venue : finalVenues)
    if (venue != 0 && !ValidVenue(venue, stadiums)) {
      venue = 0;
      ++dropped;
    }
  SetFriendlySubstitutions(friendlySubstitutions);
  return dropped;
}

bool SaveRulesFile(std::string_view folder, const CGlobalRules& rules, const ClubIdMapper& clubs,
                   const StadiumReferenceLookup& stadiums) {
  CKLFile file;
  if (!file.OpenWrite(JoinPath(folder, kFileName))) return true;
  bool written = rules.WriteRules(file, clubs, stadiums);
  return !file.Close() || !written;
}

bool LoadRulesFile(std::string_view folder, CGlobalRules& rules, uint32_t* dataVersion) {
  rules = CGlobalRules{};
  CKLFile file;
  if (!file.OpenRead(JoinPath(folder, kFileName))) return false;
  bool read = rules.ReadRules(file);
  if (read && dataVersion) *dataVersion = file.LoadedVersion();
  return read;
}

}  // namespace torvale
