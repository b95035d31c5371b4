#include "competition/league.h"

#include <algorithm>

namespace torvale {

CDBLeague::CDBLeague() {
  roundType_ = RoundType::GROUP1;
  ResetFixtures();
}

int CDBLeague::MatchdayCount() const {
  // The game computes the even size on 16 bits. A league without teams (or with a size or
  // rounds read as negative) needs no matchdays rather than a negative number of them.
  int even = static_cast<uint16_t>(numberOfTeams_ + 1) & 0xFFFE;
  return std::max((even - 1) * rounds_, 0);
}

void CDBLeague::ResetFixtures() { fixtures_.Rebuild(MatchdayCount(), numberOfTeams_ / 2); }

void CDBLeague::SetNumberOfTeams(int n) {
  if (n == numberOfTeams_) return;
  numberOfTeams_ = n;
  ResetFixtures();
}

void CDBLeague::SetRounds(int n) {
  if (n == rounds_) return;
  rounds_ = n;
  fixtures_.Resize(MatchdayCount(), NumberOfTeams() / 2);
}

uint32_t CDBLeague::GetTeam(int i) const {
  return i >= 0 && i < teamCount_ ? teams_[static_cast<size_t>(i)] : 0;
}

int CDBLeague::FindTeam(uint32_t team) const {
  for (int i = 0; i < teamCount_; ++i)
    if (teams_[static_cast<size_t>(i)] == team) return i;
  return -1;
}

int CDBLeague::AddTeam(uint32_t team) { return InsertTeam(-1, team); }

int CDBLeague::InsertTeam(int position, uint32_t team) {
  // Club number 0 is no club.
  if ((team & 0xFFFF) == 0) return 0;
  if (FindTeam(team) >= 0) return 1;
  if (teamCount_ >= numberOfTeams_ || teamCount_ >= kMaxTeams) return 0;
  const int at = position < 0 ? teamCount_ : std::min(position, teamCount_);
  std::copy_backward(teams_.begin() + at, teams_.begin() + teamCount_,
                     teams_.begin() + teamCount_ + 1);
  teams_[static_cast<size_t>(at)] = team;
  ++teamCount_;
  return 1;
}

int CDBLeague::ReserveTeamCount() const {
  return static_cast<int>(std::count_if(teams_.begin(), teams_.begin() + teamCount_,
                                        [](uint32_t t) { return (t & kReserveTeamBit) != 0; }));
}

int CDBLeague::RemoveTeam(uint32_t team) {
  int at = FindTeam(team);
  if (at >= 0) {
    std::copy(teams_.begin() + at + 1, teams_.begin() + teamCount_, teams_.begin() + at);
    teams_[static_cast<size_t>(--teamCount_)] = 0;
  }
  return 1;
}

uint32_t CDBLeague::CheckConsistency(int reserveLimit) const {
  uint32_t problems = 0;
  if (!fixtures_.IsComplete()) problems |= ConsistencyBit::kFixturesIncomplete;
  if (!AllMatchdaysPlaced()) problems |= ConsistencyBit::kMatchdaysNotPlaced;
  if (teamCount_ != numberOfTeams_) return problems | ConsistencyBit::kTeamCountWrong;
  if (Country() > 0 && level_ < reserveLimit && ReserveTeamCount() > 0) {
    return problems | ConsistencyBit::kReserveTeamsNotAllowed;
  }
  return problems | SuccessorProblems(reserveLimit);
}

uint32_t CDBLeague::SuccessorProblems(int reserveLimit) const {
  const CDBCompetition* next = GetSuccessorNode(0);
  if (!next || checking_) return 0;
  checking_ = true;
  const uint32_t problems = next->CheckConsistency(reserveLimit);
  checking_ = false;
  return problems;
}

uint32_t CDBRelScottland1::CheckConsistency(int reserveLimit) const {
  return (AllMatchdaysPlaced() ? 0u : ConsistencyBit::kMatchdaysNotPlaced) |
         SuccessorProblems(reserveLimit);
}

void CDBLeague::CopyLeague(const CDBLeague& source) {
  name_ = source.name_;
  shortName_ = source.shortName_;
  numberOfTeams_ = source.numberOfTeams_;
  level_ = source.level_;
  relegationRule_ = source.relegationRule_;
  tableRule_ = source.tableRule_;
  rounds_ = source.rounds_;
  spectatorMultiplier_ = source.spectatorMultiplier_;
  transferMultiplier_ = source.transferMultiplier_;
  money_ = source.money_;
  predecessors_ = source.predecessors_;
  successors_ = source.successors_;
  ResetFixtures();
}

void CDBLeague::CopyLeagueWithFixtures(const CDBLeague& source) {
  CopyLeague(source);
  teamCount_ = source.teamCount_;
  teams_ = source.teams_;
  days_ = source.days_;
  fixtures_ = source.fixtures_;
}

}  // namespace torvale
