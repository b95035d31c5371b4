#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "competition/competition_registry.h"
#include "competition/cup.h"
#include "competition/cup_national.h"
#include "competition/league.h"
#include "league_test_country.h"

namespace torvale {
namespace {

using testing_support::Predecessors;
using testing_support::Successors;

CDBLeague& AddLeague(CompetitionRegistry& registry, int country, int index) {
  auto league = std::make_unique<CDBLeague>();
  league->SetId(MakeCompetitionId(country, CompKind::LEAGUE, index));
  return static_cast<CDBLeague&>(*registry.RegisterCompetition(std::move(league)));
}

CDBCompetition& AddPlayOff(CompetitionRegistry& registry) {
  auto cup = std::make_unique<CDBCup>();
  cup->SetId(MakeCompetitionId(14, CompKind::REL1, 0));
  return *registry.RegisterCompetition(std::move(cup));
}

TEST(CompetitionGraphTest, BackLinksDuplicatesAndFullLists) {
  CompetitionRegistry registry;
  CDBLeague& a = AddLeague(registry, 14, 0);
  CDBLeague& b = AddLeague(registry, 14, 1);

  a.AddSuccessor(b.Id(), true);
  EXPECT_EQ(Successors(a), std::vector<CompetitionId>{b.Id()});
  EXPECT_EQ(Predecessors(b), std::vector<CompetitionId>{a.Id()});
  EXPECT_EQ(a.GetSuccessorNode(0), &b);

  a.AddSuccessor(b.Id(), true);  // not checked for duplicates
  EXPECT_EQ(Predecessors(b), (std::vector<CompetitionId>{a.Id(), a.Id()}));
  b.RemovePredecessor(a.Id());
  EXPECT_EQ(Predecessors(b), std::vector<CompetitionId>{a.Id()});

  // Without back-link only this side changes; an unregistered id is stored all the same.
  b.AddPredecessor(0x0E080005, true);
  EXPECT_EQ(Predecessors(b), (std::vector<CompetitionId>{a.Id(), 0x0E080005}));
  b.AddSuccessor(a.Id(), false);
  EXPECT_EQ(Predecessors(a), std::vector<CompetitionId>{});

  for (int i = 0; i < 12; ++i) a.AddPredecessor(static_cast<CompetitionId>(0x0E010100 + i), false);
  EXPECT_EQ(a.PredecessorCount(), CDBCompetition::kMaxLinks);
  EXPECT_EQ(a.GetPredecessor(9), 0x0E010109u);
  a.RemovePredecessor(0x0E010100);
  EXPECT_EQ(a.PredecessorCount(), 9);
  EXPECT_EQ(a.GetPredecessor(0), 0x0E010101u);
  EXPECT_EQ(a.GetPredecessor(9), 0u);
}

TEST(CompetitionGraphTest, DeletingUnlinksBothSidesAndJoinsTheChain) {
  CompetitionRegistry registry;
  CDBLeague& first = AddLeague(registry, 14, 0);
  CDBLeague& second = AddLeague(registry, 14, 1);
  CDBLeague& after = AddLeague(registry, 14, 2);
  CDBLeague& prev = AddLeague(registry, 14, 3);
  CDBLeague& next = AddLeague(registry, 14, 4);
  CDBCompetition& node = AddPlayOff(registry);
  CompetitionId id = node.Id();

  first.AddSuccessor(after.Id(), true);
  first.AddSuccessor(id, true);
  second.AddSuccessor(id, true);
  node.AddSuccessor(after.Id(), true);
  node.SetPrevious(prev.Id());
  node.SetNext(next.Id());
  prev.SetNext(id);
  next.SetPrevious(id);
  EXPECT_EQ(node.FindTeam(0x0E000005), 0) << "a node without a team list is open to every team";

  registry.DeleteCompetition(id);
  EXPECT_EQ(registry.FindCompetition(id), nullptr);
  EXPECT_EQ(Successors(first), std::vector<CompetitionId>{after.Id()});
  EXPECT_EQ(Successors(second), std::vector<CompetitionId>{});
  EXPECT_EQ(Predecessors(after), std::vector<CompetitionId>{first.Id()});
  EXPECT_EQ(prev.Next(), next.Id());
  EXPECT_EQ(next.Previous(), prev.Id());
  EXPECT_EQ(registry.Size(), 5u);

  registry.DeleteCompetition(id);  // a second delete of the same id is harmless
  registry.DeleteCountryCompetitions(14);
  EXPECT_EQ(registry.Size(), 0u);
}

TEST(CompetitionGraphTest, RegisteringUnderATakenIdReplacesTheNode) {
  CompetitionRegistry registry;
  CDBLeague& old = AddLeague(registry, 14, 0);
  old.SetName("Alt");
  CDBLeague& fresh = AddLeague(registry, 14, 0);
  EXPECT_EQ(registry.Size(), 1u);
  EXPECT_STREQ(registry.FindCompetition(fresh.Id())->Name(), "Wettbewerb");
  EXPECT_EQ(registry.UnregisterCompetition(0x0E010009), nullptr);
}

TEST(CompetitionGraphTest, LoopsOfSuccessorsAreCutOnce) {
  CompetitionRegistry registry;
  CDBLeague& a = AddLeague(registry, 14, 0);
  CDBLeague& b = AddLeague(registry, 14, 1);
  CDBLeague& c = AddLeague(registry, 14, 2);
  CDBLeague& d = AddLeague(registry, 14, 3);
  a.AddSuccessor(b.Id(), true);
  b.AddSuccessor(c.Id(), true);
  c.AddSuccessor(a.Id(), true);  // closes a -> b -> c -> a
  c.AddSuccessor(d.Id(), true);
  d.AddSuccessor(d.Id(), true);  // a node feeding itself
  a.AddSuccessor(d.Id(), true);  // a second way to d is no loop

  EXPECT_EQ(registry.RemoveSuccessorCycles(), 2);
  EXPECT_EQ(Successors(c), std::vector<CompetitionId>{d.Id()});
  EXPECT_EQ(Predecessors(a), std::vector<CompetitionId>{});
  EXPECT_EQ(Successors(d), std::vector<CompetitionId>{});
  EXPECT_EQ(Successors(a), (std::vector<CompetitionId>{b.Id(), d.Id()}));
  EXPECT_EQ(registry.RemoveSuccessorCycles(), 0);
  // The recursive walks end now.
  EXPECT_FALSE(a.IsActiveOnDay(5));
  a.CheckConsistency(0);
}

TEST(NationalCupTest, ChangingTheModeReplacesOrDeletesTheCup) {
  CompetitionRegistry registry;
  int32_t faMode = 0;
  SetNationalCup(registry, 14, CompKind::FA_CUP, faMode, 3);
  CompetitionId faId = MakeCompetitionId(14, CompKind::FA_CUP, 0);
  auto* root = registry.Find<CDBRoot>(MakeCompetitionId(14, CompKind::ROOT, 0));
  ASSERT_NE(root, nullptr);  // created on demand
  auto* cup = registry.Find<CDBCup>(faId);
  ASSERT_NE(cup, nullptr);
  EXPECT_EQ(cup->GetAllocation(), 3);
  EXPECT_EQ(cup->Owner(), root->Id());
  EXPECT_EQ(root->CupId(CompKind::FA_CUP), faId);
  EXPECT_EQ(faMode, 3);

  // The same mode again keeps the cup and what was set on it.
  cup->SetRoundMoney(0, 7, 500000);
  SetNationalCup(registry, 14, CompKind::FA_CUP, faMode, 3);
  EXPECT_EQ(registry.Find<CDBCup>(faId)->GetRoundMoney(0, 7), 500000);

  int32_t superMode = 0;
  SetNationalCup(registry, 14, CompKind::SUPERCUP, superMode, 16);
  EXPECT_EQ(root->CupId(CompKind::SUPERCUP), MakeCompetitionId(14, CompKind::SUPERCUP, 0));

  SetNationalCup(registry, 14, CompKind::FA_CUP, faMode, 0);
  EXPECT_EQ(registry.FindCompetition(faId), nullptr);
  EXPECT_EQ(root->CupId(CompKind::FA_CUP), 0u);
  EXPECT_EQ(faMode, 0);
  EXPECT_NE(root->CupId(CompKind::SUPERCUP), 0u);

  AddLeague(registry, 14, 0);
  ResetCountryCompetitions(registry, 14);
  EXPECT_EQ(registry.Size(), 2u);
  root = registry.Find<CDBRoot>(MakeCompetitionId(14, CompKind::ROOT, 0));
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->CupId(CompKind::SUPERCUP), 0u);
  EXPECT_EQ(registry.Find<CDBCup>(root->CupId(CompKind::FA_CUP))->GetAllocation(), 1);
}

}  // namespace
}  // namespace torvale
