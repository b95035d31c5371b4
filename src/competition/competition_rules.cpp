#include "competition/competition_rules.h"

#include "competition/competition_keywords.h"

namespace torvale {

int32_t TeamSelectionRuleList::Append(const TeamSelectionRule& rule) {
  if (entries_.size() == entries_.capacity()) entries_.reserve(entries_.size() + kGrowth);
  entries_.push_back(rule);
  return Size() - 1;
}

TeamSelectionRule TeamSelectionRuleList::At(int32_t index) const {
  if (index < 0 || index >= Size()) return {};
  return entries_[static_cast<size_t>(index)];
}

std::vector<TeamSelectionRule> TeamSelectionRuleList::Run(int32_t start) const {
  std::vector<TeamSelectionRule> run;
  for (int32_t i = start; i >= 0 && i < Size(); ++i) {
    if (entries_[static_cast<size_t>(i)].keyword == SelectRule::END_OF_ENTRY) break;
    run.push_back(entries_[static_cast<size_t>(i)]);
  }
  return run;
}

}  // namespace torvale
