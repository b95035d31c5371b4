#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "competition/competition_registry.h"
#include "competition/cup.h"
#include "competition/cup_allocation.h"
#include "competition/league.h"
#include "storage/record_stream.h"
#include "support/scratch_dir.h"
#include "world/club_id_mapper.h"

namespace torvale {
namespace {

// A small allocation file in the game's layout: entry 2 is missing, entry 3 has more round
// lines than a format can hold.
constexpr const char* kCupAlloc =
    "3\r\n"
    "%INDEX%CUP1\r\n"
    "3\r\n"
    "{ 0, 3, 0, 0, 0, 0, ROUND_1, BEG_1ST_LEG, BEG_WITH_EXTRA_TIME, BEG_WITH_PENALTY }\r\n"
    "{ 1, 0, 2, 3, 4, 5, ROUND_SEMIFINAL, BEG_2ND_LEG,BEG_WITHOUT_AWAY_GOAL }\r\n"
    "{ 0, 0, 0, 0, 0, 0, ROUND_FINAL, BEG_WITH_EXTRA_TIME }\r\n"
    "3\r\n"
    "GET_TAB_LEVEL_X_TO_Y\r\n"
    "-2\r\n"
    "1\r\n"
    "18\r\n"
    "GET_WINNER, { 0, FA_CUP, 0 }\r\n"
    "GET_SOMETHING_ELSE, { 0, LEAGUE, 0 }\r\n"
    "4\r\n"
    "5\r\n"
    "%INDEXEND%CUP1\r\n"
    "%INDEX%CUP3\r\n"
    "9\r\n"
    "{ 0, 8, 0, 0, 0, 0, ROUND_1, BEG_WITH_REPLAY }\r\n"
    "{ 0, 0, 0, 0, 0, 0, ROUND_2 }\r\n"
    "{ 0, 0, 0, 0, 0, 0, ROUND_3 }\r\n"
    "{ 0, 0, 0, 0, 0, 0, ROUND_4 }\r\n"
    "{ 0, 0, 0, 0, 0, 0, ROUND_LAST_16 }\r\n"
    "{ 0, 0, 0, 0, 0, 0, ROUND_QUARTERFINAL }\r\n"
    "{ 0, 0, 0, 0, 0, 0, ROUND_SEMIFINAL }\r\n"
    "{ 0, 0, 0, 0, 0, 0, ROUND_FINAL }\r\n"
    "{ 0, 0, 0, 0, 0, 0, ROUND_QUALI }\r\n"
    "1\r\n"
    "GET_HOST\r\n"
    "%INDEXEND%CUP3\r\n";

class CupAllocationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CKLFile file;
    ASSERT_TRUE(file.OpenReadFromMemory(kCupAlloc));
    table_.LoadCupAllocations(file);
    registry_.SetCupAllocations(&table_);
  }

  CDBCup& AddCup(int kind) {
    auto node = std::make_unique<CDBCup>();
    node->SetId(MakeCompetitionId(14, kind, 0));
    node->SetAllocation(1);
    return static_cast<CDBCup&>(*registry_.RegisterCompetition(std::move(node)));
  }

  CupAllocationTable table_;
  CompetitionRegistry registry_;
};

TEST_F(CupAllocationTest, ReadsRoundsFlagsAndRuleLists) {
  EXPECT_EQ(table_.Count(), 3);
  EXPECT_EQ(table_.GetCupAllocation(2), nullptr);
  EXPECT_EQ(table_.GetCupAllocation(0), nullptr);
  EXPECT_EQ(table_.GetCupAllocation(4), nullptr);
  const CupAllocation* first = table_.GetCupAllocation(1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(table_.GetCupAllocation(65537), first);  // flags above the low byte do not select entries

  EXPECT_EQ(first->RoundCount(), 3);
  EXPECT_EQ(first->rounds[0].flags, 0x14);
  EXPECT_EQ(first->rounds[0].roundType, 2);
  EXPECT_EQ(first->rounds[1].f, (std::array<int32_t, 6>{1, 0, 2, 3, 4, 5}));
  EXPECT_EQ(first->rounds[1].flags, 0x8000001);
  EXPECT_EQ(first->rounds[2].roundType, 10);
  EXPECT_EQ(first->MatchdayCount(), 4);

  std::vector<TeamSelectionRule> rules = table_.Rules().Run(first->ruleStart);
  ASSERT_EQ(rules.size(), 3u);
  EXPECT_EQ(rules[0], (TeamSelectionRule{SelectRule::GET_TAB_LEVEL_X_TO_Y, 0, -2, 1, 18}));
  EXPECT_EQ(rules[1], (TeamSelectionRule{SelectRule::GET_WINNER, MakeCompetitionId(0, 3, 0)}));
  EXPECT_EQ(rules[2], (TeamSelectionRule{SelectRule::UNKNOWN, MakeCompetitionId(0, 1, 0), 0, 4, 5}));

  // Nine round lines: the ninth is read past but not kept, and the rules behind it are found.
  const CupAllocation* third = table_.GetCupAllocation(3);
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->RoundCount(), 8);
  EXPECT_EQ(third->rounds[7].roundType, RoundType::FINAL);
  EXPECT_EQ(third->MatchdayCount(), 9);
  ASSERT_EQ(table_.Rules().Run(third->ruleStart).size(), 1u);
  EXPECT_EQ(table_.Rules().At(third->ruleStart).keyword, SelectRule::GET_HOST);
}

