#include "competition/competition_round.h"

namespace torvale {

uint32_t CDBRound::CheckConsistency(int limit) const {
  return (AllMatchdaysPlaced() ? 0u : 0x20000u) | CDBCompetition::CheckConsistency(limit);
}

int CDBPool::FindTeam(uint32_t team) const {
  for (int i = 0; i < teamCount && i < kMaxTeams; ++i)
    if (teams[static_cast<size_t>(i)] == team) return i;
  return -1;
}

}  // namespace torvale
