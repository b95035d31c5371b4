#pragma once
// CClub: one club of a country with its names in the five database languages (and the
// grammar the game needs to use them in sentences), contact, fan and press details, its
// facilities, position on the map, history, the persons under contract, its kits and badge.
// Clubs hold player ids only; the persons live in the world's person table.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "world/record_result.h"

namespace torvale {

class CKLFile;
class CPersonTable;
class CPlayer;
class ClubIdMapper;
class StadiumPositionMapper;
struct PlayerReadContext;

constexpr int kClubLanguages = 5;
// Longest texts the game shows for the per-language fields (the buffers are larger).
constexpr size_t kClubNameChars = 28;
constexpr size_t kClubShortNameChars = 10;
constexpr size_t kClubAbbreviationChars = 4;
constexpr size_t kClubTownChars = 28;
// The same for texts of one slot: fans' names and mascot, address, phone, local newspaper.
constexpr size_t kClubFansNameChars = 18;
constexpr size_t kClubAddressChars = 48;
constexpr size_t kClubPhoneChars = 18;
constexpr size_t kClubNewspaperChars = 28;
constexpr int kMaxClubPersons = 256;
// Club number of a country's amateur club, which stands for all of its lower football.
constexpr uint16_t kAmateurClubNumber = 0xFFFF;
constexpr uint32_t kReserveTeamBit = 1u << 24;

inline uint8_t ClubCountry(uint32_t clubId) { return static_cast<uint8_t>((clubId >> 16) & 0xFF); }
inline uint16_t ClubNumber(uint32_t clubId) { return static_cast<uint16_t>(clubId & 0xFFFF); }
inline uint32_t MakeClubId(uint32_t country, uint32_t number) { return ((country & 0xFF) << 16) | (number & 0xFFFF); }

// The two teams of a club, as the season flags and the squad counts name them.
enum ClubTeam : int { kReserveTeam = 0, kFirstTeam = 1 };

// Facility levels, in the order of the data (not the order of the file).
enum ClubFacility : int {
  kClubCentre = 0,
  kFanMerchandise,
  kMedicalDepartment,
  kYouthCentre,
  kTrainingGround,
  kMedia,
  kResearch,
  kFacilityCount
};

// Lists of title years ("1950,1951"), in the order of the data.
enum ClubTitle : int {
  kChampionships = 0,
  kCupWins,
  kSuperCupWins,
  kLeagueCupWins,
  kChampionsCups,
  kEuropeanCupWins,
  kClubWorldChampionships,
  kWorldCups,
  kTitleListCount
};

enum ClubRecord : int {
  kRecordHomeWin = 0,
  kRecordHomeDefeat,
  kRecordAwayWin,
  kRecordAwayDefeat,
  kRecordAttendance,
  kRecordCount
};

// Home kit (0) and away kit (1), plus the ready-made kit chosen instead ("Orginaltrikot").
struct KIT {
  struct Outfit {
    uint8_t shirtStyle = 1;
    uint8_t shortsStyle = 1;
    uint8_t socksStyle = 1;
    std::array<uint8_t, 12> colours = {};  // four groups of three
    friend bool operator==(const Outfit&, const Outfit&) = default;
  };
  std::array<Outfit, 2> outfits = {};
  uint16_t readyMade = 0;

