#pragma once
// The nodes of the international cups: one CDBRound per round (with its own legs and match
// rules) and CDBPool nodes that gather teams from other competitions for a round.

#include <array>
#include <cstdint>

#include "competition/competition_tree.h"

namespace torvale {

class CDBRound final : public CDBCompetition {
 public:
  CDBRound() : CDBCompetition(NodeType::DB_ROUND) {}

  void ReadText(CKLFile& file) override;
  void WriteText(CKLFile& file, int countryOverride, const ClubIdMapper& clubs) const override;
  void WriteMaster(CMasterWriter& writer, int countryOverride, const ClubIdMapper& clubs) const override;
  uint32_t CheckConsistency(int limit) const override;
  int MatchdayCount() const override { return 2; }

  int32_t roundValue = 0;
  int32_t firstLegDay = 0;
  int32_t firstLegFlags = 0;
  int32_t secondLegDay = 0;
  int32_t secondLegFlags = 0;
};

class CDBPool final : public CDBCompetition {
 public:
  static constexpr int kMaxTeams = 120;
  static constexpr int kMaxChecked = 3;

  CDBPool() : CDBCompetition(NodeType::DB_POOL) {}

  void ReadText(CKLFile& file) override;
  void WriteText(CKLFile& file, int countryOverride, const ClubIdMapper& clubs) const override;
  void WriteMaster(CMasterWriter& writer, int countryOverride, const ClubIdMapper& clubs) const override;
  int FindTeam(uint32_t team) const override;
  int MatchdayCount() const override { return 0; }

  // Filled while the game runs; the editor keeps it empty.
  int32_t teamCount = 0;
  std::array<uint32_t, kMaxTeams> teams{};
  int32_t firstParameter = 0;
  int32_t secondParameter = 0;
  uint16_t sorting = 0;  // POOL_SORT_* value
  int32_t checkedCount = 0;
  std::array<CompetitionId, kMaxChecked> checked{};
};

}  // namespace torvale
