#pragma once
// League nodes: a round-robin league with its team list, size, rounds, relegation rule and
// fixture grid, and the split-phase league of the Scottish relegation rule.

#include <array>
#include <cstdint>

#include "competition/competition_tree.h"
#include "competition/fixture_list.h"

namespace torvale {

// Problem bits of CheckConsistency. Cups and rounds report the calendar bit too.
struct ConsistencyBit {
  enum : uint32_t {
    kFixturesIncomplete = 0x10000,     // a pairing of the fixture grid has an empty slot
    kMatchdaysNotPlaced = 0x20000,     // not every matchday has a day in the calendar
    kTeamCountWrong = 0x80000,         // the team list does not hold the league's size
    kReserveTeamsNotAllowed = 0x100000,  // reserve teams in a league below the reserve level
  };
};

class CDBLeague : public CDBLeagueBase {
 public:
  static constexpr int kMaxTeams = 100;
  static constexpr int kDefaultTeams = 18;
  // Bit 24 of a club reference marks a reserve team.
  static constexpr uint32_t kReserveTeamBit = 0x01000000;

  CDBLeague();

  void ReadText(CKLFile& file) override;
  void WriteText(CKLFile& file, int countryOverride, const ClubIdMapper& clubs) const override;
  void WriteMaster(CMasterWriter& writer, int countryOverride, const ClubIdMapper& clubs) const override;
  int FindTeam(uint32_t team) const override;
  // The league's own problems (ConsistencyBit). A league short of teams reports only that and
  // the fixture and calendar bits; one with forbidden reserve teams likewise; otherwise its
  // first successor's problems are added. `reserveLimit` is the country's reserve level:
  // reserve teams may play from that level down.
  uint32_t CheckConsistency(int reserveLimit) const override;
  // (E - 1) x rounds, E = number of teams rounded up to even (on 16 bits, as the game does).
  int MatchdayCount() const override;

  // 21. Refuses a reference with club number 0 and a full list; a team already listed counts
  // as added. 1 when the team is (now) in the list.
  virtual int AddTeam(uint32_t team);
  // 22. Removes the first occurrence; always 1.
  virtual int RemoveTeam(uint32_t team);
  // A negative position appends (AddTeam); otherwise the same checks, then the team goes to
  // min(position, team count) and the teams behind it move down.
  int InsertTeam(int position, uint32_t team);

  int TeamCount() const { return teamCount_; }
  uint32_t GetTeam(int i) const;
  // Number of listed teams that are a club's reserve team.
  int ReserveTeamCount() const;
  int NumberOfTeams() const { return numberOfTeams_; }
  // A new size replaces the fixture grid by an empty one; the team list is not cut.
  void SetNumberOfTeams(int n);
  int Rounds() const { return rounds_; }
  // Other rounds give the grid one row per matchday again; the remaining rows keep their pairings.
  void SetRounds(int n);
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

  // Carries a league into a rebuilt league system: the settings (names, size, level, rules,
  // rounds, multipliers, money) and the predecessor and successor lists. The fixture grid is
  // rebuilt empty for the copied size.
  void CopyLeague(const CDBLeague& source);
  // CopyLeague plus the teams, the day table and the fixture grid.
  void CopyLeagueWithFixtures(const CDBLeague& source);

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

  // What the first successor reports; 0 when the check comes round to this league again.
  uint32_t SuccessorProblems(int reserveLimit) const;

 private:
  // Set while the league's check runs: successor links from a damaged file may lead back to
  // the league, and the check must not follow them round for ever.
  mutable bool checking_ = false;
};

// The split phase of the Scottish rule: a league of its own with 5 matchdays, written as
// "DB_LEAGUE" with kind SCOTT1.
class CDBRelScottland1 : public CDBLeague {
 public:
  int MatchdayCount() const override { return 5; }
  // The split phase takes its teams and pairings from the league when the game splits it, so
  // only its calendar can be wrong: all 5 matchdays must have a day.
  uint32_t CheckConsistency(int reserveLimit) const override;
};

}  // namespace torvale
