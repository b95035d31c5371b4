#pragma once
// A country for the league-system tests: the league-system fields a real country stores,
// over a registry of the test's own.

#include <array>
#include <cstdint>
#include <vector>

#include "competition/competition_registry.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "competition/league_system_owner.h"

namespace torvale::testing_support {

// A node's links as lists, to compare whole.
inline std::vector<CompetitionId> Successors(const CDBCompetition& node) {
  std::vector<CompetitionId> ids;
  for (int i = 0; i < node.SuccessorCount(); ++i) ids.push_back(node.GetSuccessor(i));
  return ids;
}

inline std::vector<CompetitionId> Predecessors(const CDBCompetition& node) {
  std::vector<CompetitionId> ids;
  for (int i = 0; i < node.PredecessorCount(); ++i) ids.push_back(node.GetPredecessor(i));
  return ids;
}

class TestCountry final : public LeagueSystemOwner {
 public:
  explicit TestCountry(CompetitionRegistry& registry, int number = 14)
      : registry_(registry), number_(number) {}

  int CountryNumber() const override { return number_; }
  CompetitionRegistry& Competitions() const override { return registry_; }
  int LeagueCount() const override { return leagueCount; }
  void SetLeagueCount(int count) override { leagueCount = count; }
  int FirstLeague(int level) const override { return first[static_cast<size_t>(level)]; }
  int EndLeague(int level) const override { return end[static_cast<size_t>(level)]; }
  void SetLevelLeagues(int level, int f, int e) override {
    first[static_cast<size_t>(level)] = f;
    end[static_cast<size_t>(level)] = e;
  }
  int LevelRelegationRule(int level) const override { return rules[static_cast<size_t>(level)]; }
  void SetLevelRelegationRule(int level, int rule) override { rules[static_cast<size_t>(level)] = rule; }
  int ReserveLevel() const override { return reserveLevel; }

  CDBLeague& League(int index) const {
    return *registry_.Find<CDBLeague>(LeagueId(number_, index));
  }
  // Club reference of club `number` of this country (bit 24 for its reserve team).
  uint32_t Club(int number, bool reserve = false) const {
    return (static_cast<uint32_t>(number_) << 16) | static_cast<uint32_t>(number) |
           (reserve ? CDBLeague::kReserveTeamBit : 0u);
  }
  // Fills a league with clubs firstClub, firstClub + 1, ... up to its size.
  void FillTeams(CDBLeague& league, int firstClub) const {
    for (int i = 0; league.TeamCount() < league.NumberOfTeams(); ++i) league.AddTeam(Club(firstClub + i));
  }

  int leagueCount = 0;
  std::array<int, 5> first{};
  std::array<int, 5> end{};
  std::array<int, 5> rules{};
  int reserveLevel = 0;

 private:
  CompetitionRegistry& registry_;
  int number_;
};

}  // namespace torvale::testing_support
