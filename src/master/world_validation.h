#pragma once
// One report of everything that keeps a world from working in the game, or that is probably
// wrong: what loading its files met (missing, unreadable, damaged, repaired), the checks the editors make one at a time (club check, league consistency and
// calendar, the master build's judgement of which countries are complete, missing badges),
// plus what only shows over the whole world (persons no club lists, references to clubs,
// persons and stadiums that do not exist, names the game would cut). Every check calls the
// core function that states its rule; this file only collects and words the results.
//
// Errors are what the game will not accept (a country it will not offer, a season that
// cannot be played, data a save would corrupt); warnings are what is probably wrong. Texts
// are German, Windows-1252 like all world text.

#include <cstdint>
#include <string>
#include <vector>

namespace torvale {

class CWorldDatabase;
struct BadgeRoots;

enum class FindingSeverity : uint8_t { kError, kWarning };

// Which check found it; `code` of the finding carries that check's own bit where it has one.
enum class FindingKind : uint8_t {
  kClubCheck,            // code: the club check bit (kCheck... of club.h)
  kSquadCheck,           // code: the squad check bit
  kCompetition,          // code: the ConsistencyBit
  kCountryNotPlayable,   // code: the PlayabilityProblem bits
  kNotOnConsoleList,     // a playable country the console build leaves out
  kNoCompleteCountry,    // the master build would write no file
  kMissingBadge,
  kDuplicatePerson,
  kUnlistedPerson,       // in the person table, but no club and no list names it
  kPersonListedTwice,
  kMissingPerson,        // a club lists a person id the person table does not have
  kMissingClub,          // a reference to a club that does not exist
  kMissingStadium,       // a reference to a stadium that does not exist
  kNameTooLong,          // longer than the game (and the next load) keeps
  kLoadProblem,          // code: the LoadProblemKind of what loading the file met
};

struct ValidationFinding {
  FindingSeverity severity = FindingSeverity::kWarning;
  FindingKind kind = FindingKind::kClubCheck;
  uint32_t code = 0;
  int country = 0;        // 1-206; 0 for the world as a whole (rules, persons of no country)
  uint32_t clubId = 0;    // 0 when no club is concerned
  uint32_t personId = 0;  // 0 when no person is concerned
  uint32_t otherPersonId = 0;  // the second person of a duplicate pair
  std::string text;

  friend bool operator==(const ValidationFinding&, const ValidationFinding&) = default;
};

struct ValidationReport {
  std::vector<ValidationFinding> findings;

  int ErrorCount() const;
  int WarningCount() const;
  bool HasErrors() const { return ErrorCount() > 0; }
};

struct ValidationOptions {
  // Where badges are looked for; null: badges are not checked.
  const BadgeRoots* badges = nullptr;
  // MasterBuildFlags of the build the report is for (the console build offers fewer
  // countries).
  uint32_t masterFlags = 0;
};

// Runs every check over the world. Findings come country by country (1-206), those of the
// world as a whole first; within a country clubs in club order.
ValidationReport ValidateWorld(const CWorldDatabase& world, const ValidationOptions& options = {});

// The report as lines of text for the command line: a heading per country (its name in the
// world's language), one line per finding with "Fehler" or "Warnung", and a closing count.
// Windows-1252.
std::string FormatValidationReport(const CWorldDatabase& world, const ValidationReport& report);

// "2 Fehler, 1 Warnung": the closing count of the report, also the report dialog's heading.
std::string FindingCountText(int errors, int warnings);

}  // namespace torvale
