#include "competition/cup.h"

#include "competition/competition_registry.h"
#include "competition/competition_texts.h"
#include "competition/cup_allocation.h"
#include "competition/league.h"
#include "storage/record_stream.h"

namespace torvale {

CDBCup::CDBCup() : CDBCompetition(NodeType::DB_CUP) {}

const CupAllocation* CDBCup::Allocation() const {
  const CompetitionRegistry* registry = Registry();
  const CupAllocationTable* table = registry ? registry->CupAllocations() : nullptr;
  return table ? table->GetCupAllocation(allocation_) : nullptr;
}

int CDBCup::RoundCount() const {
  const CupAllocation* allocation = Allocation();
  return allocation ? allocation->RoundCount() : 0;
}

int CDBCup::MatchdayCount() const {
  const CupAllocation* allocation = Allocation();
  return allocation ? allocation->MatchdayCount() : 0;
}

std::string CDBCup::MatchdayLabel(int matchday) const {
  if (const CupAllocation* allocation = Allocation()) {
    int last = 0;
    for (int r = 0; r < allocation->RoundCount(); ++r) {
      const CupRoundRule& round = allocation->rounds[static_cast<size_t>(r)];
      last += round.MatchdayCount();
      if (matchday > last - round.MatchdayCount() && matchday <= last) {
        std::string_view label = RoundTypeLabel(round.roundType);
        if (!label.empty()) return std::string(label);
        break;
      }
    }
  }
  return CDBCompetition::MatchdayLabel(matchday);
}

uint32_t CDBCup::CheckConsistency(int limit) const {
  uint32_t own = AllMatchdaysPlaced() ? 0u : ConsistencyBit::kMatchdaysNotPlaced;
  return own | CDBCompetition::CheckConsistency(limit);
}

void CDBCup::SetMoney(std::span<const int32_t> values) {
  for (size_t k = 0; k < values.size() && k < kMoneyValues * kRoundSlots; ++k)
    roundMoney_[k / kRoundSlots][k % kRoundSlots] = values[k];
}

void CDBCup::GetMoney(std::span<int32_t> values) const {
  for (size_t k = 0; k < values.size() && k < kMoneyValues * kRoundSlots; ++k)
    values[k] = roundMoney_[k / kRoundSlots][k % kRoundSlots];
}

void CDBCup::SetRoundMoney(int i, int round, int32_t value) {
  if (i >= 0 && i < kMoneyValues && round >= 0 && round < kRoundSlots)
    roundMoney_[static_cast<size_t>(i)][static_cast<size_t>(round)] = value;
}

int32_t CDBCup::GetRoundMoney(int i, int round) const {
  if (i < 0 || i >= kMoneyValues || round < 0 || round >= kRoundSlots) return 0;
  return roundMoney_[static_cast<size_t>(i)][static_cast<size_t>(round)];
}

int32_t CDBCup::ParentLevel() const {
  const CDBCompetition* parent = GetPredecessorNode(0);
  return parent && parent->NodeTypeValue() == NodeType::DB_LEAGUE ? parent->Level() : 0;
}

void CDBCup::WriteExtraText(CKLFile&) const {}
void CDBCup::ReadExtraText(CKLFile&) {}

void CDBCup::InstantiateRules() {
  CompetitionRegistry* registry = Registry();
  if (!registry) return;
  TeamSelectionRuleList& target = registry->Rules();
  std::vector<TeamSelectionRule> run;
  const CupAllocation* allocation = Allocation();
  if (allocation && registry->CupAllocations())
    run = registry->CupAllocations()->Rules().Run(allocation->ruleStart);
  int32_t start = -1;
  for (TeamSelectionRule rule : run) {
    if (rule.keyword != SelectRule::UNKNOWN) rule.id = WithCountry(rule.id, Country());
    // Allocations name league levels relative to the cup: -1 is the cup's own level, -2 the
    // level below it.
    if (rule.keyword == SelectRule::GET_TAB_LEVEL_X_TO_Y ||
        rule.keyword == SelectRule::GET_TAB_LEVEL_START_X_TO_Y ||
        rule.keyword == SelectRule::GET_TAB_LEVEL_INDOOR) {
      if (rule.a == -1) rule.a = level_;
      else if (rule.a == -2) rule.a = level_ + 1;
    }
    int32_t index = target.Append(rule);
    if (start < 0) start = index;
  }
  int32_t end = target.Append(TeamSelectionRule{});
  ruleStart_ = start < 0 ? end : start;
}

void CDBRelSwitzerland::WriteExtraText(CKLFile& file) const { file.WriteInt(level_); }
void CDBRelSwitzerland::ReadExtraText(CKLFile& file) { file.ReadInt(level_); }

}  // namespace torvale
