#include "database/world_database.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "competition/competition_records.h"
#include "competition/cup_national.h"
#include "exchange/name_pool.h"
#include "platform/atomic_file.h"
#include "platform/path.h"
#include "storage/record_stream.h"
#include "database/database_commit.h"
#include "database/save_backup_hook.h"
#include "database/save_error_reporter.h"
#include "world/sibling_lookup.h"

namespace torvale {

namespace {

// The name pool of a world is created with these two tags (the values the master build gives
// the names taken from the name files).
constexpr uint32_t kNamePoolFirstTag = 20;
constexpr uint32_t kNamePoolSecondTag = 20;
// Lines per country in the country index: names, short names, continent, two languages and
// the byte the master build writes after the continent.
constexpr int kIndexLinesPerCountry = 6;

constexpr std::string_view kRulesFileName = "Rules.sav";
constexpr std::string_view kWithoutFileName = "Without.sav";

std::string CountryFileName(int number) { return "Country" + std::to_string(number) + ".sav"; }

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

void RemoveAllPersons(CPersonTable& persons) {
  std::vector<uint32_t> ids;
  ids.reserve(persons.Count());
  for (const auto& [id, person] : persons.Persons()) ids.push_back(id);
  for (uint32_t id : ids) persons.RemovePlayer(id);
}

}  // namespace

std::array<std::string, kCountryLanguages> SplitCountryIndexNames(std::string_view line) {
  // The index may list up to nine names; the languages take the first five.
  std::vector<std::string_view> names;
  while (!line.empty()) {
    const size_t comma = line.find(',');
    std::string_view field = line.substr(0, comma);
    if (!field.empty()) names.push_back(field);
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  std::array<std::string, kCountryLanguages> result;
  if (names.empty()) return result;
  result.fill(std::string(names[0]));
  for (size_t k = 1; k < names.size() && k < static_cast<size_t>(kCountryLanguages); ++k)
    result[k] = std::string(names[k]);
  return result;
}

CWorldDatabase::CWorldDatabase(WorldEnvironment environment) : environment_(std::move(environment)) {
  Reset();
}

CWorldDatabase::~CWorldDatabase() { Clear(); }

void CWorldDatabase::Reset() {
  RemoveAllPersons(persons_);
  rules_ = CGlobalRules();
  selection_ = StartingSelection();
  spareA_.fill(0);
  spareB_.fill(0);
  language_ = 0;
  SetFolder("database");
}

void CWorldDatabase::Clear() {
  // Countries first: they refer to the registry and the person table.
  for (auto& country : countries_) country.reset();
  withoutClub_.reset();
  namePool_.reset();
  competitions_.Clear();
  RemoveAllPersons(persons_);
  loaded_ = 0;
}

void CWorldDatabase::InitEmptyWorld() {
  Clear();
  CreateCountries();
  withoutClub_ = std::make_unique<CPlayersWithoutClub>(persons_);
  namePool_ = std::make_unique<CNamePool>(kNamePoolFirstTag, kNamePoolSecondTag);
  loaded_ = 1;
  FillCountriesFromIndex();
  calendars_.Clear();
  if (!environment_.scriptFolder.empty())
    LoadInternationalCompetitions(environment_.scriptFolder, competitions_, calendars_);
}

void CWorldDatabase::CreateCountries() {
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    auto country = std::make_unique<CCountry>(static_cast<uint32_t>(n));
    country->SetContext(MakeCountryContext());
    countries_[static_cast<size_t>(n)] = std::move(country);
  }
}

void CWorldDatabase::CreateCountryBasics(CCountry& country) {
  country.CreateAmateurClub();
  // The pool a country has after reading a file without pool entries, so that a country the
  // folder does not hold and one read from an empty record look the same.
  country.ResizePlayerPool(static_cast<int>(country.Clubs().size()) * kPoolEntriesPerClub);
  EnsureCountryRoot(competitions_, country.CountryNumber());
}

void CWorldDatabase::FillCountriesFromIndex() {
  std::string text;
  const bool haveIndex = ReadWholeFile(environment_.countryIndexPath, text);
  const std::vector<std::string_view> lines = haveIndex ? SplitLines(text) : std::vector<std::string_view>{};
  auto line = [&lines](size_t i) { return i < lines.size() ? lines[i] : std::string_view(); };

  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    CCountry& country = *countries_[static_cast<size_t>(n)];
    if (haveIndex) {
      const size_t first = static_cast<size_t>(n - kFirstCountry) * kIndexLinesPerCountry;
      const auto names = SplitCountryIndexNames(line(first));
      const auto shortNames = SplitCountryIndexNames(line(first + 1));
      for (int language = 0; language < kCountryLanguages; ++language) {
        country.SetName(language, names[static_cast<size_t>(language)]);
        country.SetShortName(language, shortNames[static_cast<size_t>(language)]);
      }
      country.continent = static_cast<uint32_t>(CKLFile::ParseInt(line(first + 2)));
      const auto firstLanguage = static_cast<uint8_t>(CKLFile::ParseInt(line(first + 3)));
      country.languages[0] = firstLanguage;
      country.SetFallbackLanguage(firstLanguage);
      country.languages[1] = static_cast<uint8_t>(CKLFile::ParseInt(line(first + 4)));
      country.continentByte = static_cast<uint8_t>(CKLFile::ParseInt(line(first + 5)));
    }
    CreateCountryBasics(country);
  }
}

