#include "world/club.h"

#include <algorithm>
#include <cstdio>

#include "platform/text_encoding.h"
#include "world/fixed_text.h"
#include "world/person_table.h"
#include "world/player.h"

namespace torvale {

namespace {

bool ValidLanguage(int language) { return language >= 0 && language < kClubLanguages; }

template <size_t N>
std::string_view LanguageText(const char (&slots)[kClubLanguages][N], int language) {
  return ValidLanguage(language) ? FixedText(slots[language]) : std::string_view();
}

// The five slots are stored as one line of double-quoted texts, so a double quote inside a
// text would shift every later slot on reloading; it is kept as an apostrophe instead.
template <size_t N>
void SetLanguageText(char (&slots)[kClubLanguages][N], int language, std::string_view text, size_t maxChars) {
  if (!ValidLanguage(language)) return;
  std::string safe(text);
  std::replace(safe.begin(), safe.end(), '"', '\'');
  SetFixedText(slots[language], safe, maxChars);
}

// A person's team field says 0 for the first team and 1 for the reserve team.
bool InTeam(const CPlayer& person, int team) {
  return team == kFirstTeam ? person.team == 0 : person.team != 0;
}

int ClampInt(int value, int low, int high) { return std::clamp(value, low, high); }

// The hemisphere is the sign; degrees and minutes are packed into the magnitude.
uint32_t Magnitude(int32_t value) {
  return value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
}

// The texts of the club check, one per bit, in the game's wording.
constexpr const char* kCheckMessages[kClubCheckBits] = {
    "Mit dem Vereinszentrum \"Einfache kleine Baracke\" können keine Angestellten beschäftigt werden.",
    "Mit dem Vereinszentrum \"Geschäftsstelle\" können nur bis zu drei Angestellte beschäftigt werden.",
    "Mit dem Vereinszentrum \"Normales Gebäude\" können nur bis zu fünf Angestellte beschäftigt werden.",
    "Mit der Einstellung \"Am Geländer lehnende Sanitäter\" sind keine Anstellungen im medizinischen Bereich möglich!",
    "Erst die \"Kleine Arztpraxis\" ermöglicht die Anstellung eines Mannschaftsarztes.",
    "Erst die \"Kleine Arztpraxis mit Massageraum\" ermöglicht die Anstellung eines Masseurs.",
    "Erst die \"Größere Arztpraxis mit Massageraum und Psychozentrum\" ermöglicht die Anstellung eines Psychologen.",
    "Erst das \"Gebäude wie ein Krankenhaus (OP/Rehabilitation)\" ermöglicht die Anstellung eines beliebigen Spezialarztes.",
};

}  // namespace

// ---------------------------------------------------------------- names

void CClub::InitNewClub(uint8_t countryId, ClubNameCounter& counter) {
  const uint32_t running = counter.Take();
  char name[32];
  std::snprintf(name, sizeof name, "Club %u", static_cast<unsigned>(running));
  for (int language = 0; language < kClubLanguages; ++language) SetName(language, name);
  clubId = MakeClubId(countryId, running & 0xFFFF);
  youthOrigin = countryId;
}

std::string_view CClub::Name(int language) const { return LanguageText(names, language); }
void CClub::SetName(int language, std::string_view text) { SetLanguageText(names, language, text, kClubNameChars); }
std::string_view CClub::ShortName(int language) const { return LanguageText(shortNames, language); }
void CClub::SetShortName(int language, std::string_view text) {
  SetLanguageText(shortNames, language, text, kClubShortNameChars);
}
std::string_view CClub::Abbreviation(int language) const { return LanguageText(abbreviations, language); }
void CClub::SetAbbreviation(int language, std::string_view text) {
  SetLanguageText(abbreviations, language, text, kClubAbbreviationChars);
}
std::string_view CClub::Town(int language) const { return LanguageText(towns, language); }
void CClub::SetTown(int language, std::string_view text) { SetLanguageText(towns, language, text, kClubTownChars); }

// ---------------------------------------------------------------- persons

bool CClub::AddPlayer(uint32_t playerId) {
  if (playerCount < 0 || playerCount >= kMaxClubPersons) return false;
  players[static_cast<size_t>(playerCount++)] = playerId;
  return true;
}

void CClub::RemovePlayer(uint32_t playerId) {
  const auto listed = players.begin() + std::clamp(playerCount, 0, kMaxClubPersons);
  const auto kept = std::remove(players.begin(), listed, playerId);
  std::fill(kept, listed, 0u);
  playerCount = static_cast<int32_t>(kept - players.begin());
}

bool CClub::HasPlayer(uint32_t playerId) const {
  const auto ids = PlayerIds();
  return std::find(ids.begin(), ids.end(), playerId) != ids.end();
}

CPlayer* CClub::FindPlayer(uint32_t playerId) const {
  return world_ && HasPlayer(playerId) ? world_->FindPlayer(playerId) : nullptr;
}

int CClub::CountPlayers(int team) const {
  if (!world_) return 0;
  int count = 0;
  for (uint32_t id : PlayerIds()) {
    const CPlayer* person = world_->FindPlayer(id);
    if (person && person->role == kRolePlayer && InTeam(*person, team)) ++count;
  }
  return count;
}

float CClub::AverageStrength(int team) const {
  if (!world_) return 0.0f;
  float sum = 0.0f;
  int count = 0;
  for (uint32_t id : PlayerIds()) {
    const CPlayer* person = world_->FindPlayer(id);
    if (!person || person->role != kRolePlayer || !InTeam(*person, team)) continue;
    sum += person->Strength();
    ++count;
  }
  return count ? sum / static_cast<float>(count) : 0.0f;
}

int CClub::SpecialCount() const {
  if (!world_) return 0;
  int sum = 0;
  for (uint32_t id : PlayerIds())
    if (const CPlayer* person = world_->FindPlayer(id)) sum += person->SpecialCount();
  return sum;
}

// ---------------------------------------------------------------- club check

uint32_t CClub::Check() const {
  int employees = 0;
  bool medicalStaff = false, teamDoctor = false, masseur = false, psychologist = false, specialist = false;
  if (world_) {
    for (uint32_t id : PlayerIds()) {
      const CPlayer* person = world_->FindPlayer(id);
      if (!person) continue;
      const int role = person->role;
      if (role >= 0 && role <= kRolePresident) continue;
      ++employees;
      medicalStaff |= role >= kRoleTeamDoctor && role <= kRolePsychologist;
      teamDoctor |= role == kRoleTeamDoctor;
      masseur |= role == kRoleMasseur;
      psychologist |= role == kRolePsychologist;
      specialist |= role >= kRoleKneeSpecialist && role <= kRoleMuscleSpecialist;
    }
  }
  const int centre = facilities[kClubCentre];
  const int medical = facilities[kMedicalDepartment];
  uint32_t result = 0;
  if (centre == 0 && employees >= 1) result |= kCheckNoEmployeesInShed;
  if (centre == 1 && employees >= 4) result |= kCheckTooManyEmployeesOffice;
  if (centre == 2 && employees >= 6) result |= kCheckTooManyEmployeesBuilding;
  if (medical == 0 && medicalStaff) result |= kCheckNoMedicalStaff;
  if (medical == 0 && teamDoctor) result |= kCheckNoTeamDoctor;
  if (medical < 2 && masseur) result |= kCheckNoMasseur;
  if (medical < 3 && psychologist) result |= kCheckNoPsychologist;
  if (medical < 4 && specialist) result |= kCheckNoSpecialist;
  return result;
}

std::string ClubCheckMessage(int bit) {
  if (bit < 0 || bit >= kClubCheckBits) return {};
  return Utf8ToCp1252(kCheckMessages[bit]);
}

std::vector<std::string> ClubCheckMessages(uint32_t result) {
  std::vector<std::string> messages;
  for (int bit = 0; bit < kClubCheckBits; ++bit)
    if (result & (1u << bit)) messages.push_back(ClubCheckMessage(bit));
  return messages;
}

// ---------------------------------------------------------------- season flags

bool CClub::SeasonFlag(int bit, int team) const {
  const int shift = bit + (team == kFirstTeam ? 0 : 1);
  return (seasonFlags >> shift) & 1;
}

void CClub::SetSeasonFlag(int bit, int team, bool on) {
  const uint8_t mask = static_cast<uint8_t>(1u << (bit + (team == kFirstTeam ? 0 : 1)));
  seasonFlags = static_cast<uint8_t>(on ? seasonFlags | mask : seasonFlags & ~mask);
}

void CClub::SetPromoted(int team, bool on) {
  if (on) SetSeasonFlag(kRelegatedBit, team, false);
  SetSeasonFlag(kPromotedBit, team, on);
}

void CClub::SetRelegated(int team, bool on) {
  if (on) SetSeasonFlag(kPromotedBit, team, false);
  SetSeasonFlag(kRelegatedBit, team, on);
}

// Only one of a club's two teams can have won the cup, and a winner is no finalist.
void CClub::SetCupWinner(int team, bool on) {
  if (on) {
    SetSeasonFlag(kCupFinalistBit, team, false);
    SetSeasonFlag(kCupWinnerBit, team == kFirstTeam ? kReserveTeam : kFirstTeam, false);
  }
  SetSeasonFlag(kCupWinnerBit, team, on);
}

void CClub::SetCupFinalist(int team, bool on) {
  if (on) {
    SetSeasonFlag(kCupWinnerBit, team, false);
    SetSeasonFlag(kCupFinalistBit, team == kFirstTeam ? kReserveTeam : kFirstTeam, false);
  }
  SetSeasonFlag(kCupFinalistBit, team, on);
}

void CClub::ClearSeasonFlags(int team) {
  for (int bit : {kPromotedBit, kRelegatedBit, kCupWinnerBit, kCupFinalistBit}) SetSeasonFlag(bit, team, false);
}

void MarkCountryCupWinner(std::span<CClub* const> countryClubs, CClub& club, int team) {
  for (CClub* other : countryClubs) {
    if (!other) continue;
    other->SetCupWinner(kFirstTeam, false);
    other->SetCupWinner(kReserveTeam, false);
  }
  club.SetCupWinner(team, true);
}

void MarkCountryCupFinalist(std::span<CClub* const> countryClubs, CClub& club, int team) {
  for (CClub* other : countryClubs) {
    if (!other) continue;
    other->SetCupFinalist(kFirstTeam, false);
    other->SetCupFinalist(kReserveTeam, false);
  }
  club.SetCupFinalist(team, true);
}

// ---------------------------------------------------------------- position

int32_t MakeLatitude(bool southern, int degrees, int minutes) {
  degrees = ClampInt(degrees, 0, 90);
  minutes = degrees == 90 ? 0 : ClampInt(minutes, 0, 59);
  const int32_t value = (degrees << 16) | minutes;
  return southern ? -value : value;
}

int32_t MakeLongitude(bool secondHemisphere, int degrees, int minutes) {
  degrees = ClampInt(degrees, 0, 180);
  minutes = ClampInt(minutes, 0, 59);
  if (degrees == 180) {
    degrees = 179;
    minutes = 0;
  }
  const int32_t value = (degrees << 16) | minutes;
  return secondHemisphere ? -value : value;
}

void CClub::SetLatitude(bool southern, int degrees, int minutes) {
  latitude = MakeLatitude(southern, degrees, minutes);
}

void CClub::SetLongitude(bool secondHemisphere, int degrees, int minutes) {
  longitude = MakeLongitude(secondHemisphere, degrees, minutes);
}

int CClub::LatitudeDegrees() const { return static_cast<int>(Magnitude(latitude) >> 16); }
int CClub::LatitudeMinutes() const { return static_cast<int>(Magnitude(latitude) & 0xFFFF); }
int CClub::LongitudeDegrees() const { return static_cast<int>(Magnitude(longitude) >> 16); }
int CClub::LongitudeMinutes() const { return static_cast<int>(Magnitude(longitude) & 0xFFFF); }

}  // namespace torvale
