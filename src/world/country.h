#pragma once
// CCountry: one country of a world with its country-wide settings (languages, league-system
// options, card and suspension rules, cup modes, transfer windows, youth appearance, titles)
// and the records it owns: clubs (the amateur club among them), referees, sponsors, staff on
// the job market, stadiums, the player pool, the national coach and the ids of its additional
// managers. Its competitions are nodes of the world's competition registry, reached by the
// ids built from the country number; the persons live in the world's person table.
//
// On disk a country is the "COUNTRY" section of its "Country%d.sav" file. Saving renumbers
// the clubs 1, 2, 3, ... in map order (reading files them that way), so every club reference
// any writer stores goes through SavedClubId, and stadium numbers through their position.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "competition/league_system_owner.h"
#include "world/club.h"
#include "world/club_id_mapper.h"
#include "world/date.h"
#include "world/small_records.h"
#include "world/stadium.h"

namespace torvale {

class CCountry;
class CDBCompetition;
class CKLFile;
class CPersonTable;
class CompetitionRegistry;
class CupAllocationTable;
class SiblingGameLookup;

constexpr int kCountryLanguages = 5;  // database languages of the names
constexpr int kSpokenLanguageSlots = 4;
constexpr int kCountryLevels = 5;     // league levels 0-4
constexpr int kCountryMaxLeagues = 20;
constexpr int kMaxReferees = 256;
constexpr int kMaxSponsors = 40;
constexpr int kMaxStaff = 500;
constexpr int kMaxStadiums = 500;
constexpr int kFiveYearSeasons = 6;   // index 0 the last season, 5 six seasons ago
constexpr int kMaxAverageStrength = 26;
constexpr int kPoolEntriesPerClub = 22;  // the pool a country gets before its list is read

// The world's other countries, as a country needs them: club references into another country
// are renumbered by that country. The world implements this.
class CountryDirectory {
 public:
  virtual ~CountryDirectory() = default;
  // The country of number 1-206; null for an empty slot or another number.
  virtual const CCountry* FindCountry(int countryId) const = 0;
};

// What a country reaches in its world. The world sets it when it creates the country; a
// country without a registry has no competitions, one without a person table keeps no
// persons (they are read and dropped).
struct CountryContext {
  CompetitionRegistry* competitions = nullptr;
  CPersonTable* persons = nullptr;
  // The cup allocations the national cups follow (the registry's cups read it there too).
  const CupAllocationTable* cupAllocations = nullptr;
  const CountryDirectory* countries = nullptr;
  // Reading files of older versions: the sibling game's lists, the draw for values those
  // files lack, and the day ages are taken on. Without lists nothing is found.
  const SiblingGameLookup* sibling = nullptr;
  std::minstd_rand* random = nullptr;
  DATE referenceDate = DATE::FromCivil(2004, 7, 1);
  // The database language of club names (ClubName) and of the sibling-game look-ups.
  int language = 0;
};

// The three reporters of a country.
enum CountryReporter : int { kReporterNewspaper = 0, kReporterStadium, kReporterStudio, kReporterCount };

struct ReporterName {
  char firstName[16] = {};
  char surname[20] = {};
  friend bool operator==(const ReporterName&, const ReporterName&) = default;
};

// The five youth appearance masks, in the order of the record.
enum YouthMask : int { kYouthMaskSpare = 0, kYouthHairColours, kYouthHaircuts, kYouthBeards, kYouthFaces, kYouthMaskCount };

// Bits of the packed rule fields.
constexpr uint8_t kCardRuleMask = 0x7F;             // yellow-card rules: the threshold choice
constexpr uint8_t kCardRuleCountsAfterYellowRed = 0x80;
constexpr uint8_t kRedCardFixedDuration = 0x10;
constexpr uint8_t kScopeYellowAllNational = 0x01;
constexpr uint8_t kScopeYellowRedAll = 0x02;
constexpr uint8_t kScopeRedAllNational = 0x04;
constexpr uint8_t kClubOptionHomeAdvantage = 0x01;
constexpr uint8_t kClubOptionNoReserveSwitch = 0x02;
constexpr uint32_t kLeagueCupAllLeagues = 0x10000;  // with league cup mode 7

// Why a country cannot be played (bits of CCountry::PlayabilityProblems).
enum PlayabilityProblem : uint32_t {
  kPlayableNoCompetitions = 1u << 0,      // the country reaches no competition registry
  kPlayableTooFewClubs = 1u << 1,         // fewer than 10 clubs (the amateur club counts)
  kPlayableNoLeague = 1u << 2,            // no league, or no league 0
  kPlayableFirstLeagueTooSmall = 1u << 3, // league 0 is made for fewer than 10 teams
  kPlayableClubCheckFails = 1u << 4,      // a club's facilities do not allow its staff
  kPlayableCompetitionProblem = 1u << 5,  // a competition reports a problem
};

// The stored settings of a country, with the defaults of a new one. The owned lists are
// kept by CCountry.
struct CountryFields {
  std::array<std::string, kCountryLanguages> names;
  char shortNames[kCountryLanguages][4] = {};
  uint32_t countryId = 0;  // 1-206, the slot in the world; 0 = empty slot
  std::array<uint8_t, kSpokenLanguageSlots> languages = {};  // 0 = none
  std::array<uint8_t, kSpokenLanguageSlots> languageShares = {};  // percent
  int8_t reserveLevel = 0;  // reserve teams play on levels >= this; 5 = nowhere
  uint8_t leagueSystemOption = 0;
  char federationName[10] = {};
  char presidentFirstName[16] = {};
  char presidentSurname[20] = {};
  DATE presidentBirthDate;
  std::array<ReporterName, kReporterCount> reporters = {};
  uint8_t winterBreak = 0;
  uint8_t spareFlag = 0;
  uint8_t climate = 0;  // 0 cold ... 4 hot
  std::array<uint8_t, kCountryLevels> tieBreakRules = {};
  std::array<uint8_t, kCountryLevels> foreignPlayerLimits = {};
  uint32_t continent = 0;  // from the country index, not read from the record
  // The byte the country index lists after the continent; the master build writes it.
  uint8_t continentByte = 0;
  std::array<uint8_t, kCountryLevels> relegationRules = {};
  uint8_t yellowCardLeagueRule = 0;
  uint8_t yellowCardCupRule = 0;
  uint8_t redCardOptions = 0;
  uint8_t redCardRule = 0;  // 0 at once, 1 from the Monday of the next week
  uint8_t suspensionScope = 0;
  uint8_t yellowRedBanLevels = 0;  // bits 0-4: leagues of level 1-5
  uint8_t indoorTournament = 0;
  uint8_t clubOptions = 0;
  uint8_t moveAbroadProbability = 0;  // percent
  int32_t cupFinalStadium = 0;        // number in the stadium list; 0 = none
  std::array<uint16_t, 6> masterValues = {};  // passed to the master build as they are
  MANAGER nationalCoach;
  int8_t leagueCount = 0;
  std::array<uint8_t, kCountryLevels> firstLeague = {};
  std::array<uint8_t, kCountryLevels> endLeague = {};
  std::array<uint8_t, kCountryLevels> levelValuesA = {};  // two further per-level values,
  std::array<uint8_t, kCountryLevels> levelValuesB = {};  // passed to the master build
  int32_t nationalCupMode = 0;  // cup allocation of the FA cup; 0 = none
  int32_t leagueCupMode = 0;    // low 16 bits the allocation, kLeagueCupAllLeagues with 7
  int32_t superCupMode = 0;
  uint8_t teamTransfers = 0;  // first/second team transfers
  int32_t transferWindow1 = 0;
  int32_t transferWindow2 = 0;
  uint32_t generateNames = 0;
  uint8_t averageStrength = 15;  // 1-26 in half points
  std::string nationalNewspaper;
  std::string notes;  // lines separated by CR LF
  uint16_t continentalTitles = 0;
  uint16_t continentalFinals = 0;
  uint16_t worldChampionships = 0;
  uint16_t worldChampionshipFinals = 0;
  std::array<uint32_t, kYouthMaskCount> youthMasks = {15, 15, 15, 15, 15};
  uint8_t youthHeight = 180;  // cm
  uint8_t youthWeight = 75;   // kg
  // The international 5-year ranking: hundredths of a point per season, index 0 the last.
  std::array<uint16_t, kFiveYearSeasons> fiveYearPoints = {};
  uint8_t rankingExcluded = 0;  // not listed in the 5-year ranking