// ---------------------------------------------------------------- folder

void CWorldDatabase::SetFolder(std::string_view path) {
  folder_ = NormalizePath(path);
  accessFolder_ = std::string(path);
  std::replace(accessFolder_.begin(), accessFolder_.end(), '\\', '/');
  badgeFolder_ = folder_ + "/Badge";
}

std::string CWorldDatabase::Name() const {
  size_t cut = folder_.rfind('/');
  if (cut == std::string::npos) cut = folder_.rfind('\\');
  return cut == std::string::npos ? folder_ : folder_.substr(cut + 1);
}

// ---------------------------------------------------------------- load and save

bool CWorldDatabase::Load(std::string_view path) {
  LoadReport report;
  return Load(path, report);
}

bool CWorldDatabase::Load(std::string_view path, LoadReport& report) {
  report.Clear();
  if (!IsLoaded()) InitEmptyWorld();
  secondMap_.clear();
  SetFolder(path);
  unreadableFiles_.clear();
  for (auto& country : countries_)
    if (country) country->SetKeepReferencesAsRead(false);

  switch (RecoverInterruptedSave(accessFolder_)) {
    case CommitRecovery::kRolledForward:
      report.Add(std::string(kCommitRecordName), LoadProblemKind::kRepaired, 0,
                 "Ein unterbrochenes Speichern wurde abgeschlossen.");
      break;
    case CommitRecovery::kRolledBack:
      report.Add(std::string(kCommitRecordName), LoadProblemKind::kRepaired, 0,
                 "Ein unvollst\xE4ndiges Speichern wurde verworfen; die Datenbank ist wie zuvor.");
      break;
    case CommitRecovery::kNothing:
      break;
  }
  RemoveStaleTemporaries(accessFolder_);

  for (int n = kFirstCountry; n <= kLastCountry; ++n) LoadCountryFile(n, report);
  // The countries keep their club numbering in step with their club maps, so the rules
  // below resolve against the numbering the files were read with.
  // "Without.sav" has no version of its own: its persons are laid out as the rules file's.
  uint32_t rulesVersion = CKLFile::kWrittenVersion;
  LoadRules(report, rulesVersion);
  const bool withoutRead = LoadWithout(report, rulesVersion);
  lastLoadReport_ = report;
  return withoutRead && unreadableFiles_.empty();
}

