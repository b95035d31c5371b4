#pragma once
// The problem lists the competition editors show when they close: the calendar (every
// competition of every column) and the league composition (the team-list bits of every
// league). Texts are Windows-1252, ready for the error dialog.

#include <cstdint>
#include <string>
#include <vector>

namespace torvale {

class CDBCompetition;
class LeagueSystemOwner;

// String-table numbers of the problem texts and the headings of the error dialog.
constexpr int IDS_ONE_ERROR_HEADING = 622;
constexpr int IDS_FIXTURES_INCOMPLETE = 1312;
constexpr int IDS_MATCHDAYS_NOT_PLACED = 1313;
constexpr int IDS_TOO_FEW_CLUBS = 1314;
constexpr int IDS_RESERVE_TEAMS_NOT_ALLOWED = 1315;
constexpr int IDS_ERRORS_HEADING = 1316;

struct CompetitionProblems {
  std::string name;          // the competition's name
  std::vector<int> messages;  // string-table numbers, one per problem bit
};

struct ConsistencyReport {
  std::vector<CompetitionProblems> competitions;

  bool Empty() const { return competitions.empty(); }
  // Problems over all competitions.
  int ErrorCount() const;
  // The error dialog's heading: the plural form for two or more errors.
  int HeadingId() const;
  // Each competition's name followed by one line per problem.
  std::string Text() const;
  // Adds the node when `problems` is not 0.
  void Add(const CDBCompetition& node, uint32_t problems);
};

// The text numbers of the known problem bits, in the order the editors list them.
std::vector<int> ConsistencyMessages(uint32_t problems);

// Confirming the league composition: every league whose team list is short or holds reserve
// teams below the country's reserve level.
ConsistencyReport CheckLeagueComposition(const LeagueSystemOwner& country);

}  // namespace torvale