TEST_F(CupAllocationTest, CupLabelsMatchdaysWithTheirRound) {
  CDBCup& cup = AddCup(CompKind::FA_CUP);
  EXPECT_EQ(cup.MatchdayCount(), 4);
  EXPECT_EQ(cup.MatchdayLabel(1), "1. Runde");
  EXPECT_EQ(cup.MatchdayLabel(2), "Halbfinale");
  EXPECT_EQ(cup.MatchdayLabel(3), "Halbfinale");
  EXPECT_EQ(cup.MatchdayLabel(4), "Finale");
  EXPECT_EQ(cup.MatchdayLabel(5), "5");

  cup.SetAllocation(2);  // an empty entry is a format of no rounds
  EXPECT_EQ(cup.MatchdayCount(), 0);
  EXPECT_EQ(cup.MatchdayLabel(1), "1");
}

TEST_F(CupAllocationTest, RuleCopyTakesTheCupsCountryAndLevel) {
  auto league = std::make_unique<CDBLeague>();
  league->SetId(MakeCompetitionId(14, CompKind::LEAGUE, 1));
  league->SetLevel(1);
  CDBCompetition& parent = *registry_.RegisterCompetition(std::move(league));
  CDBCup& cup = AddCup(CompKind::REL1);
  cup.AddPredecessor(parent.Id(), true);
  cup.SetLevel(cup.ParentLevel());
  EXPECT_EQ(cup.Level(), 1);
  cup.InstantiateRules();

  std::vector<TeamSelectionRule> copy = registry_.Rules().Run(cup.RuleStart());
  ASSERT_EQ(copy.size(), 3u);
  EXPECT_EQ(copy[0].a, 2);  // -2: the level below the cup's
  EXPECT_EQ(copy[0].id, MakeCompetitionId(14, 0, 0));
  EXPECT_EQ(copy[1].id, MakeCompetitionId(14, CompKind::FA_CUP, 0));
  EXPECT_EQ(copy[2].id, MakeCompetitionId(0, CompKind::LEAGUE, 0));  // unknown rules stay as read
  EXPECT_EQ(registry_.Rules().At(cup.RuleStart() + 3).keyword, SelectRule::END_OF_ENTRY);
}

TEST_F(CupAllocationTest, RoundMoneyUsesTheLastSlots) {
  CDBCup& cup = AddCup(CompKind::FA_CUP);
  std::array<int32_t, 32> money{};
  for (int k = 0; k < 32; ++k) money[static_cast<size_t>(k)] = 1000 + k;
  cup.SetMoney(money);
  EXPECT_EQ(cup.GetRoundMoney(3, 5), 1000 + 3 * 8 + 5);

  CKLFile file;
  file.OpenWriteToMemory();
  IdentityClubIdMapper clubs;
  cup.WriteText(file, -1, clubs);
  std::string text = file.TakeWritten();
  // 3 rounds: slots 5, 6 and 7, four values each, in slot order.
  size_t at = text.find("%INDEXEND%MATCHDAYS\r\n");
  ASSERT_NE(at, std::string::npos);
  std::string expected;
  for (int r = 5; r < 8; ++r)
    for (int i = 0; i < 4; ++i) expected += std::to_string(1000 + i * 8 + r) + "\r\n";
  EXPECT_EQ(text.substr(at + 21, expected.size()), expected);
}

TEST(CupAllocationFileTest, LoadsFromTheScriptFolderOrStaysEmpty) {
  test::ScratchDir folder;
  CupAllocationTable table;
  EXPECT_FALSE(table.LoadCupAllocations(folder.path()));
  EXPECT_EQ(table.GetCupAllocation(1), nullptr);
  folder.MakeFile("CupAlloc.txt", kCupAlloc);
  EXPECT_TRUE(table.LoadCupAllocations(folder.path()));
  ASSERT_NE(table.GetCupAllocation(3), nullptr);
  table.FreeCupAllocations();
  EXPECT_EQ(table.GetCupAllocation(3), nullptr);

  // The sample installation's formats cover every allocation the editor offers.
  ASSERT_TRUE(table.LoadCupAllocations(std::string(TORVALE_SOURCE_DIR) + "/data/install/script"));
  for (int32_t n : {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 15, 16, 19, 20, 65543}) {
    const CupAllocation* entry = table.GetCupAllocation(n);
    ASSERT_NE(entry, nullptr) << n;
    ASSERT_GT(entry->RoundCount(), 0) << n;
    EXPECT_GE(entry->MatchdayCount(), entry->RoundCount()) << n;
    EXPECT_NE(entry->rounds[static_cast<size_t>(entry->RoundCount() - 1)].roundType, -1) << n;
  }
  EXPECT_EQ(table.GetCupAllocation(2)->RoundCount(), 8);
  EXPECT_EQ(table.GetCupAllocation(2)->MatchdayCount(), 14);  // six rounds with replays
}

}  // namespace
}  // namespace torvale