  bool operator==(const CountryFields&) const = default;
};

class CCountry : public CountryFields,
                 public ClubIdMapper,
                 public StadiumPositionMapper,
                 public LeagueSystemOwner {
 public:
  using ClubMap = std::map<uint32_t, std::unique_ptr<CClub>>;

  CCountry() = default;
  explicit CCountry(uint32_t id) { countryId = id; }
  CCountry(const CCountry&) = delete;
  CCountry& operator=(const CCountry&) = delete;
  ~CCountry() override;

  // Back to the state of a new country with the same id and context: every setting at its
  // default, no clubs (their persons leave the person table), empty lists. The country's
  // competitions are the registry's; they stay.
  void Reset();

  const CountryContext& Context() const { return context_; }
  // Also hands the person table on to the clubs.
  void SetContext(const CountryContext& context);

  // ---- names ----
  std::string_view Name(int language) const;
  void SetName(int language, std::string_view name);
  std::string_view ShortName(int language) const;  // at most 3 characters
  void SetShortName(int language, std::string_view name);

  // ---- languages ----
  uint8_t FallbackLanguage() const { return fallbackLanguage_; }
  void SetFallbackLanguage(uint8_t language) { fallbackLanguage_ = language; }
  // Drops empty and repeated language slots, fills slot 0 with the fallback language when it
  // is empty, and makes the shares add up to 100.
  void NormaliseLanguages();

  // ---- small owned lists: numbers 1 up to the limit, the lowest free one for a new entry;
  // Add returns 0 (and files nothing) when the list is full ----
  int AddReferee(const CReferee& referee);
  int AddSponsor(const CSponsor& sponsor);
  int AddStaff(const CStaffMember& staff);
  int AddStadium(const CStadium& stadium);
  bool RemoveReferee(int number) { return referees_.erase(number) != 0; }
  bool RemoveSponsor(int number) { return sponsors_.erase(number) != 0; }
  bool RemoveStaff(int number) { return staff_.erase(number) != 0; }
  bool RemoveStadium(int number) { return stadiums_.erase(number) != 0; }
  const std::map<int, CReferee>& Referees() const { return referees_; }
  const std::map<int, CSponsor>& Sponsors() const { return sponsors_; }
  const std::map<int, CStaffMember>& Staff() const { return staff_; }
  const std::map<int, CStadium>& Stadiums() const { return stadiums_; }
  CReferee* FindReferee(int number);
  CSponsor* FindSponsor(int number);
  CStaffMember* FindStaff(int number);
  CStadium* FindStadium(int number);
  const CStadium* FindStadium(int number) const;

  // ---- clubs ----
  // Files the club under `number` (1-65535) with this country's id and world. Refused (null,
  // the club is dropped) for number 0 or a number already taken.
  CClub* AddClub(std::unique_ptr<CClub> club, uint16_t number);
  // Files the club under the lowest number from 1 that no club has; null when none is left.
  CClub* AddNewClub(std::unique_ptr<CClub> club);
  // Looks the id up with bit 24 cleared; null when this country has no such club.
  CClub* FindClub(uint32_t clubId);
  const CClub* FindClub(uint32_t clubId) const;
  // Takes the club out and hands it back; its persons stay in the person table.
  std::unique_ptr<CClub> RemoveClub(uint32_t clubId);
  // The amateur club (number 65535), named like the country in every language; an existing
  // one is kept and renamed.
  CClub& CreateAmateurClub();
  CClub* AmateurClub() { return FindClub(MakeClubId(countryId, kAmateurClubNumber)); }
  const ClubMap& Clubs() const { return clubs_; }
  // Clubs besides the amateur club.
  int RegularClubCount() const;
  // The club's name in the context's language; "%s (A)" for a reference with bit 24 (the
  // reserve team); clubs of other countries through the world; empty when there is no club.
  std::string ClubName(uint32_t clubId) const;
  std::string ClubName(uint32_t clubId, int language) const;

  // ClubIdMapper: the id the club will have after saving and reloading.
  uint32_t SavedClubId(uint32_t clubId) const override;
  // StadiumPositionMapper: the number a stadium gets on reloading (its position in the list).
  int32_t SavedStadiumPosition(int32_t number) const override;

  // ---- player pool and additional managers ----
  // Grows the pool to n entries; new entries are empty with this country as nationality.
  // Never shrinks.
  void ResizePlayerPool(int n);
  std::vector<CPlayerPoolEntry>& PlayerPool() { return playerPool_; }
  const std::vector<CPlayerPoolEntry>& PlayerPool() const { return playerPool_; }
  int PlayerPoolSize() const { return static_cast<int>(playerPool_.size()); }
  // Additional managers are persons of the world's person table; the country lists their ids.
  const std::set<uint32_t>& AdditionalManagers() const { return additionalManagers_; }
  // Creates a person (a manager) in the person table and lists it; null without a table.
  CPlayer* CreateAdditionalManager();
  // Lists an existing person of the person table; false when the table has no such person.
  bool AddAdditionalManager(uint32_t playerId);
  // Unlists the person and removes it from the person table.
  bool RemoveAdditionalManager(uint32_t playerId);

  // ---- league system and competitions ----
  // LeagueSystemOwner.
  int CountryNumber() const override { return static_cast<int>(countryId & 0xFFFF); }
  // The registry of the context; a country without one must not be asked.
  CompetitionRegistry& Competitions() const override;
  int LeagueCount() const override { return leagueCount; }
  void SetLeagueCount(int count) override;
  int FirstLeague(int level) const override;
  int EndLeague(int level) const override;
  void SetLevelLeagues(int level, int first, int end) override;
  int LevelRelegationRule(int level) const override;
  void SetLevelRelegationRule(int level, int rule) override;
  int ReserveLevel() const override { return reserveLevel; }
  bool HasCompetitions() const { return context_.competitions != nullptr; }

  // Teams of all existing leagues plus 4 per league of the lowest level.
  int ClubsInLeagueSystem() const;
  // At least 10 clubs, a first league of at least 10 teams, every club passing its check and
  // no competition reporting a problem: the game can start a career in this country.
  bool IsPlayable() const { return PlayabilityProblems() == 0; }
  // What keeps the country from being playable (PlayabilityProblem bits); 0 when it is.
  uint32_t PlayabilityProblems() const;
  // The competitions whose problems keep the country from being played: kinds 1-23 with
  // indices 0-5, in that order. Nothing without a registry.
  void ForEachCheckedCompetition(const std::function<void(const CDBCompetition&)>& visit) const;
  // Levels 0-4 start with leagues 0-4, and leagues 0-4 exist with the standard sizes.
  bool HasStandardLeagueSystem() const;

  // The cup modes: a changed mode replaces the cup(s) by a fresh one of the new allocation
  // (none for 0).
  void SetNationalCupMode(int32_t mode);
  void SetLeagueCupMode(int32_t mode);
  void SetSuperCupMode(int32_t mode);

  // ---- bits of the packed settings ----
  bool YellowCountsAfterYellowRed(bool cup) const;
  void SetYellowCountsAfterYellowRed(bool cup, bool on);
  int YellowCardRule(bool cup) const;
  void SetYellowCardRule(bool cup, int rule);
  bool RedCardFixedDuration() const { return (redCardOptions & kRedCardFixedDuration) != 0; }
  void SetRedCardFixedDuration(bool on);
  bool SuspensionScope(uint8_t bit) const { return (suspensionScope & bit) != 0; }
  void SetSuspensionScope(uint8_t bit, bool on);
  bool YellowRedBan(int level) const;
  void SetYellowRedBan(int level, bool on);
  bool ClubOption(uint8_t bit) const { return (clubOptions & bit) != 0; }
  void SetClubOption(uint8_t bit, bool on);
  // A bit of a youth appearance mask.
  bool YouthLook(int mask, int bit) const;
  void SetYouthLook(int mask, int bit, bool on);

  // ---- 5-year ranking ----
  uint16_t FiveYearPoints(int season) const;
  void SetFiveYearPoints(int season, uint16_t points);
  // The ranking total: seasons 1-5 (the last season does not count yet).
  uint32_t FiveYearTotal() const;

  // ---- record stream ----
  // Writes the "COUNTRY" section; false when the stream is not open for writing.
  bool WriteCountry(CKLFile& file) const;
  // Reads the "COUNTRY" section into this country, replacing its clubs, lists and
  // competitions; nothing changes when the section is missing (false). The country id and
  // the context must be set.
  bool ReadCountry(CKLFile& file);

  // ---- exact copies (undo) ----
  // A save renumbers clubs and list entries 1, 2, 3, ...; an exact copy keeps the numbers
  // memory holds. WriteCountryAsIs writes every club reference and stadium number
  // unconverted; ReadCountry of that record followed by RestoreNumbering with the numbering
  // taken at writing time gives the same clubs and lists back. (Additional managers are
  // stored without ids: reading gives them fresh ones.)
  struct Numbering {
    std::vector<uint16_t> clubs;  // regular clubs in map order (the amateur club is 65535)
    std::vector<int> referees, sponsors, staff, stadiums;
    bool operator==(const Numbering&) const = default;
  };
  Numbering CurrentNumbering() const;
  bool WriteCountryAsIs(CKLFile& file) const;
  // Refiles the clubs and list entries, taken in order, under the numbers of `numbering`. A
  // list of another length than its numbering is left as it is.
  void RestoreNumbering(const Numbering& numbering);

  // Same settings, same lists, clubs with the same data, and additional managers whose
  // persons hold the same data (their ids are given out afresh on reading).
  bool SameData(const CCountry& other) const;

 private:
  // Keeps the numbering SavedClubId answers with in step with the club map.
  void RebuildClubNumbering();
  // Removes every club, list entry and additional manager (with their persons).
  void ClearOwned();
  bool WriteCountryRecord(CKLFile& file, const ClubIdMapper& clubIds, const StadiumPositionMapper& stadiums) const;
  void WriteCountryMist(CKLFile& file, const StadiumPositionMapper& stadiums) const;
  void ReadCountryMist(CKLFile& file);
  void ReadClubs(CKLFile& file, const ClubReadContext& context);
  void ReadSmallLists(CKLFile& file);
  void ReadAdditionalManagers(CKLFile& file, const PlayerReadContext& context);
  void ReadPlayerPool(CKLFile& file);

  CountryContext context_;
  uint8_t fallbackLanguage_ = 0;
  std::map<int, CReferee> referees_;
  std::map<int, CSponsor> sponsors_;
  std::map<int, CStaffMember> staff_;
  std::map<int, CStadium> stadiums_;
  std::vector<CPlayerPoolEntry> playerPool_;
  std::set<uint32_t> additionalManagers_;
  ClubMap clubs_;
  // Ids (bit 24 clear) of the clubs below 65535 in map order: position + 1 is the number the
  // club is saved under.
  std::vector<uint32_t> clubNumbering_;
};

}  // namespace torvale