bool CWorldDatabase::OpenFolderFile(CKLFile& file, const std::string& name, const char* missingText,
                                    LoadReport& report) {
  switch (file.OpenReadChecked(JoinPath(accessFolder_, name))) {
    case FileReadResult::kMissing:
      report.Add(name, LoadProblemKind::kMissing, 0, missingText);
      return false;
    case FileReadResult::kUnreadable:
      // Taken for missing, the file would be replaced by an empty one on the next save.
      report.Add(name, LoadProblemKind::kUnreadable, 0,
                 "Die Datei kann nicht gelesen werden; sie wird beim Speichern nicht \xFC" "berschrieben.");
      unreadableFiles_.insert(name);
      return false;
    case FileReadResult::kRead:
      break;
  }
  return true;
}

void CWorldDatabase::LoadCountryFile(int number, LoadReport& report) {
  const std::string name = CountryFileName(number);
  CCountry& country = *countries_[static_cast<size_t>(number)];
  CKLFile file;
  if (!OpenFolderFile(file, name, "Die Datei fehlt; das Land bleibt leer.", report)) {
    if (unreadableFiles_.contains(name)) country.SetKeepReferencesAsRead(true);
    return;
  }
  CountryReadCheck check;
  if (!country.ReadCountry(file, &check)) {
    report.Add(name, LoadProblemKind::kDamaged, check.lastLine,
               "Der Abschnitt COUNTRY fehlt; das Land bleibt leer.");
    return;
  }
  if (!check.countryEnded)
    report.Add(name, LoadProblemKind::kDamaged, check.lastLine,
               "Die Datei endet vorzeitig; was bis dahin stand, wurde gelesen, der Rest hat Standardwerte.");
  if (check.clubsRead < check.clubsPromised)
    report.Add(name, LoadProblemKind::kDamaged, 0,
               "Es wurden nur " + std::to_string(check.clubsRead) + " von " + std::to_string(check.clubsPromised) +
                   " Vereinen gelesen.");
  if (!check.leagueCountRead && check.leaguesRead > 0)
    report.Add(name, LoadProblemKind::kRepaired, 0,
               "Die Zahl der Ligen fehlte; sie folgt den " + std::to_string(check.leaguesRead) + " gelesenen Ligen.");
  else if (check.leagueCountRead && check.leagueCountInFile != check.leaguesRead)
    report.Add(name, LoadProblemKind::kRepaired, 0,
               "Die Zahl der Ligen (" + std::to_string(check.leagueCountInFile) + ") passte nicht zu den " +
                   std::to_string(check.leaguesRead) + " gelesenen Ligen; sie folgt den gelesenen.");
}

void CWorldDatabase::LoadRules(LoadReport& report, uint32_t& rulesVersion) {
  const std::string name(kRulesFileName);
  rules_ = CGlobalRules{};
  CKLFile file;
  if (OpenFolderFile(file, name, "Die Datei fehlt; es gelten die Standardregeln.", report)) {
    if (rules_.ReadRules(file)) rulesVersion = file.LoadedVersion();
    else report.Add(name, LoadProblemKind::kDamaged, 1, "Der Abschnitt RULES_AND_MISC fehlt.");
  }
  if (const int dropped = rules_.ResolveAfterLoad(*this, *this); dropped > 0)
    report.Add(name, LoadProblemKind::kDamaged, 0,
               std::to_string(dropped) + " Verweise auf nicht vorhandene Vereine oder Stadien wurden entfernt.");
}

bool CWorldDatabase::LoadWithout(LoadReport& report, uint32_t rulesVersion) {
  const std::string name(kWithoutFileName);
  RemoveWithoutClubPersons();
  CKLFile file;
  if (!OpenFolderFile(file, name, "Die Datei fehlt; es gibt keine vereinslosen Spieler.", report)) return false;
  file.SetLoadedVersion(rulesVersion);
  if (withoutClub_->ReadWithout(file, MakePlayerReadContext())) return true;
  report.Add(name, LoadProblemKind::kDamaged, 1, "Der Abschnitt WITHOUT fehlt.");
  return false;
}

