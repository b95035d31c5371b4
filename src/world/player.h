#pragma once
// CPlayer: every person of the football world that belongs to a club or to a country's
// additional managers. Players, but also coaches, managers, presidents and the other club
// employees; `role` tells which. Persons live in the world's person table (person_table.h),
// keyed by their player id; clubs and countries hold ids only and write the "PLAYER" sections
// of their persons inside their own sections.

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "world/date.h"
#include "world/language_slots.h"

namespace torvale {

class CKLFile;
class CPersonTable;
class ClubIdMapper;
class SiblingGameLookup;

// Roles of persons. 0 is a player; the others are the club's officials and employees.
enum PersonRole : int8_t {
  kRolePlayer = 0,
  kRoleCoach = 1,
  kRoleManager = 2,
  kRolePresident = 3,
  kRoleAssistantCoach = 4,
  kRoleGoalkeeperCoach = 5,
  kRoleAmateurCoach = 6,
  kRoleYouthCoach = 7,
  kRoleChiefScout = 8,
  kRoleSecondScout = 9,
  kRoleTalentScout = 10,
  kRoleTeamDoctor = 11,
  kRoleKneeSpecialist = 12,
  kRoleAnkleSpecialist = 13,
  kRoleMuscleSpecialist = 14,
  kRoleMasseur = 15,
  kRolePsychologist = 16,
  kRoleManagingDirector = 17,
  kRoleMarketingSpecialist = 18,
  kRoleStadiumManager = 19,
  kRoleFanRepresentative = 20,
};
constexpr int kRoleCount = 21;

// Main and secondary positions 1-17 ("TO" goalkeeper ... "ST" striker); 0 shows as goalkeeper.
constexpr int kPositionCount = 18;
constexpr uint8_t kPositionGoalkeeper = 1;
constexpr uint8_t kPositionStriker = 17;

// Indices into CPlayer::abilities.
enum Ability : int {
  kPassing = 0,
  kHeading,
  kShotPower,
  kShotAccuracy,
  kAcceleration,
  kPace,
  kDefensiveTackling,
  kOffensiveDuels,
  kTechnique,
  kCrossing,
  kReflexes,
  kDivingSaves,
  kBoxControl,
  kOneAgainstOne,
  kGoalKicks,
  kThrowOuts,
  kAbilityCount
};

// Indices into CPlayer::character. 1 is "normal" for every value.
enum CharacterTrait : int {
  kLeadership = 0,
  kAttitude,
  kFlexibility,
  kNerves,
  kReliability,
  kToughness,
  kImage,
  kTeamSpirit,
  kClubIdentification,
  kCharacterCount
};
constexpr uint8_t kCharacterNormal = 1;
constexpr int kMaxUnusualCharacterTraits = 2;

// Indices into CPlayer::ratings: the rating areas.
enum RatingArea : int { kAreaGoalkeeper = 0, kAreaDefence, kAreaMidfield, kAreaAttack, kAreaCount };
constexpr uint8_t kMaxRating = 6;

// Preferred foot.
constexpr uint8_t kFootBoth = 0;
constexpr uint8_t kFootRight = 1;
constexpr uint8_t kFootLeft = 2;

// The season the database describes: contracts of a new person run from the year before to
// this year, and the season-start special lasts from 1 July 2003 to 30 June 2004.
constexpr int kDatabaseYear = 2004;

// Bits of CPlayer::nationalTeamStatus.
constexpr uint8_t kNationalTeamRetired = 0x01;   // no longer plays for the national team
constexpr uint8_t kNationalTeamCurrent = 0x02;   // currently in the national team
constexpr int kSeasonSpecialShift = 2;           // bits 2-4: the special at season start
constexpr uint8_t kSeasonSpecialMask = 0x07;

// Experience as a factor of strength: league experience 0-6 gives -1.0 to 2.0 in half steps,
// international experience 0-4 gives -0.5 to 1.5. Values beyond the scale count as its top.
float LeagueExperienceFactor(uint8_t experience);
float InternationalExperienceFactor(uint8_t experience);

// The first language spoken in a country; the world's countries answer it. A person without
// a language of its own takes its nationality's.
class CountryLanguageLookup {
 public:
  virtual ~CountryLanguageLookup() = default;
  // 0 when the country is unknown or has no language set.
  virtual uint8_t FirstLanguage(uint8_t countryId) const = 0;
};

// What reading a "PLAYER" section needs besides the stream: files of older versions lack
// fields that are then derived from the sibling game's lists, the countries' languages and
// (for the oldest files) a random draw.
struct PlayerReadContext {
  const SiblingGameLookup& sibling;
  const CountryLanguageLookup& countries;
  std::minstd_rand& random;
  // Ages for derived values are taken on this day.
  DATE referenceDate;
};

namespace player_detail {
template <size_t N>
constexpr std::array<uint8_t, N> Filled(uint8_t value) {
  std::array<uint8_t, N> a{};
  a.fill(value);
  return a;
}
}  // namespace player_detail

// The stored data of a person, with the defaults of a new one.
struct PlayerFields {
  uint32_t id = 0;              // key in the world's person table; 0 = none
  uint32_t siblingId = 0;       // the person's id in the sibling game Vela
  int8_t role = kRolePlayer;
  int8_t team = 0;              // 0 first team, 1 reserve team
  uint8_t nationality = 0;      // country id
  uint8_t secondNationality = 0;
  uint8_t domestic = 0;         // counts as a domestic player ("Fußballinländer")
  char firstName[16] = {};
  char surname[20] = {};
  char nickname[20] = {};
  char stageName[20] = {};      // the name the person is known under
  DATE birthDate = DATE::FromCivil(1980, 1, 1);
  uint8_t talent = 2;           // 0-7
  uint8_t foot = kFootRight;
  std::array<uint8_t, kAbilityCount> abilities = player_detail::Filled<kAbilityCount>(4);
  std::array<uint8_t, kCharacterCount> character = player_detail::Filled<kCharacterCount>(kCharacterNormal);
  uint8_t leagueExperience = 0;         // 0-6
  uint8_t internationalExperience = 0;  // 0-4
  uint8_t shirtNumber = 0;
  uint8_t mainPosition = 0;
  std::array<uint8_t, 2> secondaryPositions = {};
  std::array<uint8_t, kAreaCount> ratings = {};
  uint8_t hairColour = 2;
  uint8_t skinColour = 0;
  uint8_t face = 1;
  uint8_t hairStyle = 5;
  uint8_t facialHair = 1;
  uint8_t height = 180;         // cm
  uint8_t weight = 75;          // kg
  std::string speechFile;
  uint32_t firstClub = 0;       // club ids
  uint32_t lastClub = 0;
  uint16_t contractStart = kDatabaseYear - 1;
  int16_t contractEnd = kDatabaseYear;
  uint8_t internationalCaps = 0;
  uint8_t internationalGoals = 0;
  std::array<uint8_t, 4> managerAbilities = {};  // motivation, training, goalkeeping, negotiation
  LanguageSlots languages = {};
  uint32_t favouriteClub = 0;
  uint32_t secondClubPreference = 0;
  int32_t favouritePlayer = 0;  // player id
  uint8_t formation = 0;        // index of the formation list
  uint8_t spare = 2;            // kept as found
  uint8_t tacticalEducation = 3;  // 0-8
  uint8_t nationalTeamStatus = 0;
  uint32_t loanedTo = 0;
  DATE specialStart = DATE::FromCivil(kDatabaseYear - 1, 7, 1);
  DATE specialEnd = DATE::FromCivil(kDatabaseYear, 6, 30);
  uint32_t neverMovesTo = 0;
  uint8_t favouriteCountry = 0;
  uint16_t starHead = 0;        // ready-made head in the star head list; 0 = none
  uint8_t headType = 2;
  uint8_t personFlags = 0;
  uint8_t bonusAbility = 0;     // 0-31, stored packed with the talent
  std::string notes;            // lines separated by CR LF

