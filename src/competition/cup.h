#pragma once
// Cup nodes: knock-out competitions that follow a cup allocation (the format read from
// "CupAlloc.txt") and add their own matchday days and prize money per round. The English
// play-off variants behave exactly as a cup; the Swiss play-off also stores its tier level.

#include <array>
#include <cstdint>

#include "competition/competition_tree.h"

namespace torvale {

struct CupAllocation;

class CDBCup : public CDBCompetition {
 public:
  static constexpr int kRoundSlots = 8;
  // Allocation numbers carry the table entry in their low 8 bits; the bits above are flags
  // stored with the number (65536: the league cup is open to all leagues).
  static constexpr int32_t kEntryMask = 0xFF;

  CDBCup();

  void ReadText(CKLFile& file) override;
  void WriteText(CKLFile& file, int countryOverride, const ClubIdMapper& clubs) const override;
  void WriteMaster(CMasterWriter& writer, int countryOverride, const ClubIdMapper& clubs) const override;
  std::string MatchdayLabel(int matchday) const override;
  uint32_t CheckConsistency(int limit) const override;
  // Sum over the allocation's rounds: 2 for a two-leg or replay round, else 1.
  int MatchdayCount() const override;
  // 32 values: money value i of round slot r at [i * 8 + r].
  void SetMoney(std::span<const int32_t> values) override;
  void GetMoney(std::span<int32_t> values) const override;

  // 21. The level of the first predecessor when that is a league, else 0.
  virtual int32_t ParentLevel() const;
  // 22, 23. Extra lines of the variant's record; only the Swiss play-off has one.
  virtual void WriteExtraText(CKLFile& file) const;
  virtual void ReadExtraText(CKLFile& file);
  // 24, 25. Money value i (0-3) of round slot r (0-7); a cup of n rounds uses slots 8-n ... 7.
  void SetRoundMoney(int i, int round, int32_t value);
  int32_t GetRoundMoney(int i, int round) const;

  int32_t GetAllocation() const { return allocation_; }
  void SetAllocation(int32_t allocation) { allocation_ = allocation; }
  // The allocation this cup follows, null when the table has no such entry.
  const CupAllocation* Allocation() const;
  // Number of rounds of the allocation (0 for an empty or missing entry).
  int RoundCount() const;
  // Copies the allocation's rules into the world's list for this cup's country and level.
  void InstantiateRules();

 protected:
  int32_t allocation_ = 0;
  std::array<std::array<int32_t, kRoundSlots>, kMoneyValues> roundMoney_{};
};

class CDBRelEngland1 final : public CDBCup {};
class CDBRelEngland2 final : public CDBCup {};
class CDBRelEngland3 final : public CDBCup {};

class CDBRelSwitzerland final : public CDBCup {
 public:
  void WriteExtraText(CKLFile& file) const override;
  void ReadExtraText(CKLFile& file) override;
  // The Swiss play-off keeps the level of its record.
  int32_t ParentLevel() const override { return level_; }
};

}  // namespace torvale
