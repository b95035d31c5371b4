#pragma once
// Reading and writing groups of competition records: the numbered sections of a country's
// "COMPETITION" section and of the international structure files, the node factory behind
// them, the framework-calendar marking, and the text of the team-selection rule lists.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "competition/competition_id.h"

namespace torvale {

class CKLFile;
class ClubIdMapper;
class CDBCompetition;
class CompetitionRegistry;
class TeamSelectionRuleList;

// Framework calendar codes of the days international events occupy (1-13 are round types).
struct CalendarCode {
  enum : int32_t {
    FREE = 0,
    NATIONAL_TEAMS = 20,
    EURO_SUPERCUP = 21,
    CHAMPIONS_FINAL = 22,
    UEFA_FINAL = 23,
    TOYOTA = 24,
    UIC = 25,
  };
};
constexpr int kCalendarDays = 400;

// Writes the node as section <prefix><counter> and increments the counter; nothing happens
// for a null node or when the section cannot be opened.
void WriteCompetitionSection(const CDBCompetition* node, CKLFile& file, std::string_view prefix,
                             int& counter, int countryOverride, const ClubIdMapper& clubs);

// Reads a group written that way: creates each node by its type line, files it in the
// registry with `owner`, reads it and marks `calendar` (400 codes; may be empty). Returns the
// number of nodes created.
int ReadCompetitionGroup(CKLFile& file, std::string_view prefix, std::span<int32_t> calendar,
                         CompetitionId owner, CompetitionRegistry& registry);

// The node class a type line stands for, with its forced kind (-1: the id line's kind).
// Null for type lines that create nothing ("DB_CHALLENGE", "DB_ROOT", ...).
std::unique_ptr<CDBCompetition> CreateCompetitionNode(std::string_view typeLine, int& forcedKind);

// Marks the days a node plays in a framework calendar by its kind and round type.
void MarkFrameworkCalendar(const CDBCompetition& node, std::span<int32_t> calendar);

// A rule list as text: the count line and the rules; the entries are appended to `rules`
// followed by END_OF_ENTRY. Returns the index of the first appended entry.
int32_t ReadRuleList(CKLFile& file, TeamSelectionRuleList& rules);

// The country's "COMPETITION" section: its leagues 0 ... leagueCount-1, the distinct first
// successors of the leagues in ascending id order, then FA_CUP, LE_CUP, CONFERENCE_CUP,
// CHALLENGE_SHIELD and SUPERCUP where they exist.
void WriteCountryCompetitions(CKLFile& file, const CompetitionRegistry& registry, int country,
                              int leagueCount, const ClubIdMapper& clubs);
// The country's "COMPETITIONPART" section, a summary the game shows before it loads the
// country (the country writes it only when it has at least 8 clubs; reading skips it): the
// first league's name, the FA cup's name ("" without one) and the first 8 teams of the first
// league. Without a first league: "1. Liga", "Nationaler Pokal" and `fallbackClubs` (the
// country's clubs 1-8; missing entries are written as 0).
void WriteCompetitionPart(CKLFile& file, const CompetitionRegistry& registry, int country,
                          std::span<const uint32_t> fallbackClubs, const ClubIdMapper& clubs);

// Replaces the country's competitions by the section's; the section must be the next one.
// Returns false (and leaves a fresh root only) when the section is missing.
bool ReadCountryCompetitions(CKLFile& file, CompetitionRegistry& registry, int country);

}  // namespace torvale
