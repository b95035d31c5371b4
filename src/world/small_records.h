#pragma once
// The small records a country owns besides its clubs: the national coach, referees, staff on
// the job market, sponsors and the entries of its youth player pool. Each is a plain value
// written as its own section of the record stream.

#include <cstdint>
#include <string>

#include "world/date.h"
#include "world/language_slots.h"

namespace torvale {

class CKLFile;

// The national coach of a country.
struct MANAGER {
  char firstName[16] = {};
  char surname[20] = {};
  char nickname[20] = {};
  int32_t nationality = 0;
  DATE birthDate;
  uint8_t abilities[4] = {};  // motivation, training design, goalkeeper training, negotiation; 0-15
  LanguageSlots languages{};  // mother tongue, then foreign languages; no repeats, no gaps
  uint8_t nationalExperience = 0;       // 0-6
  uint8_t internationalExperience = 0;  // 0-4

  friend bool operator==(const MANAGER&, const MANAGER&) = default;
};

// Referee characters in the order of the editor's list.
enum RefereeCharacter : int8_t {
  kRefereeWorldClass = 0,
  kRefereeStrict,
  kRefereeLetsPlayOn,
  kRefereeDislikesShouting,
  kRefereeBrave,
  kRefereeCoward,
  kRefereeNone,
};

struct CReferee {
  char firstName[16] = {};
  char surname[20] = {};
  int8_t character = 0;
  uint8_t spare = 0;  // kept in memory only, never stored

  std::string ShortName() const;
  friend bool operator==(const CReferee&, const CReferee&) = default;
};

// A staff member available for hire.
struct CStaffMember {
  char firstName[16] = {};
  char surname[20] = {};
  int32_t job = 0;            // employee role number of persons (4 and above)
  uint8_t qualification = 0;  // 0 "Spezialist mit hohem Ansehen" ... 4 "Besser als Durchschnitt"

  std::string ShortName() const;
  friend bool operator==(const CStaffMember&, const CStaffMember&) = default;
};

struct CSponsor {
  static constexpr size_t kNameChars = 28;
  static constexpr size_t kTextChars = 31;

  char name[32] = {};
  int32_t value = 1;
  char text1[33] = {};
  char text2[33] = {};

  friend bool operator==(const CSponsor&, const CSponsor&) = default;
};

// One entry of a country's youth player pool; 64 bytes in the pool array. An entry is in use
// when its surname is set.
struct CPlayerPoolEntry {
  char firstName[16] = {};
  char surname[20] = {};
  char thirdName[20] = {};
  uint8_t nationality = 0;
  uint8_t ability = 0;
  uint8_t teamPart = 0;
  int32_t preferredClub = 0;  // club id, stored as it is (not renumbered on saving)

  bool InUse() const { return surname[0] != '\0'; }
  std::string ShortName() const;
  friend bool operator==(const CPlayerPoolEntry&, const CPlayerPoolEntry&) = default;
};
static_assert(sizeof(CPlayerPoolEntry) == 64);

// Section writers and readers. A reader leaves the record unchanged when its section is
// missing and returns false.
bool WriteManager(CKLFile& file, const MANAGER& manager);
bool ReadManager(CKLFile& file, MANAGER& manager);
bool WriteReferee(CKLFile& file, const CReferee& referee);
bool ReadReferee(CKLFile& file, CReferee& referee);
bool WriteStaffMember(CKLFile& file, const CStaffMember& staff);
bool ReadStaffMember(CKLFile& file, CStaffMember& staff);
bool WriteSponsor(CKLFile& file, const CSponsor& sponsor);
bool ReadSponsor(CKLFile& file, CSponsor& sponsor);
bool WritePlayerPoolEntry(CKLFile& file, const CPlayerPoolEntry& entry);
bool ReadPlayerPoolEntry(CKLFile& file, CPlayerPoolEntry& entry);

}  // namespace torvale