bool CWorldDatabase::StageFiles(DatabaseCommit& commit) const {
  // Each file: written under its temporary name, complete, or the save fails. A file whose
  // bytes would not change is left as it is: most saves change a few countries, and every
  // file written must reach the disk before the commit.
  auto stage = [&](const std::string& name, const auto& write) {
    if (unreadableFiles_.contains(name)) return true;
    CKLFile memory;
    memory.OpenWriteToMemory();
    const bool written = write(memory);
    const std::string text = memory.TakeWritten();
    const std::string path = JoinPath(accessFolder_, name);
    std::string old;
    if (written && ReadWholeFileChecked(path, old) == FileReadResult::kRead && old == text) return true;
    AtomicFile file;
    if (!file.Open(path) || !file.Write(text) || !file.Stage(false)) return false;  // the commit syncs them
    commit.Add(file.TakeStaged(), ResolvePath(path));
    return written;
  };
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry* country = Country(n);
    if (!country) continue;
    if (!stage(CountryFileName(n), [country](CKLFile& file) { return country->WriteCountry(file); })) return false;
  }
  if (!stage(std::string(kRulesFileName), [this](CKLFile& file) { return rules_.WriteRules(file, *this, *this); }))
    return false;
  if (withoutClub_ &&
      !stage(std::string(kWithoutFileName), [this](CKLFile& file) { return withoutClub_->WriteWithout(file, *this); }))
    return false;
  return true;
}

bool CWorldDatabase::Save(SaveErrorReporter& reporter, SaveBackupHook* backup) const {
  // What a killed save left behind is settled first, so that it cannot be mixed with this one.
  RecoverInterruptedSave(accessFolder_);
  RemoveStaleTemporaries(accessFolder_);
  DatabaseCommit commit(accessFolder_);
  // A failed file stops the save: the others would refer to it under the new numbering.
  bool ok = StageFiles(commit);
  // The old files are still in place here, and stay so until Commit renames over them.
  if (ok && backup && commit.HasStaged()) backup->KeepPreviousState(accessFolder_, Folder(), Name());
  ok = ok && commit.Commit();
  if (!ok) {
    commit.Discard();
    reporter.ReportSaveError(IDS_SAVE_FAILED);
  }
  if (ok)
    std::erase_if(lastLoadReport_.problems,
                  [](const LoadProblem& problem) { return problem.kind != LoadProblemKind::kUnreadable; });
  if (!unreadableFiles_.empty())
    reporter.ReportFilesNotWritten(std::vector<std::string>(unreadableFiles_.begin(), unreadableFiles_.end()));
  return ok;
}

void CWorldDatabase::MarkCountryReplaced(int number) {
  if (CCountry* country = Country(number)) country->SetKeepReferencesAsRead(false);
  unreadableFiles_.erase(CountryFileName(number));
}

void CWorldDatabase::RestoreLoadState(const std::set<std::string>& unreadable, const LoadReport& report) {
  unreadableFiles_ = unreadable;
  lastLoadReport_ = report;
  for (int n = kFirstCountry; n <= kLastCountry; ++n)
    if (CCountry* country = Country(n)) country->SetKeepReferencesAsRead(unreadable.contains(CountryFileName(n)));
}

void CWorldDatabase::RemoveWithoutClubPersons() {
  if (!withoutClub_) return;
  for (size_t i = 0; i < withoutClub_->Count(); ++i) persons_.RemovePlayer(withoutClub_->IdAt(i));
  withoutClub_->Clear();
}

// ---------------------------------------------------------------- countries

CCountry* CWorldDatabase::Country(int number) {
  if (number < kFirstCountry || number > kLastCountry) return nullptr;
  return countries_[static_cast<size_t>(number)].get();
}

const CCountry* CWorldDatabase::Country(int number) const {
  if (number < kFirstCountry || number > kLastCountry) return nullptr;
  return countries_[static_cast<size_t>(number)].get();
}

void CWorldDatabase::SetLanguage(uint8_t language) {
  language_ = language;
  for (auto& country : countries_)
    if (country) country->SetContext(MakeCountryContext());
}

