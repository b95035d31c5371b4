#pragma once
// League nodes: a round-robin league with its team list, size, rounds, relegation rule and
// fixture grid, and the split-phase league of the Scottish relegation rule.

#include <array>
#include <cstdint>

#include "competition/competition_tree.h"
#include "competition/fixture_list.h"

namespace torvale {

class CDBLeague : public CDBLeagueBase {
 public:
  static constexpr int kMaxTeams = 100;
  static constexpr int kDefaultTeams = 18;
  // Bit 24 of a club reference marks a reserve team.
  static constexpr uint32_t kReserveTeamBit = 0x01000000;

  CDBLeague();

  void ReadText(CKLFile& file) override;
  void WriteText(CKLFile& file, int countryOverride, const ClubIdMapper& clubs) const override;
  int FindTeam(uint32_t team) const override;
  // (E - 1) x rounds, E = number of teams rounded up to even (on 16 bits, as the game does).
  int MatchdayCount() const override;

  // 21. Refuses a reference with club number 0 and a full list; a team already listed counts
  // as added. 1 when the team is (now) in the list.
  virtual int AddTeam(uint32_t team);
  // 22. Removes the first occurrence; always 1.
  virtual int RemoveTeam(uint32_t team);

  int TeamCount() const { return teamCount_; }
  uint32_t GetTeam(int i) const;
  int NumberOfTeams() const { return numberOfTeams_; }
  // A new size replaces the fixture grid by an empty one; the team list is not cut.
  void SetNumberOfTeams(int n);
  int Rounds() const { return rounds_; }
  void SetRounds(int n) { rounds_ = n; }
  uint8_t RelegationRule() const { return relegationRule_; }
  void SetRelegationRule(uint8_t rule) { relegationRule_ = rule; }
  uint8_t TableRule() const { return tableRule_; }
  void SetTableRule(uint8_t rule) { tableRule_ = rule; }
  uint8_t SpectatorMultiplier() const { return spectatorMultiplier_; }
  void SetSpectatorMultiplier(uint8_t percent) { spectatorMultiplier_ = percent; }
  uint8_t TransferMultiplier() const { return transferMultiplier_; }
  void SetTransferMultiplier(uint8_t percent) { transferMultiplier_ = percent; }
  CDBFixturelist& Fixtures() { return fixtures_; }
  const CDBFixturelist& Fixtures() const { return fixtures_; }
  // An empty grid of MatchdayCount rows and number of teams / 2 columns.
  void ResetFixtures();

 protected:
  int32_t teamCount_ = 0;
  std::array<uint32_t, kMaxTeams> teams_{};
  int32_t numberOfTeams_ = kDefaultTeams;
  CDBFixturelist fixtures_;
  int32_t rounds_ = 2;
  uint8_t relegationRule_ = 0;
  uint8_t tableRule_ = 0;
  uint8_t spectatorMultiplier_ = 10;
  uint8_t transferMultiplier_ = 100;
};

// The split phase of the Scottish rule: a league of its own with 5 matchdays, written as
// "DB_LEAGUE" with kind SCOTT1.
class CDBRelScottland1 : public CDBLeague {
 public:
  int MatchdayCount() const override { return 5; }
};

}  // namespace torvale