  bool operator==(const PlayerFields&) const = default;
};

class CPlayer : public PlayerFields {
 public:
  CPlayer() = default;

  // Every field to its default. The placeholder names carry the number of persons in the
  // owning table; a new person speaks its nationality's first language.
  void InitDefaults(int8_t role, uint8_t nationality);

  // The "PLAYER" section. Club references are stored under the numbering the file will have
  // after reloading, hence the mapper.
  bool WritePlayer(CKLFile& file, const ClubIdMapper& clubIds) const;
  void ReadPlayer(CKLFile& file, const PlayerReadContext& context);

  // "Surname, F." for lists; see ShortDisplayName.
  std::string ShortName() const;
  // Abilities above 1 or equal to 0 plus unusual character values: a club sums these to show
  // how much of its squad was hand-edited away from the generated defaults.
  int SpecialCount() const;
  // The bonus that experience adds to rating `area`, scaled by how that rating compares with
  // the person's best one.
  float ExperienceBonus(int area, bool international) const;
  // The strength as a player in the main position (strength.cpp).
  float Strength() const;

  // Whole years on `reference`.
  int32_t Age(DATE reference) const { return birthDate.AgeAt(reference); }
  // Ratings are 0-6; larger stored values count as 6.
  uint8_t Rating(int area) const;
  uint8_t BestRating() const;
  // Height and weight as the game uses them: 150-220 cm and 50-150 kg.
  uint8_t ClampedHeight() const;
  uint8_t ClampedWeight() const;
  // The season-start special (bits 2-4 of the national team status), 0-7.
  uint8_t SeasonSpecial() const { return (nationalTeamStatus >> kSeasonSpecialShift) & kSeasonSpecialMask; }
  void SetSeasonSpecial(uint8_t special);

  // Language slot editing with the no-repeat, no-gap rule.
  bool SetLanguage(int slot, int language) { return SetLanguageSlot(languages, slot, language); }
  // At most two character values may differ from normal: a change that would make a third
  // one unusual is refused.
  bool SetCharacter(int trait, uint8_t value);

  // The table that owns the person (the world's person table); null for a free-standing one.
  const CPersonTable* World() const { return world_; }
  void SetWorld(const CPersonTable* world) { world_ = world; }

  // Same data; the owning table does not count.
  bool operator==(const CPlayer& other) const {
    return static_cast<const PlayerFields&>(*this) == other;
  }

 private:
  const CPersonTable* world_ = nullptr;
};

}  // namespace torvale
