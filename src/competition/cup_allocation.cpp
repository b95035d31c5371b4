#include "competition/cup_allocation.h"

#include <algorithm>
#include <string>

#include "competition/competition_keywords.h"
#include "competition/competition_records.h"
#include "platform/path.h"
#include "storage/record_stream.h"

namespace torvale {

namespace {

// The game keeps round lines in 128-byte buffers.
constexpr size_t kRoundLineChars = 127;
// Allocation numbers select entries by their low 8 bits.
constexpr int32_t kMaxEntries = 255;

}  // namespace

int CupRoundRule::MatchdayCount() const {
  return (flags & (MatchRule::SECOND_LEG | MatchRule::WITH_REPLAY)) != 0 ? 2 : 1;
}

int CupAllocation::RoundCount() const {
  if (!loaded) return 0;
  return std::clamp(rounds[0].f[1], 0, kMaxRounds);
}

int CupAllocation::MatchdayCount() const {
  int count = 0;
  for (int r = 0; r < RoundCount(); ++r) count += rounds[static_cast<size_t>(r)].MatchdayCount();
  return count;
}

CupRoundRule ParseCupRoundLine(std::string_view line) {
  CupRoundRule rule;
  size_t open = line.find('{');
  if (open == std::string_view::npos) return rule;
  std::string_view rest = line.substr(open + 1);
  // f0 follows the brace, every further field a comma.
  for (size_t i = 0; i < rule.f.size(); ++i) {
    if (i > 0) {
      size_t comma = rest.find(',');
      if (comma == std::string_view::npos) return rule;
      rest.remove_prefix(comma + 1);
    }
    rule.f[i] = CKLFile::ParseInt(rest);
  }
  size_t comma = rest.find(',');
  if (comma == std::string_view::npos) return rule;
  rest.remove_prefix(comma + 1);
  rule.roundType = FindKeyword(kRoundTypeNames, rest, -1);
  comma = rest.find(',');
  if (comma != std::string_view::npos) rule.flags = ParseMatchRules(rest.substr(comma + 1));
  return rule;
}

bool CupAllocationTable::LoadCupAllocations(std::string_view scriptFolder) {
  FreeCupAllocations();
  CKLFile file;
  if (!file.OpenRead(JoinPath(scriptFolder, "CupAlloc.txt"), "r")) return false;
  LoadCupAllocations(file);
  file.Close();
  return true;
}

void CupAllocationTable::LoadCupAllocations(CKLFile& file) {
  FreeCupAllocations();
  int32_t count = 0;
  file.ReadInt(count);
  count = std::clamp(count, 0, kMaxEntries);
  entries_.resize(static_cast<size_t>(count) + 1);
  for (int32_t n = 1; n <= count; ++n) {
    std::string section = "CUP" + std::to_string(n);
    if (!file.FindSection(section)) continue;
    CupAllocation& entry = entries_[static_cast<size_t>(n)];
    entry.loaded = true;
    int32_t lines = 0;
    file.ReadInt(lines);
    for (int32_t r = 0; r < lines; ++r) {
      std::string line;
      if (!file.ReadString(line)) break;
      if (line.size() > kRoundLineChars) line.resize(kRoundLineChars);
      if (r < CupAllocation::kMaxRounds) entry.rounds[static_cast<size_t>(r)] = ParseCupRoundLine(line);
    }
    entry.ruleStart = ReadRuleList(file, rules_);
    file.FindSectionEnd(section);
  }
}

void CupAllocationTable::FreeCupAllocations() {
  entries_.clear();
  rules_.Clear();
}

const CupAllocation* CupAllocationTable::GetCupAllocation(int32_t allocationNumber) const {
  size_t n = static_cast<size_t>(allocationNumber & 0xFF);
  if (n == 0 || n >= entries_.size() || !entries_[n].loaded) return nullptr;
  return &entries_[n];
}

}  // namespace torvale