  KIT() { outfits[0].colours[0] = 1; }
  friend bool operator==(const KIT&, const KIT&) = default;
};

// The stored data of a club with the defaults of a new one.
struct ClubFields {
  uint16_t siblingId = 0;        // the club's id in the sibling game Vela; 0 = none
  uint16_t secondSiblingId = 0;
  uint32_t clubId = 0;
  char names[kClubLanguages][30] = {};
  char shortNames[kClubLanguages][12] = {};
  uint8_t nameArticles[kClubLanguages] = {};
  uint8_t fanNameArticles[kClubLanguages] = {};
  uint8_t secondFanNameArticles[kClubLanguages] = {};
  uint8_t sentenceForms[kClubLanguages] = {};
  char abbreviations[kClubLanguages][5] = {};
  char towns[kClubLanguages][30] = {};
  char fansName[20] = {};
  char secondFansName[20] = {};
  char mascot[20] = {};
  uint32_t fanFriendship = 0;  // club numbers of the same country; 0 = none
  uint32_t archRival1 = 0;
  uint32_t archRival2 = 0;
  uint16_t foundingYear = 1900;
  uint8_t seasonFlags = 0;
  int32_t startingAssets = 0;
  uint8_t publicCompany = 0;
  uint8_t pointsDeduction = 0;  // 0, 3 or 6
  char address[49] = {};
  char phone[19] = {};
  char website[128] = {};
  char fanSites[256] = {};
  char localNewspaper[32] = {};
  int32_t spectatorsMidTable = 0;
  int32_t spectatorsBigMatch = 0;
  int32_t seasonTickets = 0;
  int32_t leaguePoints = 0;  // all-time first-league statistics
  int32_t leagueGames = 0;
  int32_t leagueGoals = 0;
  int32_t leagueGoalsAgainst = 0;
  int32_t leagueTableLeads = 0;
  std::array<std::string, kTitleListCount> titles;
  std::array<RECORD, kRecordCount> records;
  char badgeFile[40] = {};
  uint8_t clubColours[3] = {};  // badge background 1 and 2, headline background
  int32_t homeStadium = 0;      // numbers in the country's stadium list; 0 = none
  int32_t alternativeStadium = 0;
  uint8_t facilities[kFacilityCount] = {};
  int32_t playerCount = 0;
  std::array<uint32_t, kMaxClubPersons> players = {};  // ids of players and officials
  int32_t latitude = 0;   // (degrees << 16) | minutes, negative in the south
  int32_t longitude = 0;  // (degrees << 16) | minutes, negative for the second hemisphere
  KIT kit;
  uint8_t prestige = 0;  // 0-20
  std::string cityGraphic;
  uint8_t preferredCountries[2] = {};
  uint8_t youthOrigin = 0;
  int32_t totalPlayerValue = 0;  // working sum of the persons' market values; not stored, reset on reading

  bool operator==(const ClubFields&) const = default;
};

// Option bits of ReadClub.
constexpr uint32_t kClubReadSkipStadiums = 1u << 0;  // a club taken over from another world
constexpr uint32_t kClubReadSkipBadge = 1u << 1;

// What writing a club needs besides the stream: club references and stadium numbers are
// stored under the numbering the file will have after reloading.
struct ClubWriteContext {
  const ClubIdMapper& clubIds;
  const StadiumPositionMapper& stadiums;
};

struct ClubReadContext {
  const PlayerReadContext& players;  // also names the sibling game's lists
  int language = 0;                  // the database language the sibling look-up uses
  uint32_t options = 0;
};

// Numbers of new clubs ("Club 1", "Club 2", ...) across the whole program run; the
// application owns one.
class ClubNameCounter {
 public:
  uint32_t Take() { return next_++; }

 private:
  uint32_t next_ = 1;
};

class CClub : public ClubFields {
 public:
  CClub() = default;

  // The persons' table of the owning world; clubs without one count no persons.
  CPersonTable* World() const { return world_; }
  void SetWorld(CPersonTable* world) { world_ = world; }

  uint8_t CountryId() const { return ClubCountry(clubId); }
  uint16_t Number() const { return ClubNumber(clubId); }

  // "Club %d" in every language, a provisional number and the country's own youth.
  void InitNewClub(uint8_t countryId, ClubNameCounter& counter);

  // ---- per-language texts, cut to what the game shows ----
  std::string_view Name(int language) const;
  void SetName(int language, std::string_view text);
  std::string_view ShortName(int language) const;
  void SetShortName(int language, std::string_view text);
  std::string_view Abbreviation(int language) const;
  void SetAbbreviation(int language, std::string_view text);
  std::string_view Town(int language) const;
  void SetTown(int language, std::string_view text);

