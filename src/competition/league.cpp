#include "competition/league.h"

#include <algorithm>

namespace torvale {

CDBLeague::CDBLeague() {
  roundType_ = RoundType::GROUP1;
  ResetFixtures();
}

int CDBLeague::MatchdayCount() const {
  // The game computes the even size on 16 bits.
  int even = static_cast<uint16_t>(numberOfTeams_ + 1) & 0xFFFE;
  return (even - 1) * rounds_;
}

void CDBLeague::ResetFixtures() { fixtures_.Rebuild(MatchdayCount(), numberOfTeams_ / 2); }

void CDBLeague::SetNumberOfTeams(int n) {
  if (n == numberOfTeams_) return;
  numberOfTeams_ = n;
  ResetFixtures();
}

uint32_t CDBLeague::GetTeam(int i) const {
  return i >= 0 && i < teamCount_ ? teams_[static_cast<size_t>(i)] : 0;
}

int CDBLeague::FindTeam(uint32_t team) const {
  for (int i = 0; i < teamCount_; ++i)
    if (teams_[static_cast<size_t>(i)] == team) return i;
  return -1;
}

int CDBLeague::AddTeam(uint32_t team) {
  if ((team & 0xFFFF) == 0) return 0;
  if (FindTeam(team) >= 0) return 1;
  if (teamCount_ >= numberOfTeams_ || teamCount_ >= kMaxTeams) return 0;
  teams_[static_cast<size_t>(teamCount_++)] = team;
  return 1;
}

int CDBLeague::RemoveTeam(uint32_t team) {
  int at = FindTeam(team);
  if (at >= 0) {
    std::copy(teams_.begin() + at + 1, teams_.begin() + teamCount_, teams_.begin() + at);
    teams_[static_cast<size_t>(--teamCount_)] = 0;
  }
  return 1;
}

}  // namespace torvale
