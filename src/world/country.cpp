#include "world/country.h"

#include <algorithm>
#include <cassert>
#include <iterator>

#include "competition/competition_registry.h"
#include "competition/cup_national.h"
#include "competition/league.h"
#include "world/fixed_text.h"
#include "world/person_table.h"

namespace torvale {

namespace {

constexpr size_t kShortNameChars = 3;
constexpr uint32_t kClubKeyMask = 0x00FFFFFFu & ~kReserveTeamBit;
// The standard league system: one league per level, each of the size a new league gets.
constexpr int kStandardLeagueTeams = CDBLeague::kDefaultTeams;
// A playable country needs this many clubs and a first league of this size.
constexpr size_t kPlayableClubs = 10;
constexpr int kPlayableFirstLeagueTeams = 10;
// Kinds and indices of the competitions whose problems make a country unplayable.
constexpr int kCheckedKindFirst = 1;
constexpr int kCheckedKindLast = 23;
constexpr int kCheckedIndices = 6;

// The club map's key: country and number, without the reserve-team bit.
uint32_t ClubKey(uint32_t clubId) { return clubId & kClubKeyMask; }

bool ValidLevel(int level) { return level >= 0 && level < kCountryLevels; }

// Lowest number 1 ... limit that the map does not use; 0 when all are taken.
template <typename Map>
int LowestFreeNumber(const Map& map, int limit) {
  int candidate = 1;
  for (const auto& [number, value] : map) {
    if (number > candidate) break;
    if (number == candidate) ++candidate;
  }
  return candidate <= limit ? candidate : 0;
}

template <typename Map, typename Record>
int AddNumbered(Map& map, const Record& record, int limit) {
  const int number = LowestFreeNumber(map, limit);
  if (number != 0) map.emplace(number, record);
  return number;
}

template <typename Map>
auto* FindNumbered(Map& map, int number) {
  auto it = map.find(number);
  return it == map.end() ? nullptr : &it->second;
}

void SetBit(uint8_t& field, uint8_t bit, bool on) {
  field = static_cast<uint8_t>(on ? field | bit : field & ~bit);
}

}  // namespace

CCountry::~CCountry() = default;

void CCountry::Reset() {
  ClearOwned();
  const uint32_t id = countryId;
  static_cast<CountryFields&>(*this) = CountryFields{};
  countryId = id;
  fallbackLanguage_ = 0;
}

void CCountry::SetContext(const CountryContext& context) {
  context_ = context;
  // New cups look their rounds up in the registry's table.
  if (context_.competitions && context_.cupAllocations)
    context_.competitions->SetCupAllocations(context_.cupAllocations);
  for (auto& [id, club] : clubs_) club->SetWorld(context_.persons);
}

// ---------------------------------------------------------------- names

std::string_view CCountry::Name(int language) const {
  if (language < 0 || language >= kCountryLanguages) return {};
  return names[static_cast<size_t>(language)];
}

void CCountry::SetName(int language, std::string_view name) {
  if (language < 0 || language >= kCountryLanguages) return;
  names[static_cast<size_t>(language)] = std::string(name);
}

std::string_view CCountry::ShortName(int language) const {
  if (language < 0 || language >= kCountryLanguages) return {};
  return FixedText(shortNames[language]);
}

void CCountry::SetShortName(int language, std::string_view name) {
  if (language < 0 || language >= kCountryLanguages) return;
  SetFixedText(shortNames[language], name, kShortNameChars);
}

// ---------------------------------------------------------------- languages

void CCountry::NormaliseLanguages() {
  auto removeSlot = [this](int slot) {
    for (int k = slot; k + 1 < kSpokenLanguageSlots; ++k) {
      languages[static_cast<size_t>(k)] = languages[static_cast<size_t>(k + 1)];
      languageShares[static_cast<size_t>(k)] = languageShares[static_cast<size_t>(k + 1)];
    }
    languages.back() = 0;
    languageShares.back() = 0;
  };

  int total = 0;
  for (int i = 0; i < kSpokenLanguageSlots; ++i) {
    const auto slot = static_cast<size_t>(i);
    // Removing an empty slot moves the next one up, which may be empty too; each is removed,
    // so that no gap is left before a language.
    for (int tries = i; languages[slot] == 0 && tries < kSpokenLanguageSlots; ++tries) removeSlot(i);
    if (languages[slot] != 0) {
      for (int j = i + 1; j < kSpokenLanguageSlots;) {
        if (languages[static_cast<size_t>(j)] == languages[slot]) removeSlot(j);
        else ++j;
      }
    }
    total += languageShares[slot];
  }

  if (languages[0] == 0) languages[0] = fallbackLanguage_;

  if (total <= 100) {
    languageShares[0] = static_cast<uint8_t>(languageShares[0] + (100 - total));
    return;
  }
  int excess = total - 100;
  for (int i = kSpokenLanguageSlots - 1; i >= 0 && excess > 0; --i) {
    uint8_t& share = languageShares[static_cast<size_t>(i)];
    if (share > excess) {
      share = static_cast<uint8_t>(share - excess);
      break;
    }
    excess -= share;
    share = 0;
  }
}

// ---------------------------------------------------------------- small lists

int CCountry::AddReferee(const CReferee& referee) { return AddNumbered(referees_, referee, kMaxReferees); }
int CCountry::AddSponsor(const CSponsor& sponsor) { return AddNumbered(sponsors_, sponsor, kMaxSponsors); }
int CCountry::AddStaff(const CStaffMember& staff) { return AddNumbered(staff_, staff, kMaxStaff); }
int CCountry::AddStadium(const CStadium& stadium) { return AddNumbered(stadiums_, stadium, kMaxStadiums); }
CReferee* CCountry::FindReferee(int number) { return FindNumbered(referees_, number); }
CSponsor* CCountry::FindSponsor(int number) { return FindNumbered(sponsors_, number); }
CStaffMember* CCountry::FindStaff(int number) { return FindNumbered(staff_, number); }
CStadium* CCountry::FindStadium(int number) { return FindNumbered(stadiums_, number); }
const CStadium* CCountry::FindStadium(int number) const { return FindNumbered(stadiums_, number); }

int32_t CCountry::SavedStadiumPosition(int32_t number) const {
  // A reference that names no stadium ("none") is kept as it is.
  if (number <= 0) return number;
  return static_cast<int32_t>(std::distance(stadiums_.begin(), stadiums_.upper_bound(number)));
}

// ---------------------------------------------------------------- clubs

CClub* CCountry::AddClub(std::unique_ptr<CClub> club, uint16_t number) {
  if (!club || number == 0) return nullptr;
  const uint32_t id = MakeClubId(countryId, number);
  if (clubs_.contains(id)) return nullptr;
  club->clubId = id;
  club->SetWorld(context_.persons);
  CClub* filed = clubs_.emplace(id, std::move(club)).first->second.get();
  RebuildClubNumbering();
  return filed;
}

CClub* CCountry::AddNewClub(std::unique_ptr<CClub> club) {
  uint32_t candidate = 1;
  for (const auto& [id, existing] : clubs_) {
    const uint32_t number = ClubNumber(id);
    if (number > candidate) break;
    if (number == candidate) ++candidate;
  }
  if (candidate >= kAmateurClubNumber) return nullptr;
  return AddClub(std::move(club), static_cast<uint16_t>(candidate));
}

CClub* CCountry::FindClub(uint32_t clubId) {
  auto it = clubs_.find(ClubKey(clubId));
  return it == clubs_.end() ? nullptr : it->second.get();
}

const CClub* CCountry::FindClub(uint32_t clubId) const {
  auto it = clubs_.find(ClubKey(clubId));
  return it == clubs_.end() ? nullptr : it->second.get();
}

std::unique_ptr<CClub> CCountry::RemoveClub(uint32_t clubId) {
  auto node = clubs_.extract(ClubKey(clubId));
  if (node.empty()) return nullptr;
  RebuildClubNumbering();
  return std::move(node.mapped());
}

CClub& CCountry::CreateAmateurClub() {
  CClub* club = AmateurClub();
  if (!club) club = AddClub(std::make_unique<CClub>(), kAmateurClubNumber);
  for (int language = 0; language < kClubLanguages; ++language) {
    club->SetName(language, Name(language));
    club->SetShortName(language, ShortName(language));
  }
  return *club;
}

int CCountry::RegularClubCount() const {
  const bool hasAmateur = clubs_.contains(MakeClubId(countryId, kAmateurClubNumber));
  return static_cast<int>(clubs_.size()) - (hasAmateur ? 1 : 0);
}

std::string CCountry::ClubName(uint32_t clubId) const { return ClubName(clubId, context_.language); }

std::string CCountry::ClubName(uint32_t clubId, int language) const {
  const CCountry* owner = this;
  if (ClubCountry(clubId) != (countryId & 0xFF)) {
    owner = context_.countries ? context_.countries->FindCountry(ClubCountry(clubId)) : nullptr;
    if (!owner || owner == this) return {};
  }
  const CClub* club = owner->FindClub(clubId);
  if (!club) return {};
  std::string name(club->Name(language));
  if (clubId & kReserveTeamBit) name += " (A)";
  return name;
}

void CCountry::RebuildClubNumbering() {
  clubNumbering_.clear();
  for (const auto& [id, club] : clubs_)
    if (ClubNumber(id) != kAmateurClubNumber) clubNumbering_.push_back(id);
}

uint32_t CCountry::SavedClubId(uint32_t clubId) const {
  if (ClubNumber(clubId) == kAmateurClubNumber) return clubId;
  const uint8_t country = ClubCountry(clubId);
  if (country != (countryId & 0xFF)) {
    const CCountry* owner = context_.countries ? context_.countries->FindCountry(country) : nullptr;
    return owner && owner != this ? owner->SavedClubId(clubId) : 0;
  }
  auto it = std::lower_bound(clubNumbering_.begin(), clubNumbering_.end(), ClubKey(clubId));
  if (it == clubNumbering_.end() || *it != ClubKey(clubId)) return 0;
  const auto number = static_cast<uint32_t>(std::distance(clubNumbering_.begin(), it) + 1);
  return MakeClubId(country, number) | (clubId & kReserveTeamBit);
}

// ---------------------------------------------------------------- pool and managers

void CCountry::ResizePlayerPool(int n) {
  if (n <= PlayerPoolSize()) return;
  CPlayerPoolEntry fresh;
  fresh.nationality = static_cast<uint8_t>(countryId & 0xFF);
  playerPool_.resize(static_cast<size_t>(n), fresh);
}

CPlayer* CCountry::CreateAdditionalManager() {
  if (!context_.persons) return nullptr;
  CPlayer* person = context_.persons->CreatePlayer(0, true);
  if (!person) return nullptr;
  person->InitDefaults(kRoleManager, static_cast<uint8_t>(countryId & 0xFF));
  additionalManagers_.insert(person->id);
  return person;
}

bool CCountry::AddAdditionalManager(uint32_t playerId) {
  if (!context_.persons || !context_.persons->FindPlayer(playerId)) return false;
  additionalManagers_.insert(playerId);
  return true;
}

bool CCountry::RemoveAdditionalManager(uint32_t playerId) {
  if (additionalManagers_.erase(playerId) == 0) return false;
  if (context_.persons) context_.persons->RemovePlayer(playerId);
  return true;
}

CCountry::Numbering CCountry::CurrentNumbering() const {
  Numbering numbering;
  for (const auto& [id, club] : clubs_)
    if (ClubNumber(id) != kAmateurClubNumber) numbering.clubs.push_back(ClubNumber(id));
  auto numbersOf = [](const auto& map) {
    std::vector<int> numbers;
    numbers.reserve(map.size());
    for (const auto& [number, record] : map) numbers.push_back(number);
    return numbers;
  };
  numbering.referees = numbersOf(referees_);
  numbering.sponsors = numbersOf(sponsors_);
  numbering.staff = numbersOf(staff_);
  numbering.stadiums = numbersOf(stadiums_);
  return numbering;
}

namespace {

// Files the records of `map`, taken in order, under `numbers`.
template <typename Map>
void Renumber(Map& map, const std::vector<int>& numbers) {
  if (map.size() != numbers.size()) return;
  Map renumbered;
  size_t i = 0;
  for (auto& [number, record] : map) renumbered.emplace(numbers[i++], std::move(record));
  map = std::move(renumbered);
}

}  // namespace

void CCountry::RestoreNumbering(const Numbering& numbering) {
  if (static_cast<size_t>(RegularClubCount()) == numbering.clubs.size()) {
    ClubMap renumbered;
    size_t i = 0;
    for (auto& [id, club] : clubs_) {
      const uint32_t newId = ClubNumber(id) == kAmateurClubNumber ? id : MakeClubId(countryId, numbering.clubs[i++]);
      club->clubId = newId;
      renumbered.emplace(newId, std::move(club));
    }
    clubs_ = std::move(renumbered);
    RebuildClubNumbering();
  }
  Renumber(referees_, numbering.referees);
  Renumber(sponsors_, numbering.sponsors);
  Renumber(staff_, numbering.staff);
  Renumber(stadiums_, numbering.stadiums);
}

void CCountry::ClearOwned() {
  if (context_.persons) {
    for (const auto& [id, club] : clubs_)
      for (uint32_t person : club->PlayerIds()) context_.persons->RemovePlayer(person);
    for (uint32_t person : additionalManagers_) context_.persons->RemovePlayer(person);
  }
  clubs_.clear();
  clubNumbering_.clear();
  additionalManagers_.clear();
  referees_.clear();
  sponsors_.clear();
  staff_.clear();
  stadiums_.clear();
  playerPool_.clear();
}

// ---------------------------------------------------------------- league system

CompetitionRegistry& CCountry::Competitions() const {
  assert(context_.competitions && "a country without a world has no competitions");
  return *context_.competitions;
}

void CCountry::SetLeagueCount(int count) {
  leagueCount = static_cast<int8_t>(std::clamp(count, 0, kCountryMaxLeagues));
}

int CCountry::FirstLeague(int level) const {
  return ValidLevel(level) ? firstLeague[static_cast<size_t>(level)] : 0;
}

int CCountry::EndLeague(int level) const {
  return ValidLevel(level) ? endLeague[static_cast<size_t>(level)] : 0;
}

void CCountry::SetLevelLeagues(int level, int first, int end) {
  if (!ValidLevel(level)) return;
  firstLeague[static_cast<size_t>(level)] = static_cast<uint8_t>(std::clamp(first, 0, kCountryMaxLeagues));
  endLeague[static_cast<size_t>(level)] = static_cast<uint8_t>(std::clamp(end, 0, kCountryMaxLeagues));
}

int CCountry::LevelRelegationRule(int level) const {
  return ValidLevel(level) ? relegationRules[static_cast<size_t>(level)] : 0;
}

void CCountry::SetLevelRelegationRule(int level, int rule) {
  if (ValidLevel(level)) relegationRules[static_cast<size_t>(level)] = static_cast<uint8_t>(rule);
}

int CCountry::ClubsInLeagueSystem() const {
  if (!HasCompetitions()) return 0;
  const CompetitionRegistry& registry = Competitions();
  int clubs = 0;
  for (int i = 0; i < kCountryMaxLeagues; ++i)
    if (const auto* league = registry.Find<CDBLeague>(MakeCompetitionId(CountryNumber(), CompKind::LEAGUE, i)))
      clubs += league->NumberOfTeams();
  // The lowest level's leagues draw on the amateur football below them: four more clubs each.
  for (int level = kCountryLevels - 1; level >= 0; --level) {
    if (EndLeague(level) > FirstLeague(level)) {
      clubs += 4 * (EndLeague(level) - FirstLeague(level));
      break;
    }
  }
  return clubs;
}

uint32_t CCountry::PlayabilityProblems() const {
  if (!HasCompetitions()) return kPlayableNoCompetitions;
  uint32_t problems = 0;
  if (clubs_.size() < kPlayableClubs) problems |= kPlayableTooFewClubs;
  const auto* first = Competitions().Find<CDBLeague>(MakeCompetitionId(CountryNumber(), CompKind::LEAGUE, 0));
  if (leagueCount < 1 || !first) problems |= kPlayableNoLeague;
  else if (first->NumberOfTeams() < kPlayableFirstLeagueTeams) problems |= kPlayableFirstLeagueTooSmall;
  for (const auto& [id, club] : clubs_)
    if (club->Check() != 0) {
      problems |= kPlayableClubCheckFails;
      break;
    }
  bool competitionProblem = false;
  ForEachCheckedCompetition([&](const CDBCompetition& node) {
    if (!competitionProblem && node.CheckConsistency(reserveLevel) != 0) competitionProblem = true;
  });
  if (competitionProblem) problems |= kPlayableCompetitionProblem;
  return problems;
}

void CCountry::ForEachCheckedCompetition(const std::function<void(const CDBCompetition&)>& visit) const {
  if (!HasCompetitions()) return;
  const CompetitionRegistry& registry = Competitions();
  for (int kind = kCheckedKindFirst; kind <= kCheckedKindLast; ++kind)
    for (int index = 0; index < kCheckedIndices; ++index)
      if (const CDBCompetition* node = registry.FindCompetition(MakeCompetitionId(CountryNumber(), kind, index)))
        visit(*node);
}

bool CCountry::HasStandardLeagueSystem() const {
  if (!HasCompetitions()) return false;
  for (int level = 0; level < kCountryLevels; ++level) {
    if (FirstLeague(level) != level) return false;
    const auto* league = Competitions().Find<CDBLeague>(MakeCompetitionId(CountryNumber(), CompKind::LEAGUE, level));
    if (!league || league->NumberOfTeams() != kStandardLeagueTeams) return false;
  }
  return true;
}

void CCountry::SetNationalCupMode(int32_t mode) {
  if (!HasCompetitions()) {
    nationalCupMode = mode;
    return;
  }
  SetNationalCup(Competitions(), CountryNumber(), CompKind::FA_CUP, nationalCupMode, mode);
}

void CCountry::SetLeagueCupMode(int32_t mode) {
  if (!HasCompetitions()) {
    leagueCupMode = mode;
    return;
  }
  // The league cup group: the shield and the conference cup of older files go with a changed
  // mode, the league cup itself is replaced by one of the new mode.
  if (mode != leagueCupMode) {
    for (int kind : {CompKind::CHALLENGE_SHIELD, CompKind::CONFERENCE_CUP})
      Competitions().DeleteCompetition(MakeCompetitionId(CountryNumber(), kind, 0));
  }
  SetNationalCup(Competitions(), CountryNumber(), CompKind::LE_CUP, leagueCupMode, mode);
}

void CCountry::SetSuperCupMode(int32_t mode) {
  if (!HasCompetitions()) {
    superCupMode = mode;
    return;
  }
  SetNationalCup(Competitions(), CountryNumber(), CompKind::SUPERCUP, superCupMode, mode);
}

// ---------------------------------------------------------------- packed settings

bool CCountry::YellowCountsAfterYellowRed(bool cup) const {
  return ((cup ? yellowCardCupRule : yellowCardLeagueRule) & kCardRuleCountsAfterYellowRed) != 0;
}

void CCountry::SetYellowCountsAfterYellowRed(bool cup, bool on) {
  SetBit(cup ? yellowCardCupRule : yellowCardLeagueRule, kCardRuleCountsAfterYellowRed, on);
}

int CCountry::YellowCardRule(bool cup) const { return (cup ? yellowCardCupRule : yellowCardLeagueRule) & kCardRuleMask; }

void CCountry::SetYellowCardRule(bool cup, int rule) {
  uint8_t& field = cup ? yellowCardCupRule : yellowCardLeagueRule;
  field = static_cast<uint8_t>((field & kCardRuleCountsAfterYellowRed) | (rule & kCardRuleMask));
}

void CCountry::SetRedCardFixedDuration(bool on) { SetBit(redCardOptions, kRedCardFixedDuration, on); }
void CCountry::SetSuspensionScope(uint8_t bit, bool on) { SetBit(suspensionScope, bit, on); }
void CCountry::SetClubOption(uint8_t bit, bool on) { SetBit(clubOptions, bit, on); }

bool CCountry::YellowRedBan(int level) const {
  return ValidLevel(level) && (yellowRedBanLevels & (1u << level)) != 0;
}

void CCountry::SetYellowRedBan(int level, bool on) {
  if (ValidLevel(level)) SetBit(yellowRedBanLevels, static_cast<uint8_t>(1u << level), on);
}

bool CCountry::YouthLook(int mask, int bit) const {
  if (mask < 0 || mask >= kYouthMaskCount || bit < 0 || bit > 31) return false;
  return (youthMasks[static_cast<size_t>(mask)] & (1u << bit)) != 0;
}

void CCountry::SetYouthLook(int mask, int bit, bool on) {
  if (mask < 0 || mask >= kYouthMaskCount || bit < 0 || bit > 31) return;
  uint32_t& field = youthMasks[static_cast<size_t>(mask)];
  field = on ? field | (1u << bit) : field & ~(1u << bit);
}

// ---------------------------------------------------------------- 5-year ranking

uint16_t CCountry::FiveYearPoints(int season) const {
  return season >= 0 && season < kFiveYearSeasons ? fiveYearPoints[static_cast<size_t>(season)] : 0;
}

void CCountry::SetFiveYearPoints(int season, uint16_t points) {
  if (season >= 0 && season < kFiveYearSeasons) fiveYearPoints[static_cast<size_t>(season)] = points;
}

uint32_t CCountry::FiveYearTotal() const {
  uint32_t total = 0;
  for (int season = 1; season < kFiveYearSeasons; ++season) total += fiveYearPoints[static_cast<size_t>(season)];
  return total;
}

// ---------------------------------------------------------------- comparison

bool CCountry::SameData(const CCountry& other) const {
  if (!(static_cast<const CountryFields&>(*this) == other)) return false;
  if (referees_ != other.referees_ || sponsors_ != other.sponsors_ || staff_ != other.staff_ ||
      stadiums_ != other.stadiums_ || playerPool_ != other.playerPool_)
    return false;
  if (!std::equal(clubs_.begin(), clubs_.end(), other.clubs_.begin(), other.clubs_.end(),
                  [](const auto& a, const auto& b) { return a.first == b.first && *a.second == *b.second; }))
    return false;
  if (additionalManagers_.size() != other.additionalManagers_.size()) return false;
  if (!context_.persons || !other.context_.persons) return additionalManagers_.empty();
  auto mine = additionalManagers_.begin();
  for (uint32_t theirs : other.additionalManagers_) {
    const CPlayer* a = context_.persons->FindPlayer(*mine++);
    const CPlayer* b = other.context_.persons->FindPlayer(theirs);
    if (!a || !b) return a == b;
    PlayerFields left = *a;
    left.id = b->id;
    if (!(left == static_cast<const PlayerFields&>(*b))) return false;
  }
  return true;
}

}  // namespace torvale
