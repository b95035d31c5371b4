// Master records of the competition nodes: the binary form the game reads from the master
// file. Little-endian; texts end with a zero byte; the node's own id is written as stored,
// linked ids with the country override applied, club references under the saved numbering.
// The fixed-size parts (days, fixture grid, round money) follow the node's matchday count so
// that a reader can walk the record from its own fields.

#include <algorithm>

#include "competition/competition_round.h"
#include "competition/competition_tree.h"
#include "competition/cup.h"
#include "competition/league.h"
#include "master/master_writer.h"
#include "world/club_id_mapper.h"

namespace torvale {

namespace {

constexpr uint16_t kMasterLeague = 1;
constexpr uint16_t kMasterCup = 3;
constexpr uint16_t kMasterRound = 4;
constexpr uint16_t kMasterPool = 5;

CompetitionId Overridden(CompetitionId id, int countryOverride) {
  return countryOverride == -1 || id == 0 ? id : WithCountry(id, countryOverride);
}

}  // namespace

void CDBCompetition::WriteMasterTail(CMasterWriter& writer, int countryOverride) const {
  writer.WriteI32(level_);
  const int predecessors = PredecessorCount();
  writer.WriteI32(predecessors);
  for (int i = 0; i < predecessors; ++i) writer.WriteU32(Overridden(GetPredecessor(i), countryOverride));
  const int successors = SuccessorCount();
  writer.WriteI32(successors);
  for (int i = 0; i < successors; ++i) writer.WriteU32(Overridden(GetSuccessor(i), countryOverride));
}

void CDBCompetition::WriteMasterDays(CMasterWriter& writer, int lastDay) const {
  // The game reads exactly MatchdayCount days; a day table with more marks than that (only a
  // damaged file can give one) must not shift the rest of the record.
  const int count = std::max(0, MatchdayCount());
  int written = 0;
  for (int d = 0; d <= lastDay && d < kDays && written < count; ++d) {
    if (days_[static_cast<size_t>(d)] == 0) continue;
    writer.WriteU16(static_cast<uint16_t>(d));
    ++written;
  }
  for (; written < count; ++written) writer.WriteU16(0);
}

void CDBCompetition::WriteMaster(CMasterWriter& writer, int countryOverride, const ClubIdMapper&) const {
  writer.WriteU32(id_);
  writer.WriteU16(static_cast<uint16_t>(nodeType_));
  WriteMasterTail(writer, countryOverride);
}

void CDBLeague::WriteMaster(CMasterWriter& writer, int countryOverride, const ClubIdMapper& clubs) const {
  writer.WriteU32(id_);
  writer.WriteU16(kMasterLeague);
  writer.WriteString(Name());
  writer.WriteI32(numberOfTeams_);
  writer.WriteI32(level_);
  writer.WriteU8(relegationRule_);
  writer.WriteU8(tableRule_);
  writer.WriteI32(rounds_);
  writer.WriteF32(static_cast<float>(spectatorMultiplier_) / 100.0f);
  writer.WriteF32(static_cast<float>(transferMultiplier_) / 100.0f);
  writer.WriteI32(teamCount_);
  for (int i = 0; i < teamCount_; ++i) writer.WriteU32(clubs.SavedClubId(teams_[static_cast<size_t>(i)]));
  WriteMasterDays(writer, kLastLeagueDay);
  // One row per matchday and a pairing per two teams, whatever size the grid has caught up
  // with, as in the text record.
  for (int row = 0; row < MatchdayCount(); ++row)
    for (int column = 0; column < numberOfTeams_ / 2; ++column) {
      const CDBFixturelist::Pair pair = fixtures_.GetPair(row, column);
      writer.WriteU8(pair.home);
      writer.WriteU8(pair.away);
    }
  for (int32_t value : money_) writer.WriteI32(value);
  WriteMasterTail(writer, countryOverride);
}

void CDBCup::WriteMaster(CMasterWriter& writer, int countryOverride, const ClubIdMapper&) const {
  writer.WriteU32(id_);
  writer.WriteU16(kMasterCup);
  writer.WriteString(Name());
  writer.WriteI32(allocation_);
  WriteMasterDays(writer, kLastCupDay);
  for (int r = kRoundSlots - RoundCount(); r < kRoundSlots; ++r)
    for (int i = 0; i < kMoneyValues; ++i) writer.WriteI32(GetRoundMoney(i, r));
  WriteMasterTail(writer, countryOverride);
}

void CDBRound::WriteMaster(CMasterWriter& writer, int countryOverride, const ClubIdMapper&) const {
  writer.WriteU32(id_);
  writer.WriteU16(kMasterRound);
  writer.WriteString(Name());
  writer.WriteI32(roundValue);
  const int first = std::clamp(firstLegDay, 0, kDays - 1);
  int second = 0;
  for (int d = first + 1; d < kDays; ++d)
    if (DayMatchday(d) != 0) {
      second = d;
      break;
    }
  writer.WriteU16(static_cast<uint16_t>(first));
  writer.WriteI32(firstLegFlags);
  writer.WriteU16(static_cast<uint16_t>(second));
  writer.WriteI32(secondLegFlags);
  for (int32_t value : money_) writer.WriteI32(value);
  WriteMasterTail(writer, countryOverride);
}

void CDBPool::WriteMaster(CMasterWriter& writer, int countryOverride, const ClubIdMapper&) const {
  writer.WriteU32(id_);
  writer.WriteU16(kMasterPool);
  writer.WriteI32(firstParameter);
  writer.WriteI32(secondParameter);
  writer.WriteU16(sorting);
  const int count = std::clamp(checkedCount, 0, kMaxChecked);
  writer.WriteI32(count);
  for (int i = 0; i < kMaxChecked; ++i)
    writer.WriteU32(i < count ? Overridden(checked[static_cast<size_t>(i)], countryOverride) : 0);
  WriteMasterTail(writer, countryOverride);
}

}  // namespace torvale