  // ---- persons under contract ----
  bool AddPlayer(uint32_t playerId);
  void RemovePlayer(uint32_t playerId);
  bool HasPlayer(uint32_t playerId) const;
  // The person when the id is listed and the world has it.
  CPlayer* FindPlayer(uint32_t playerId) const;
  std::span<const uint32_t> PlayerIds() const {
    return {players.data(), static_cast<size_t>(std::clamp(playerCount, 0, kMaxClubPersons))};
  }
  // Players (role 0) of the first team (kFirstTeam) or the reserve team (kReserveTeam).
  int CountPlayers(int team) const;
  float AverageStrength(int team) const;
  // Sum of the persons' SpecialCount().
  int SpecialCount() const;

  // ---- the club check: do the facilities allow the staff employed? 0 = fine ----
  uint32_t Check() const;

  // ---- season flags of the past season ----
  bool Promoted(int team) const { return SeasonFlag(kPromotedBit, team); }
  bool Relegated(int team) const { return SeasonFlag(kRelegatedBit, team); }
  bool CupWinner(int team) const { return SeasonFlag(kCupWinnerBit, team); }
  bool CupFinalist(int team) const { return SeasonFlag(kCupFinalistBit, team); }
  void SetPromoted(int team, bool on);
  void SetRelegated(int team, bool on);
  void SetCupWinner(int team, bool on);
  void SetCupFinalist(int team, bool on);
  // "Nichts": none of the four flags for that team.
  void ClearSeasonFlags(int team);

  // ---- position on the map ----
  void SetLatitude(bool southern, int degrees, int minutes);
  void SetLongitude(bool secondHemisphere, int degrees, int minutes);
  bool LatitudeSouthern() const { return latitude < 0; }
  int LatitudeDegrees() const;
  int LatitudeMinutes() const;
  bool LongitudeSecondHemisphere() const { return longitude < 0; }
  int LongitudeDegrees() const;
  int LongitudeMinutes() const;

  // ---- record stream ----
  bool WriteClub(CKLFile& file, int number, const ClubWriteContext& context) const;
  // Reads "CLUB<number>"; nothing changes when the section is missing. The club id must be
  // set first: the oldest files take the club's country for fields they lack. Persons are
  // created in the club's world (without one they are read and dropped).
  bool ReadClub(CKLFile& file, int number, const ClubReadContext& context);

  bool operator==(const CClub& other) const { return static_cast<const ClubFields&>(*this) == other; }

 private:
  static constexpr int kPromotedBit = 0;
  static constexpr int kRelegatedBit = 2;
  static constexpr int kCupWinnerBit = 4;
  static constexpr int kCupFinalistBit = 6;
  bool SeasonFlag(int bit, int team) const;
  void SetSeasonFlag(int bit, int team, bool on);

  CPersonTable* world_ = nullptr;
};

// Bits of CClub::Check().
constexpr uint32_t kCheckNoEmployeesInShed = 1u << 0;
constexpr uint32_t kCheckTooManyEmployeesOffice = 1u << 1;
constexpr uint32_t kCheckTooManyEmployeesBuilding = 1u << 2;
constexpr uint32_t kCheckNoMedicalStaff = 1u << 3;
constexpr uint32_t kCheckNoTeamDoctor = 1u << 4;
constexpr uint32_t kCheckNoMasseur = 1u << 5;
constexpr uint32_t kCheckNoPsychologist = 1u << 6;
constexpr uint32_t kCheckNoSpecialist = 1u << 7;
constexpr int kClubCheckBits = 8;

// The message of one check bit (Windows-1252); empty for a bit the check does not set.
std::string ClubCheckMessage(int bit);
// The messages of all bits set in `result`, in bit order.
std::vector<std::string> ClubCheckMessages(uint32_t result);

// A country has one cup winner and one cup finalist: marking a club clears that flag (of
// both teams) on every club of the country first.
void MarkCountryCupWinner(std::span<CClub* const> countryClubs, CClub& club, int team);
void MarkCountryCupFinalist(std::span<CClub* const> countryClubs, CClub& club, int team);

// Position values as the club stores them: degrees and minutes clamped (latitude 0-90 with no
// minutes at 90, longitude 0-180 where 180 becomes 179 with no minutes), negated for the
// southern / second hemisphere.
int32_t MakeLatitude(bool southern, int degrees, int minutes);
int32_t MakeLongitude(bool secondHemisphere, int degrees, int minutes);

}  // namespace torvale
