#include "competition/league_checks.h"

#include "competition/league.h"
#include "competition/league_system.h"
#include "competition/league_system_owner.h"
#include "platform/string_table.h"

namespace torvale {

std::vector<int> ConsistencyMessages(uint32_t problems) {
  static constexpr struct {
    uint32_t bit;
    int text;
  } kMessages[] = {
      {ConsistencyBit::kFixturesIncomplete, IDS_FIXTURES_INCOMPLETE},
      {ConsistencyBit::kMatchdaysNotPlaced, IDS_MATCHDAYS_NOT_PLACED},
      {ConsistencyBit::kTeamCountWrong, IDS_TOO_FEW_CLUBS},
      {ConsistencyBit::kReserveTeamsNotAllowed, IDS_RESERVE_TEAMS_NOT_ALLOWED},
  };
  std::vector<int> texts;
  for (const auto& m : kMessages) {
    if (problems & m.bit) texts.push_back(m.text);
  }
  return texts;
}

int ConsistencyReport::ErrorCount() const {
  int count = 0;
  for (const CompetitionProblems& c : competitions) count += static_cast<int>(c.messages.size());
  return count;
}

int ConsistencyReport::HeadingId() const {
  return ErrorCount() >= 2 ? IDS_ERRORS_HEADING : IDS_ONE_ERROR_HEADING;
}

std::string ConsistencyReport::Text() const {
  std::string text;
  for (const CompetitionProblems& c : competitions) {
    text += c.name;
    text += '\n';
    for (int id : c.messages) {
      text += LoadString(id);
      text += '\n';
    }
  }
  return text;
}

void ConsistencyReport::Add(const CDBCompetition& node, uint32_t problems) {
  if (problems != 0) competitions.push_back({node.Name(), ConsistencyMessages(problems)});
}

ConsistencyReport CheckLeagueComposition(const LeagueSystemOwner& country) {
  ConsistencyReport report;
  for (const CDBLeague* league : LeaguesInLevelOrder(country)) {
    const uint32_t problems = league->CheckConsistency(country.ReserveLevel()) &
                              (ConsistencyBit::kTeamCountWrong | ConsistencyBit::kReserveTeamsNotAllowed);
    report.Add(*league, problems);
  }
  return report;
}

}  // namespace torvale
