#pragma once
// The master records of the world's entities: what a build writes for a person, a club, a
// stadium, a country (its header and its record) and the global rules. Every writer writes
// the same fields in both passes of a build; nothing depends on the writer's mode. The layout
// of each record is documented in docs/master-format.md.

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>
#include <string>
#include <string_view>

#include "master/console_tables.h"
#include "master/master_logs.h"
#include "master/master_writer.h"

namespace torvale {

class CClub;
class CCountry;
class CNamePool;
class CPersonTable;
class CPlayer;
class ClubIdMapper;
class CountryLanguageLookup;
class SiblingGameLookup;
struct CStadium;

// The first country number and one past the last of the real countries.
constexpr int kFirstMasterCountry = 1;
constexpr int kLastMasterCountry = 206;

// The console whitelist: only these countries can be offered in the console edition.
bool IsOnConsoleWhitelist(int country);

// A person's name group and name-pool indices (first name, surname, nickname, stage name):
// the counting pass enters the names into the pool, the writing pass writes what it found.
struct MasterPersonNames {
  bool entered = false;
  uint8_t group = 0;
  std::array<uint16_t, 4> indices = {};
};

// A person a club lists, with its names once entered.
struct MasterListedPerson {
  const CPlayer* person = nullptr;
  MasterPersonNames names;
};

// Everything a record writer needs besides the record.
struct MasterRecordContext {
  CMasterWriter& writer;
  int language = 0;         // the build language 0-3 (names of the console variant)
  uint32_t flags = 0;       // MasterBuildFlags
  CNamePool& names;
  // Club references of every country, under the numbering the world is saved with.
  const ClubIdMapper& clubIds;
  const CountryLanguageLookup& countryLanguages;
  const ConsoleConversions& console;
  // The sibling game's star head list (the console's ready-made heads).
  const SiblingGameLookup& sibling;
  const MasterLogs& logs;
  // True when the badge names a badge of the game's badge archive that the archive does not
  // hold; such a badge is written as empty. Without a check every badge is written.
  std::function<bool(std::string_view badgeFile)> badgeMissing;
  // Sizes measured in the counting pass for the size words that stand before the bytes
  // they count (the country record, its competition block); the writing pass reuses them.
  std::map<std::pair<int, int>, uint32_t> measuredSizes;
  // The persons each club lists, looked up once in the person table for both passes.
  std::unordered_map<const CClub*, std::vector<MasterListedPerson>> clubPersons;
  // Whether each country is offered, judged once for both passes: the judgement checks
  // every club's staff and every competition, and the world does not change during a build.
  std::unordered_map<const CCountry*, bool> completeCountries = {};
  // The first language of each nationality, asked once per build (a person without languages
  // of its own is named in its nationality's first language).
  std::array<uint8_t, 256> firstLanguages = {};
  std::bitset<256> firstLanguageKnown = {};

  bool Ps2() const;
  uint8_t FirstLanguage(uint8_t nationality);
};

// A club reference as the game stores it: the saved id, 0 for none or for an id whose country
// byte names no real country.
uint32_t MasterClubReference(const MasterRecordContext& context, uint32_t clubId);

// The person's record; names go through the pool of the person's name group. With `names`,
// the names are entered once and their indices kept there for the next pass.
void WritePersonMaster(MasterRecordContext& context, const CPlayer& person, MasterPersonNames* names = nullptr);

// The badge file name written for a club.
std::string MasterBadgeName(const MasterRecordContext& context, const CClub& club);

// Our club record: the club's data, its stadium and the persons it lists.
void WriteClubMaster(MasterRecordContext& context, const CCountry& country, const CClub& club,
                     const CPersonTable* persons);

// Our stadium record.
void WriteStadiumMaster(MasterRecordContext& context, const CStadium& stadium);

// The country header; answers whether the country is complete (offered in the game).
bool WriteCountryHeader(MasterRecordContext& context, const CCountry& country);
// True when the build offers the country: playable and, for the console, whitelisted.
bool IsCountryComplete(const CCountry& country, uint32_t flags);

// The country record with its clubs, persons and competitions.
void WriteCountryMaster(MasterRecordContext& context, const CCountry& country,
                        const CPersonTable* persons);

}  // namespace torvale
