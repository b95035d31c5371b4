#pragma once
// The cup allocation table: the reusable knock-out formats of "CupAlloc.txt". Each entry
// lists its rounds (how each round is played) and the team-selection rules of the format.
// The table is process-wide (created once by the application, passed to the worlds), so it
// keeps its rules in a list of its own; a cup copies them into its world's list when read.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "competition/competition_rules.h"

namespace torvale {

class CKLFile;

struct CupRoundRule {
  std::array<int32_t, 6> f{};  // f[1] of the first round is the format's round count
  int32_t flags = 0;           // BEG_* set
  int32_t roundType = -1;      // ROUND_* value
  friend bool operator==(const CupRoundRule&, const CupRoundRule&) = default;

  // Two-leg and replay rounds take two matchdays.
  int MatchdayCount() const;
};

struct CupAllocation {
  static constexpr int kMaxRounds = 8;
  bool loaded = false;
  std::array<CupRoundRule, kMaxRounds> rounds{};
  int32_t ruleStart = -1;  // index into the table's own rule list

  // The round count from the first round rule, 0 ... 8 (0 for an empty entry).
  int RoundCount() const;
  int MatchdayCount() const;
};

class CupAllocationTable {
 public:
  // Reads "<scriptFolder>/CupAlloc.txt"; false (and an empty table) when it cannot be opened.
  bool LoadCupAllocations(std::string_view scriptFolder);
  // Reads an opened stream.
  void LoadCupAllocations(CKLFile& file);
  // Called when the database is closed.
  void FreeCupAllocations();

  // The entry for an allocation number (by its low 8 bits); null for 0, numbers beyond the
  // count and entries the file did not have.
  const CupAllocation* GetCupAllocation(int32_t allocationNumber) const;
  int Count() const { return static_cast<int>(entries_.size()) - 1; }
  const TeamSelectionRuleList& Rules() const { return rules_; }

 private:
  std::vector<CupAllocation> entries_;  // entry 0 is never filled
  TeamSelectionRuleList rules_;
};

// Parses one round line: from its first '{', f0 ... f5, the round type name, then the BEG_*
// names of the rest of the line.
CupRoundRule ParseCupRoundLine(std::string_view line);

}  // namespace torvale
