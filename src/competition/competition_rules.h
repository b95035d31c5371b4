#pragma once
// The team-selection rules of the structure files: which teams a competition takes from
// which others. The world keeps one growing list shared by all nodes; each node's rules are
// the run that starts at its rule start and ends with an END_OF_ENTRY entry. The editor only
// stores and copies them; the game interprets them.

#include <cstdint>
#include <vector>

#include "competition/competition_id.h"

namespace torvale {

struct TeamSelectionRule {
  int32_t keyword = 0;  // SelectRule value
  CompetitionId id = 0;
  int32_t a = 0;
  int32_t b = 0;
  int32_t c = 0;
  friend bool operator==(const TeamSelectionRule&, const TeamSelectionRule&) = default;
};

class TeamSelectionRuleList {
 public:
  // The list grows in steps of this many entries.
  static constexpr size_t kGrowth = 32;

  // Appends and returns the entry's index.
  int32_t Append(const TeamSelectionRule& rule);
  int32_t Size() const { return static_cast<int32_t>(entries_.size()); }
  // The entry at `index`; an END_OF_ENTRY entry for indexes outside the list.
  TeamSelectionRule At(int32_t index) const;
  // The run starting at `start` without its END_OF_ENTRY entry (empty for a bad start).
  std::vector<TeamSelectionRule> Run(int32_t start) const;
  void Clear() { entries_.clear(); }

 private:
  std::vector<TeamSelectionRule> entries_;
};

}  // namespace torvale
