// The "COUNTRY" section of a country file: the competitions, the clubs with their persons,
// the small lists, the additional managers, the player pool and the country's settings
// ("COUNTRY_MIST"), plus the 5-year ranking ("RANKING", after the settings so that files
// without it still read), and the conversions of files written by older editions.

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <vector>

#include "competition/competition_records.h"
#include "competition/competition_registry.h"
#include "storage/record_stream.h"
#include "world/country.h"
#include "world/fixed_text.h"
#include "world/person_table.h"
#include "world/sibling_lookup.h"

namespace torvale {

namespace {

constexpr uint16_t kEdition2004 = 0x2004;
// Revisions of the 2004 edition that changed the record.
constexpr uint16_t kYouthMasksRenumberedRevision = 7;
constexpr uint16_t kNotesRevision = 8;
// A damaged count must not make reading allocate without bound.
constexpr int32_t kMaxPlayerPoolEntries = 65535;
// A role no record holds: the probe that tells a missing PLAYER record from a read one.
constexpr int8_t kNoRecordRole = INT8_MIN;
constexpr int kSummaryClubs = 8;

// Files without a version numbered the relegation rules differently; numbers they did not
// know become "no relegation".
uint8_t ConvertUnversionedRelegationRule(uint8_t rule) {
  switch (rule) {
    case 0: case 1: case 2: case 3: case 4: case 9: return rule;
    case 5: return 6;
    case 6: return 7;
    case 7: return 10;
    case 8: return 11;
    case 10: return 12;
    default: return 0;
  }
}

// Revisions before 7 listed the Latin faces before the African ones, had another beard order
// and counted the haircuts from bit 2.
uint32_t ConvertOldFaceMask(uint32_t mask) {
  constexpr uint32_t kSix = 0x3F;
  const uint32_t kept = mask & ~((kSix << 14) | (kSix << 20));
  return kept | (((mask >> 14) & kSix) << 20) | (((mask >> 20) & kSix) << 14);
}

uint32_t ConvertOldBeardMask(uint32_t mask) {
  constexpr std::array<int, 7> kNewBit = {0, 1, 2, 5, 3, 4, 6};
  uint32_t converted = mask & ~0x7Fu;
  for (int bit = 0; bit < 7; ++bit)
    if (mask & (1u << bit)) converted |= 1u << kNewBit[static_cast<size_t>(bit)];
  return converted;
}

// Notes are one value line in the file: line breaks travel as tabs.
std::string NotesToLine(const std::string& notes) {
  std::string line;
  line.reserve(notes.size());
  for (char c : notes) {
    if (c == '\r') continue;
    line += c == '\n' ? '\t' : c;
  }
  return line;
}

std::string NotesFromLine(std::string_view line) {
  std::string notes;
  notes.reserve(line.size());
  for (char c : line) {
    if (c == '\t') notes += "\r\n";
    else notes += c;
  }
  return notes;
}

template <typename T>
void WriteSigned8(CKLFile& file, T value) {
  file.WriteInt(static_cast<int8_t>(value));
}

// A section of counted records; reading stops at the first record that is not there.
template <typename Map, typename WriteFn>
void WriteCountedSection(CKLFile& file, std::string_view name, const Map& map, WriteFn write) {
  file.BeginSection(name);
  file.WriteInt(static_cast<int32_t>(map.size()));
  for (const auto& [number, record] : map) write(file, record);
  file.EndSection(name);
}

template <typename Record, typename ReadFn, typename AddFn>
void ReadCountedSection(CKLFile& file, std::string_view name, ReadFn read, AddFn add) {
  if (!file.FindSection(name)) return;
  int32_t count = 0;
  file.ReadInt(count);
  for (int32_t i = 0; i < count; ++i) {
    Record record;
    if (!read(file, record) || add(record) == 0) break;
  }
  file.FindSectionEnd(name);
}

// What reading persons needs when the world provides nothing.
class NoCountryLanguages final : public CountryLanguageLookup {
 public:
  uint8_t FirstLanguage(uint8_t) const override { return 0; }
};

}  // namespace

// ---------------------------------------------------------------- writing

bool CCountry::WriteCountry(CKLFile& file) const { return WriteCountryRecord(file, *this, *this); }

bool CCountry::WriteCountryAsIs(CKLFile& file) const {
  return WriteCountryRecord(file, IdentityClubIdMapper(), IdentityStadiumPositions());
}

bool CCountry::WriteCountryRecord(CKLFile& file, const ClubIdMapper& clubIds,
                                  const StadiumPositionMapper& stadiums) const {
  if (!file.IsOpenForWriting()) return false;
  file.BeginSection("COUNTRY");
  WriteVersion(file);
  file.WriteInt(IsPlayable() ? 1 : 0);

  if (RegularClubCount() >= kSummaryClubs && HasCompetitions()) {
    // Without a first league the summary lists the clubs the file will number 1-8.
    std::vector<uint32_t> firstClubs(clubNumbering_.begin(),
                                     clubNumbering_.begin() + std::min<size_t>(kSummaryClubs, clubNumbering_.size()));
    WriteCompetitionPart(file, Competitions(), CountryNumber(), firstClubs, clubIds);
  }
  if (HasCompetitions()) {
    WriteCountryCompetitions(file, Competitions(), CountryNumber(), leagueCount, clubIds);
  } else {
    file.BeginSection("COMPETITION");
    file.WriteInt(0);
    file.EndSection("COMPETITION");
  }

  const ClubWriteContext clubContext{clubIds, stadiums};
  file.BeginSection("CLUBS");
  file.WriteInt(RegularClubCount());
  int number = 0;
  for (const auto& [id, club] : clubs_)
    if (ClubNumber(id) != kAmateurClubNumber) club->WriteClub(file, ++number, clubContext);
  if (auto it = clubs_.find(MakeClubId(countryId, kAmateurClubNumber)); it != clubs_.end())
    it->second->WriteClub(file, kAmateurClubNumber, clubContext);
  file.EndSection("CLUBS");

  WriteCountedSection(file, "REFEREES", referees_, WriteReferee);
  WriteCountedSection(file, "SPONSORS", sponsors_, WriteSponsor);
  WriteCountedSection(file, "STAFFS", staff_, WriteStaffMember);
  WriteCountedSection(file, "STADIUMS", stadiums_, WriteStadium);

  std::vector<const CPlayer*> managers;
  if (context_.persons)
    for (uint32_t id : additionalManagers_)
      if (const CPlayer* person = context_.persons->FindPlayer(id)) managers.push_back(person);
  file.BeginSection("ADDMANAGER");
  file.WriteInt(static_cast<int32_t>(managers.size()));
  for (const CPlayer* person : managers) person->WritePlayer(file, clubIds);
  file.EndSection("ADDMANAGER");

  file.BeginSection("PLAYERPOOL");
  file.WriteInt(static_cast<int32_t>(std::count_if(playerPool_.begin(), playerPool_.end(),
                                                   [](const CPlayerPoolEntry& e) { return e.InUse(); })));
  for (const CPlayerPoolEntry& entry : playerPool_)
    if (entry.InUse()) WritePlayerPoolEntry(file, entry);
  file.EndSection("PLAYERPOOL");

  WriteCountryMist(file, stadiums);

  file.BeginSection("RANKING");
  for (uint16_t points : fiveYearPoints) file.WriteInt(points);
  file.WriteInt(rankingExcluded);
  file.EndSection("RANKING");

  return file.EndSection("COUNTRY");
}

void CCountry::WriteCountryMist(CKLFile& file, const StadiumPositionMapper& stadiums) const {
  file.BeginSection("COUNTRY_MIST");
  // Name, short name and continent are copies for readers of the file; the country index
  // is where they come from.
  file.WriteString(Name(0));
  file.WriteString(ShortName(0));
  file.WriteInt(static_cast<uint8_t>(continent));
  WriteSigned8(file, leagueCount);
  WriteSigned8(file, 0);
  WriteFixedText(file, federationName);
  file.WriteByteList(languages.data(), languages.size());
  file.WriteByteList(languageShares.data(), languageShares.size());
  WriteSigned8(file, reserveLevel);
  WriteSigned8(file, leagueSystemOption);
  WriteFixedText(file, presidentFirstName);
  WriteFixedText(file, presidentSurname);
  WriteDate(file, presidentBirthDate);
  for (const ReporterName& reporter : reporters) {
    WriteFixedText(file, reporter.firstName);
    WriteFixedText(file, reporter.surname);
  }
  for (uint8_t value : {yellowCardLeagueRule, yellowCardCupRule, redCardOptions, redCardRule, suspensionScope,
                        yellowRedBanLevels})
    WriteSigned8(file, value);
  for (size_t level = 0; level < kCountryLevels; ++level) {
    for (uint8_t value : {firstLeague[level], endLeague[level], levelValuesA[level], levelValuesB[level],
                          tieBreakRules[level], foreignPlayerLimits[level], relegationRules[level]})
      WriteSigned8(file, value);
  }
  file.WriteInt(nationalCupMode);
  WriteSigned8(file, clubOptions);
  file.WriteInt(stadiums.SavedStadiumPosition(cupFinalStadium));
  file.WriteInt(superCupMode);
  file.WriteInt(leagueCupMode);
  for (uint8_t value : {indoorTournament, winterBreak, spareFlag, teamTransfers, climate}) WriteSigned8(file, value);
  for (uint16_t value : masterValues) file.WriteInt(value);
  file.WriteInt(moveAbroadProbability);
  file.WriteInt(transferWindow1);
  file.WriteInt(transferWindow2);
  WriteManager(file, nationalCoach);
  file.WriteBool(generateNames);
  WriteSigned8(file, averageStrength);
  for (uint32_t mask : youthMasks) file.WriteInt(static_cast<int32_t>(mask));
  file.WriteInt(youthHeight);
  file.WriteInt(youthWeight);
  file.WriteString(nationalNewspaper);
  file.WriteInt(continentalTitles);
  file.WriteInt(worldChampionships);
  file.WriteInt(continentalFinals);
  file.WriteInt(worldChampionshipFinals);
  file.WriteString(NotesToLine(notes));
  file.EndSection("COUNTRY_MIST");
}

// ---------------------------------------------------------------- reading

bool CCountry::ReadCountry(CKLFile& file) {
  if (!file.FindSection("COUNTRY")) return false;
  ReadVersion(file);
  // Clubs and persons carry versions of their own; the country's conversions go by its own.
  const uint32_t version = file.LoadedVersion();
  int32_t playable = 0;
  file.ReadInt(playable);  // derived again from the data

  ClearOwned();
  leagueCount = 0;
  nationalCupMode = leagueCupMode = superCupMode = 0;
  if (file.FindSection("COMPETITIONPART")) file.FindSectionEnd("COMPETITIONPART");
  if (HasCompetitions()) {
    ReadCountryCompetitions(file, Competitions(), CountryNumber());
  } else if (file.FindSection("COMPETITION")) {
    file.FindSectionEnd("COMPETITION");
  }

  const NoSiblingGameLists noLists;
  const NoCountryLanguages noLanguages;
  std::minstd_rand fallbackRandom;
  const PlayerReadContext players{context_.sibling ? *context_.sibling : noLists,
                                  context_.persons ? context_.persons->Countries() : noLanguages,
                                  context_.random ? *context_.random : fallbackRandom, context_.referenceDate};
  ReadClubs(file, ClubReadContext{players, context_.language, 0});
  file.SetLoadedVersion(version);

  ReadSmallLists(file);
  // Older files kept the national coach here; it now lives with the settings.
  if (file.FindSection("MANAGER")) file.FindSectionEnd("MANAGER");
  ReadAdditionalManagers(file, players);
  file.SetLoadedVersion(version);
  ReadPlayerPool(file);
  ReadCountryMist(file);

  if (file.FindSection("RANKING")) {
    for (uint16_t& points : fiveYearPoints) file.ReadInt(points);
    file.ReadInt(rankingExcluded);
    file.FindSectionEnd("RANKING");
  }
  file.FindSectionEnd("COUNTRY");

  if (HasCompetitions())
    if (auto* root = Competitions().Find<CDBRoot>(MakeCompetitionId(CountryNumber(), CompKind::ROOT, 0)))
      root->RefreshCupIds();

  const uint16_t edition = static_cast<uint16_t>(version >> 16);
  const uint16_t revision = static_cast<uint16_t>(version & 0xFFFF);
  if (edition == kEdition2004 && revision < kYouthMasksRenumberedRevision) {
    youthMasks[kYouthFaces] = ConvertOldFaceMask(youthMasks[kYouthFaces]);
    youthMasks[kYouthBeards] = ConvertOldBeardMask(youthMasks[kYouthBeards]);
    youthMasks[kYouthHaircuts] >>= 1;
  }
  return true;
}

void CCountry::ReadClubs(CKLFile& file, const ClubReadContext& context) {
  CClub& amateur = CreateAmateurClub();
  if (!file.FindSection("CLUBS")) return;
  int32_t count = 0;
  file.ReadInt(count);
  // The count is only a promise: clubs are created while the file has their records.
  for (int32_t number = 1; number <= count && number < kAmateurClubNumber; ++number) {
    auto club = std::make_unique<CClub>();
    club->clubId = MakeClubId(countryId, static_cast<uint32_t>(number));
    club->SetWorld(context_.persons);
    if (!club->ReadClub(file, number, context)) break;
    AddClub(std::move(club), static_cast<uint16_t>(number));
  }
  amateur.ReadClub(file, kAmateurClubNumber, context);
  // The amateur club stands for the country: it carries the country's names, except in the
  // fifth language slot, which keeps what was read.
  for (int language = 0; language < kClubLanguages - 1; ++language) amateur.SetName(language, Name(language));
  file.FindSectionEnd("CLUBS");
}

void CCountry::ReadSmallLists(CKLFile& file) {
  ReadCountedSection<CReferee>(file, "REFEREES", ReadReferee, [this](const CReferee& r) { return AddReferee(r); });
  ReadCountedSection<CSponsor>(file, "SPONSORS", ReadSponsor, [this](const CSponsor& s) { return AddSponsor(s); });
  ReadCountedSection<CStaffMember>(file, "STAFFS", ReadStaffMember,
                                   [this](const CStaffMember& m) { return AddStaff(m); });
  ReadCountedSection<CStadium>(file, "STADIUMS", ReadStadium, [this](const CStadium& s) { return AddStadium(s); });
}

void CCountry::ReadAdditionalManagers(CKLFile& file, const PlayerReadContext& context) {
  if (!file.FindSection("ADDMANAGER")) return;
  int32_t count = 0;
  file.ReadInt(count);
  for (int32_t i = 0; i < count; ++i) {
    CPlayer read;
    read.role = kNoRecordRole;
    read.ReadPlayer(file, context);
    if (read.role == kNoRecordRole) break;
    if (!context_.persons) continue;
    // Managers are stored without their id: each gets a fresh one.
    CPlayer* person = context_.persons->CreatePlayer(0, true);
    const uint32_t id = person->id;
    static_cast<PlayerFields&>(*person) = read;
    person->id = id;
    additionalManagers_.insert(id);
  }
  file.FindSectionEnd("ADDMANAGER");
}

void CCountry::ReadPlayerPool(CKLFile& file) {
  ResizePlayerPool(static_cast<int>(std::min<size_t>(clubs_.size() * kPoolEntriesPerClub, kMaxPlayerPoolEntries)));
  if (!file.FindSection("PLAYERPOOL")) return;
  int32_t count = 0;
  file.ReadInt(count);
  count = std::clamp(count, 0, kMaxPlayerPoolEntries);
  ResizePlayerPool(count);
  for (int32_t i = 0; i < count; ++i)
    if (!ReadPlayerPoolEntry(file, playerPool_[static_cast<size_t>(i)])) break;
  file.FindSectionEnd("PLAYERPOOL");
}

void CCountry::ReadCountryMist(CKLFile& file) {
  if (!file.FindSection("COUNTRY_MIST")) return;
  const uint16_t edition = file.GetLoadedVersionMajor();
  const uint16_t revision = file.GetLoadedVersionMinor();

  std::string scratch;
  for (int i = 0; i < 3; ++i) file.ReadString(scratch);  // name, short name, continent
  file.ReadInt(leagueCount);
  int32_t unused = 0;
  file.ReadInt(unused);
  ReadFixedText(file, federationName);
  if (edition == kEdition2004) {
    file.ReadByteList(languages.data(), languages.size());
    file.ReadByteList(languageShares.data(), languageShares.size());
  } else {
    // Older files held two single bytes here.
    file.ReadInt(unused);
    file.ReadInt(unused);
  }
  file.ReadInt(reserveLevel);
  file.ReadInt(leagueSystemOption);
  ReadFixedText(file, presidentFirstName);
  ReadFixedText(file, presidentSurname);
  ReadDate(file, presidentBirthDate);
  for (ReporterName& reporter : reporters) {
    ReadFixedText(file, reporter.firstName);
    ReadFixedText(file, reporter.surname);
  }
  for (uint8_t* value : {&yellowCardLeagueRule, &yellowCardCupRule, &redCardOptions, &redCardRule, &suspensionScope,
                         &yellowRedBanLevels})
    file.ReadInt(*value);
  for (size_t level = 0; level < kCountryLevels; ++level) {
    for (uint8_t* value : {&firstLeague[level], &endLeague[level], &levelValuesA[level], &levelValuesB[level],
                           &tieBreakRules[level], &foreignPlayerLimits[level], &relegationRules[level]})
      file.ReadInt(*value);
    if (edition == 0) relegationRules[level] = ConvertUnversionedRelegationRule(relegationRules[level]);
  }
  file.ReadInt(nationalCupMode);
  file.ReadInt(clubOptions);
  file.ReadInt(cupFinalStadium);
  file.ReadInt(superCupMode);
  file.ReadInt(leagueCupMode);
  for (uint8_t* value : {&indoorTournament, &winterBreak, &spareFlag, &teamTransfers, &climate}) file.ReadInt(*value);
  if (winterBreak == 0) indoorTournament = 0;  // the indoor round is played in the winter break
  for (uint16_t& value : masterValues) file.ReadInt(value);
  file.ReadInt(moveAbroadProbability);
  file.ReadInt(transferWindow1);
  file.ReadInt(transferWindow2);
  ReadManager(file, nationalCoach);
  file.ReadBool(generateNames);
  file.ReadInt(averageStrength);
  if (averageStrength > kMaxAverageStrength) averageStrength = kMaxAverageStrength;
  for (uint32_t& mask : youthMasks) file.ReadInt(mask);
  file.ReadInt(youthHeight);
  file.ReadInt(youthWeight);
  file.ReadString(nationalNewspaper);
  file.ReadInt(continentalTitles);
  file.ReadInt(worldChampionships);
  file.ReadInt(continentalFinals);
  file.ReadInt(worldChampionshipFinals);
  if (edition == kEdition2004 && revision >= kNotesRevision) {
    std::string line;
    if (file.ReadString(line)) notes = NotesFromLine(line);
  }
  file.FindSectionEnd("COUNTRY_MIST");
}

}  // namespace torvale
