#include "competition/competition_round.h"

#include "competition/league.h"

namespace torvale {

uint32_t CDBRound::CheckConsistency(int limit) const {
  uint32_t own = AllMatchdaysPlaced() ? 0u : ConsistencyBit::kMatchdaysNotPlaced;
  return own | CDBCompetition::CheckConsistency(limit);
}

int CDBPool::FindTeam(uint32_t team) const {
  for (int i = 0; i < teamCount && i < kMaxTeams; ++i)
    if (teams[static_cast<size_t>(i)] == team) return i;
  return -1;
}

}  // namespace torvale