CountryContext CWorldDatabase::MakeCountryContext() {
  CountryContext context;
  context.competitions = &competitions_;
  context.persons = &persons_;
  context.cupAllocations = environment_.cupAllocations;
  context.countries = this;
  context.sibling = environment_.sibling;
  context.random = &random_;
  context.language = language_;
  return context;
}

PlayerReadContext CWorldDatabase::MakePlayerReadContext() {
  return PlayerReadContext{environment_.sibling ? *environment_.sibling : noSibling_, *this, random_,
                           CountryContext().referenceDate};
}

const CCountry* CWorldDatabase::FindCountry(int countryId) const { return Country(countryId); }

uint8_t CWorldDatabase::FirstLanguage(uint8_t countryId) const {
  const CCountry* country = Country(countryId);
  return country ? country->languages[0] : 0;
}

uint32_t CWorldDatabase::SavedClubId(uint32_t clubId) const {
  if (ClubNumber(clubId) == kAmateurClubNumber) return clubId;
  const CCountry* country = Country(ClubCountry(clubId));
  return country ? country->SavedClubId(clubId) : 0;
}

int CWorldDatabase::StadiumCount(int country) const {
  const CCountry* owner = Country(country);
  if (owner && owner->KeepsReferencesAsRead()) return INT16_MAX;  // its file keeps its stadiums
  return owner ? static_cast<int>(owner->Stadiums().size()) : 0;
}

int32_t CWorldDatabase::SavedStadiumPosition(int country, int32_t number) const {
  const CCountry* owner = Country(country);
  if (owner && owner->KeepsReferencesAsRead()) return number;
  if (!owner || !owner->Stadiums().contains(number)) return 0;
  return owner->SavedStadiumPosition(number);
}

// ---------------------------------------------------------------- comparison

namespace {

bool SamePerson(const CPlayer* a, const CPlayer* b) {
  if (!a || !b) return a == b;
  PlayerFields left = *a;
  left.id = b->id;
  return left == static_cast<const PlayerFields&>(*b);
}

// The competitions of a country as their records: nodes have no comparison of their own, and
// the record holds every field that is kept.
std::string CompetitionText(const CWorldDatabase& world, int country) {
  const CCountry* owner = world.Country(country);
  if (!owner) return {};
  CKLFile file;
  file.OpenWriteToMemory();
  WriteCountryCompetitions(file, world.Competitions(), country, owner->LeagueCount(), IdentityClubIdMapper());
  return file.TakeWritten();
}

}  // namespace

bool CWorldDatabase::SameData(const CWorldDatabase& other) const {
  if (loaded_ != other.loaded_ || !(rules_ == other.rules_) || selection_ != other.selection_ ||
      language_ != other.language_ || !(calendars_ == other.calendars_))
    return false;
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry* a = Country(n);
    const CCountry* b = other.Country(n);
    if (!a || !b) {
      if (a != b) return false;
      continue;
    }
    if (!a->SameData(*b) || CompetitionText(*this, n) != CompetitionText(other, n)) return false;
    // Clubs list their persons by id; the persons themselves must match too.
    for (const auto& [id, club] : a->Clubs()) {
      const CClub* twin = b->FindClub(id);
      if (!twin) return false;
      for (uint32_t person : club->PlayerIds())
        if (!SamePerson(persons_.FindPlayer(person), other.persons_.FindPlayer(person))) return false;
    }
  }
  const size_t count = withoutClub_ ? withoutClub_->Count() : 0;
  if (count != (other.withoutClub_ ? other.withoutClub_->Count() : 0)) return false;
  for (size_t i = 0; i < count; ++i)
    if (!SamePerson(withoutClub_->At(i), other.withoutClub_->At(i))) return false;
  return true;
}

int CountryOfDatabaseFile(std::string_view name) {
  for (int n = kFirstCountry; n <= kLastCountry; ++n)
    if (name == CountryFileName(n)) return n;
  return 0;
}

}  // namespace torvale
