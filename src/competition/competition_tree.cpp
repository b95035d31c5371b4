#include "competition/competition_tree.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "competition/competition_registry.h"
#include "competition/competition_texts.h"

namespace torvale {

namespace {

void CopyText(std::span<char> target, std::string_view text, size_t maxChars) {
  size_t n = std::min({text.size(), maxChars, target.size() - 1});
  std::fill(target.begin(), target.end(), '\0');
  std::memcpy(target.data(), text.data(), n);
}

int CountLinks(const std::array<CompetitionId, CDBCompetition::kMaxLinks>& list) {
  int n = 0;
  while (n < CDBCompetition::kMaxLinks && list[n] != 0) ++n;
  return n;
}

void AppendLink(std::array<CompetitionId, CDBCompetition::kMaxLinks>& list, CompetitionId id) {
  int n = CountLinks(list);
  if (n < CDBCompetition::kMaxLinks) list[n] = id;
}

void RemoveLink(std::array<CompetitionId, CDBCompetition::kMaxLinks>& list, CompetitionId id) {
  int n = CountLinks(list);
  for (int i = 0; i < n; ++i) {
    if (list[i] != id) continue;
    std::copy(list.begin() + i + 1, list.begin() + n, list.begin() + i);
    list[n - 1] = 0;
    return;
  }
}

}  // namespace

CDBCompetition::CDBCompetition(int nodeType) : nodeType_(nodeType) {
  SetName(kTextCompetition);
  SetShortName(kTextCompetition);
}

CDBCompetition::~CDBCompetition() = default;

void CDBCompetition::SetName(std::string_view name) { CopyText(name_, name, kNameSize - 1); }

void CDBCompetition::SetShortName(std::string_view name) {
  CopyText(shortName_, name, kShortNameChars);
}

int CDBCompetition::DayMatchday(int day) const {
  return day >= 0 && day < kDays ? days_[day] : 0;
}

void CDBCompetition::SetDayMatchday(int day, int matchday) {
  if (day >= 0 && day < kDays) days_[day] = matchday;
}

std::string CDBCompetition::MatchdayLabel(int matchday) const {
  return std::to_string(matchday);
}

uint32_t CDBCompetition::CheckConsistency(int limit) const {
  const CDBCompetition* next = GetSuccessorNode(0);
  return next ? next->CheckConsistency(limit) : 0;
}

int CDBCompetition::FindTeam(uint32_t) const { return 0; }

bool CDBCompetition::AllMatchdaysPlaced() const {
  int last = 0;
  for (int d = kDays - 2; d >= 0 && last == 0; --d) last = days_[static_cast<size_t>(d)];
  return last == MatchdayCount();
}

void CDBCompetition::SetMoney(std::span<const int32_t> values) {
  for (size_t i = 0; i < money_.size() && i < values.size(); ++i) money_[i] = values[i];
}

void CDBCompetition::SetMoneyValue(int i, int32_t value) {
  if (i >= 0 && i < kMoneyValues) money_[i] = value;
}

void CDBCompetition::GetMoney(std::span<int32_t> values) const {
  for (size_t i = 0; i < money_.size() && i < values.size(); ++i) values[i] = money_[i];
}

int32_t CDBCompetition::GetMoneyValue(int i) const {
  return i >= 0 && i < kMoneyValues ? money_[i] : 0;
}

// ---------------------------------------------------------------- links

void CDBCompetition::AddPredecessor(CompetitionId id, bool backLink) {
  AppendLink(predecessors_, id);
  if (!backLink) return;
  if (CDBCompetition* other = FindNode(id)) AppendLink(other->successors_, id_);
}

void CDBCompetition::AddSuccessor(CompetitionId id, bool backLink) {
  AppendLink(successors_, id);
  if (!backLink) return;
  if (CDBCompetition* other = FindNode(id)) AppendLink(other->predecessors_, id_);
}

void CDBCompetition::RemovePredecessor(CompetitionId id) { RemoveLink(predecessors_, id); }
void CDBCompetition::RemoveSuccessor(CompetitionId id) { RemoveLink(successors_, id); }
int CDBCompetition::PredecessorCount() const { return CountLinks(predecessors_); }
int CDBCompetition::SuccessorCount() const { return CountLinks(successors_); }

CompetitionId CDBCompetition::GetPredecessor(int i) const {
  return i >= 0 && i < kMaxLinks ? predecessors_[i] : 0;
}

CompetitionId CDBCompetition::GetSuccessor(int i) const {
  return i >= 0 && i < kMaxLinks ? successors_[i] : 0;
}

CDBCompetition* CDBCompetition::GetSuccessorNode(int i) const {
  CompetitionId id = GetSuccessor(i);
  return id != 0 ? FindNode(id) : nullptr;
}

CDBCompetition* CDBCompetition::GetPredecessorNode(int i) const {
  CompetitionId id = GetPredecessor(i);
  return id != 0 ? FindNode(id) : nullptr;
}

void CDBCompetition::ClearLinks() {
  predecessors_.fill(0);
  successors_.fill(0);
}

CDBCompetition* CDBCompetition::FindNode(CompetitionId id) const {
  return registry_ ? registry_->FindCompetition(id) : nullptr;
}

// ---------------------------------------------------------------- root

CDBRoot::CDBRoot(int country) : CDBCompetition(NodeType::DB_ROOT) {
  country_ = static_cast<uint8_t>(country);
  id_ = MakeCompetitionId(country, CompKind::ROOT, 0);
}

void CDBRoot::RefreshCupIds() {
  auto lookup = [this](int kind) {
    CompetitionId id = MakeCompetitionId(country_, kind, 0);
    return FindNode(id) ? id : 0;
  };
  superCup_ = lookup(CompKind::SUPERCUP);
  faCup_ = lookup(CompKind::FA_CUP);
  leCup_ = lookup(CompKind::LE_CUP);
  challengeShield_ = lookup(CompKind::CHALLENGE_SHIELD);
  conferenceCup_ = lookup(CompKind::CONFERENCE_CUP);
}

CompetitionId CDBRoot::CupId(int kind) const {
  switch (kind) {
    case CompKind::SUPERCUP: return superCup_;
    case CompKind::FA_CUP: return faCup_;
    case CompKind::LE_CUP: return leCup_;
    case CompKind::CHALLENGE_SHIELD: return challengeShield_;
    case CompKind::CONFERENCE_CUP: return conferenceCup_;
    default: return 0;
  }
}

}  // namespace torvale
