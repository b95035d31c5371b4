#include "competition/league_system.h"

#include <algorithm>
#include <map>
#include <memory>

#include "competition/competition_registry.h"
#include "competition/competition_texts.h"
#include "competition/cup.h"
#include "competition/cup_national.h"
#include "competition/fixture_templates.h"
#include "competition/league.h"
#include "competition/league_system_owner.h"
#include "competition/relegation_rules.h"

namespace torvale {

namespace {

// Cup allocations of the play-offs the rules create.
constexpr int32_t kAllocationEngland1 = 11;
constexpr int32_t kAllocationEngland2 = 12;
constexpr int32_t kAllocationEngland3 = 20;
constexpr int32_t kAllocationSwitzerland = 19;

// Running index per kind of the extra competitions built in one pass.
class NextIndex {
 public:
  int operator()(int kind) { return counters_[kind]++; }

 private:
  std::map<int, int> counters_;
};

// Files a new node under `id`, first deleting (and unlinking) whatever is filed there.
template <typename Node>
Node& FileNew(CompetitionRegistry& registry, std::unique_ptr<Node> node, CompetitionId id,
              CompetitionId owner, int level) {
  registry.DeleteCompetition(id);
  node->SetId(id);
  node->SetOwner(owner);
  node->SetLevel(level);
  node->SetName(kTextRelegation);
  node->SetShortName(kTextRelegation);
  return static_cast<Node&>(*registry.RegisterCompetition(std::move(node)));
}

CDBCup& FilePlayoffCup(CompetitionRegistry& registry, std::unique_ptr<CDBCup> cup,
                       CompetitionId id, CompetitionId owner, int32_t allocation, int level) {
  cup->SetAllocation(allocation);
  CDBCup& filed = FileNew(registry, std::move(cup), id, owner, level);
  filed.InstantiateRules();
  return filed;
}

struct EnglishPlayoff {
  int kind;
  int32_t allocation;
};

EnglishPlayoff EnglishPlayoffOf(int rule) {
  switch (rule) {
    case REL_RULE_ENGLAND1: return {CompKind::REL1, kAllocationEngland1};
    case REL_RULE_ENGLAND2: return {CompKind::REL2, kAllocationEngland2};
    default: return {CompKind::REL3, kAllocationEngland3};
  }
}

std::unique_ptr<CDBCup> NewEnglishCup(int rule) {
  switch (rule) {
    case REL_RULE_ENGLAND1: return std::make_unique<CDBRelEngland1>();
    case REL_RULE_ENGLAND2: return std::make_unique<CDBRelEngland2>();
    default: return std::make_unique<CDBRelEngland3>();
  }
}

bool HasLink(CompetitionId (CDBCompetition::*get)(int) const, const CDBCompetition& node,
             CompetitionId id) {
  for (int i = 0; i < CDBCompetition::kMaxLinks; ++i) {
    if ((node.*get)(i) == id) return true;
  }
  return false;
}

// Unchanged rules: the play-offs stay as they are and are only tied to the league that now
// plays them (which may have a new id after a rebuild).
void RelinkEnglishPlayoffs(LeagueSystemOwner& country, const LevelRules& rules) {
  CompetitionRegistry& registry = country.Competitions();
  NextIndex next;
  for (int k = 0; k < kLeagueLevels; ++k) {
    if (!IsEnglishRelegationRule(rules[static_cast<size_t>(k)])) continue;
    const std::vector<CDBLeague*> below = LeaguesOfLevel(country, k + 1);
    if (below.size() != 1) continue;
    const int kind = EnglishPlayoffOf(rules[static_cast<size_t>(k)]).kind;
    auto* cup = registry.Find<CDBCup>(MakeCompetitionId(country.CountryNumber(), kind, next(kind)));
    if (!cup) continue;
    // Adding only what is missing keeps repeated rebuilds from filling the lists with copies.
    if (!HasLink(&CDBCompetition::GetPredecessor, *cup, below[0]->Id())) {
      cup->AddPredecessor(below[0]->Id(), false);
    }
    if (!HasLink(&CDBCompetition::GetSuccessor, *below[0], cup->Id())) {
      below[0]->AddSuccessor(cup->Id(), false);
    }
    cup->SetLevel(k + 1);
    // As when the play-off was built: the league that plays it carries the rule.
    below[0]->SetRelegationRule(static_cast<uint8_t>(rules[static_cast<size_t>(k)]));
  }
}

// Deletes every extra competition the leagues feed, so that the new rules start clean.
void RemoveRelegationCompetitions(LeagueSystemOwner& country) {
  CompetitionRegistry& registry = country.Competitions();
  for (CDBLeague* league : LeaguesInLevelOrder(country)) {
    // All of them, not only the first: a league may feed two (the play-off of the boundary
    // above it and that of the boundary below), and one left behind would keep feeding on it.
    std::vector<CompetitionId> doomed;
    for (int i = 0; i < league->SuccessorCount(); ++i) {
      const CompetitionId id = league->GetSuccessor(i);
      if (IsRelegationKind(CompetitionKindOf(id))) doomed.push_back(id);
    }
    for (CompetitionId id : doomed) {
      league->RemoveSuccessor(id);
      registry.DeleteCompetition(id);
    }
    if (IsEnglishRelegationRule(league->RelegationRule())) league->SetRelegationRule(REL_RULE_0);
  }
}

// A rule that needs exactly one league on `level`: true when it can be built. Otherwise the
// rule falls back to 0, and with several leagues there every one of them loses its rule.
bool SingleLeagueOrFallBack(const std::vector<CDBLeague*>& leagues, int& rule) {
  if (leagues.size() == 1) return true;
  rule = REL_RULE_0;
  for (CDBLeague* league : leagues) league->SetRelegationRule(REL_RULE_0);
  return false;
}

void BuildForBoundary(LeagueSystemOwner& country, int k, int& rule, NextIndex& next) {
  CompetitionRegistry& registry = country.Competitions();
  const int nation = country.CountryNumber();
  const CompetitionId root = MakeCompetitionId(nation, CompKind::ROOT, 0);

  if (IsEnglishRelegationRule(rule)) {
    // The play-off is played by the league below the boundary.
    const std::vector<CDBLeague*> below = LeaguesOfLevel(country, k + 1);
    if (!SingleLeagueOrFallBack(below, rule)) return;
    const EnglishPlayoff playoff = EnglishPlayoffOf(rule);
    CDBCup& cup = FilePlayoffCup(registry, NewEnglishCup(rule),
                                 MakeCompetitionId(nation, playoff.kind, next(playoff.kind)),
                                 root, playoff.allocation, k + 1);
    below[0]->AddSuccessor(cup.Id(), true);
    below[0]->SetRelegationRule(static_cast<uint8_t>(rule));
  } else if (rule == REL_RULE_SCOTLAND) {
    // The split phase belongs to the league itself.
    const std::vector<CDBLeague*> level = LeaguesOfLevel(country, k);
    if (!SingleLeagueOrFallBack(level, rule)) return;
    CDBRelScottland1& split = FileNew(
        registry, std::make_unique<CDBRelScottland1>(),
        MakeCompetitionId(nation, CompKind::SCOTT1, next(CompKind::SCOTT1)), root, k);
    level[0]->AddSuccessor(split.Id(), true);
  } else if (rule == REL_RULE_SWITZERLAND) {
    const std::vector<CDBLeague*> upper = LeaguesOfLevel(country, k);
    const std::vector<CDBLeague*> lower = LeaguesOfLevel(country, k + 1);
    if (upper.empty() || lower.empty()) {
      rule = REL_RULE_0;
      return;
    }
    // Several leagues on either side: no play-off is built, but the rule stays chosen.
    if (upper.size() > 1 || lower.size() > 1) return;
    CDBCup& playoff = FilePlayoffCup(
        registry, std::make_unique<CDBRelSwitzerland>(),
        MakeCompetitionId(nation, CompKind::SWITZERLAND, next(CompKind::SWITZERLAND)), root,
        kAllocationSwitzerland, k);
    upper[0]->AddSuccessor(playoff.Id(), true);
    lower[0]->AddSuccessor(playoff.Id(), true);
    upper[0]->SetRelegationRule(REL_RULE_SWITZERLAND);
  }
}

// After a rebuild the leagues may have new ids: every link of the country's competitions that
// named an old league names its successor league now, or is dropped when that league is gone.
void FollowRenamedLeagues(CompetitionRegistry& registry, int country,
                          const std::map<CompetitionId, CompetitionId>& renamed) {
  auto mapped = [&renamed](CompetitionId id) {
    auto it = renamed.find(id);
    return it == renamed.end() ? id : it->second;
  };
  registry.ForEach([&](CDBCompetition& node) {
    if (node.Country() != country) return;
    std::vector<CompetitionId> predecessors;
    std::vector<CompetitionId> successors;
    bool changed = false;
    for (int i = 0; i < node.PredecessorCount(); ++i) {
      const CompetitionId id = node.GetPredecessor(i);
      changed |= mapped(id) != id;
      if (mapped(id) != 0) predecessors.push_back(mapped(id));
    }
    for (int i = 0; i < node.SuccessorCount(); ++i) {
      const CompetitionId id = node.GetSuccessor(i);
      changed |= mapped(id) != id;
      if (mapped(id) != 0) successors.push_back(mapped(id));
    }
    if (!changed) return;
    node.ClearLinks();
    for (CompetitionId id : predecessors) node.AddPredecessor(id, false);
    for (CompetitionId id : successors) node.AddSuccessor(id, false);
  });
}

}  // namespace

CompetitionId LeagueId(int country, int index) {
  return MakeCompetitionId(country, CompKind::LEAGUE, index);
}

std::vector<CDBLeague*> LeaguesOfLevel(const LeagueSystemOwner& country, int level) {
  std::vector<CDBLeague*> leagues;
  if (level < 0 || level >= kLeagueLevels) return leagues;
  const int first = std::max(country.FirstLeague(level), 0);
  const int end = std::min(country.EndLeague(level), kMaxLeagues);
  for (int i = first; i < end; ++i) {
    if (auto* league = country.Competitions().Find<CDBLeague>(LeagueId(country.CountryNumber(), i))) {
      leagues.push_back(league);
    }
  }
  return leagues;
}

std::vector<CDBLeague*> LeaguesInLevelOrder(const LeagueSystemOwner& country) {
  std::vector<CDBLeague*> leagues;
  for (int level = 0; level < kLeagueLevels; ++level) {
    for (CDBLeague* league : LeaguesOfLevel(country, level)) leagues.push_back(league);
  }
  return leagues;
}

LevelRules StoredRelegationRules(const LeagueSystemOwner& country) {
  LevelRules rules{};
  for (int k = 0; k < kLeagueLevels; ++k) rules[static_cast<size_t>(k)] = country.LevelRelegationRule(k);
  return rules;
}

bool IsRelegationKind(int kind) {
  switch (kind) {
    case CompKind::RELEGATION:
    case CompKind::REL1:
    case CompKind::REL2:
    case CompKind::REL3:
    case CompKind::SCOTT1:
    case CompKind::SCOTT2:
    case CompKind::SWITZERLAND:
      return true;
    default:
      return false;
  }
}

bool SetLeagueSystem(LeagueSystemOwner& country, const LevelCounts& leaguesPerLevel,
                     const LevelRules& rules) {
  int total = 0;
  for (int n : leaguesPerLevel) {
    if (n < 0) return false;
    total += n;
  }
  if (total > kMaxLeagues) return false;

  CompetitionRegistry& registry = country.Competitions();
  const int nation = country.CountryNumber();
  CDBRoot& root = EnsureCountryRoot(registry, nation);

  // The old leagues leave the registry first: the new ones are filed under the same ids.
  std::array<std::vector<std::unique_ptr<CDBLeague>>, kLeagueLevels> old;
  std::vector<std::unique_ptr<CDBCompetition>> unplaced;
  for (int level = 0; level < kLeagueLevels; ++level) {
    const int first = std::max(country.FirstLeague(level), 0);
    const int end = std::min(country.EndLeague(level), kMaxLeagues);
    for (int i = first; i < end; ++i) {
      std::unique_ptr<CDBCompetition> node = registry.UnregisterCompetition(LeagueId(nation, i));
      if (auto* league = dynamic_cast<CDBLeague*>(node.get())) {
        node.release();
        old[static_cast<size_t>(level)].emplace_back(league);
      } else if (node) {
        unplaced.push_back(std::move(node));
      }
    }
  }
  // Leagues outside every level (an inconsistent file) go as well.
  std::map<CompetitionId, CompetitionId> renamed;
  for (int i = 0; i < kMaxLeagues; ++i) {
    if (auto node = registry.UnregisterCompetition(LeagueId(nation, i))) {
      renamed[node->Id()] = 0;
      unplaced.push_back(std::move(node));
    }
  }

  int index = 0;
  for (int level = 0; level < kLeagueLevels; ++level) {
    const auto& previous = old[static_cast<size_t>(level)];
    const int first = index;
    for (int j = 0; j < leaguesPerLevel[static_cast<size_t>(level)]; ++j, ++index) {
      auto league = std::make_unique<CDBLeague>();
      const CompetitionId id = LeagueId(nation, index);
      if (static_cast<size_t>(j) < previous.size()) {
        league->CopyLeagueWithFixtures(*previous[static_cast<size_t>(j)]);
        renamed[previous[static_cast<size_t>(j)]->Id()] = id;
      } else {
        if (!previous.empty()) {
          league->CopyLeague(*previous.front());
          // The play-offs of the copied league are not this league's.
          league->ClearLinks();
        }
        FillFromTemplate(league->Fixtures(), league->NumberOfTeams(), league->Rounds());
      }
      league->SetId(id);
      league->SetOwner(root.Id());
      league->SetLevel(level);
      league->SetRelegationRule(static_cast<uint8_t>(rules[static_cast<size_t>(level)]));
      registry.RegisterCompetition(std::move(league));
    }
    country.SetLevelLeagues(level, first, index);
  }
  country.SetLeagueCount(index);
  for (size_t level = 0; level < old.size(); ++level) {
    for (size_t j = static_cast<size_t>(leaguesPerLevel[level]); j < old[level].size(); ++j) {
      renamed[old[level][j]->Id()] = 0;
    }
  }
  FollowRenamedLeagues(registry, nation, renamed);

  BuildRelegationStructure(country, rules);
  root.RefreshCupIds();
  return true;
}

void BuildRelegationStructure(LeagueSystemOwner& country, const LevelRules& newRules) {
  if (newRules == StoredRelegationRules(country)) {
    RelinkEnglishPlayoffs(country, newRules);
    return;
  }
  RemoveRelegationCompetitions(country);
  LevelRules result = newRules;
  NextIndex next;
  for (int k = 0; k < kLeagueLevels; ++k) BuildForBoundary(country, k, result[static_cast<size_t>(k)], next);
  for (int k = 0; k < kLeagueLevels; ++k) country.SetLevelRelegationRule(k, result[static_cast<size_t>(k)]);
}

}  // namespace torvale
