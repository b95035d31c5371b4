// The cup formats and international structure files of the sample installation, read the way
// the editor reads the game's own.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "competition/competition_records.h"
#include "competition/competition_registry.h"
#include "competition/competition_round.h"
#include "competition/cup_allocation.h"
#include "storage/record_stream.h"

namespace torvale {
namespace {

const std::string kScriptFolder = std::string(TORVALE_SOURCE_DIR) + "/data/install/script";

TEST(SampleStructureFilesTest, CupFormatsCoverEveryAllocationTheEditorUses) {
  CupAllocationTable table;
  ASSERT_TRUE(table.LoadCupAllocations(kScriptFolder));
  for (int32_t n : {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 15, 16, 19, 20, 65543}) {
    const CupAllocation* entry = table.GetCupAllocation(n);
    ASSERT_NE(entry, nullptr) << n;
    EXPECT_GT(entry->RoundCount(), 0) << n;
    EXPECT_GE(entry->MatchdayCount(), entry->RoundCount()) << n;
    EXPECT_NE(entry->rounds[static_cast<size_t>(entry->RoundCount() - 1)].roundType, -1) << n;
  }
  EXPECT_EQ(table.GetCupAllocation(2)->RoundCount(), 8);
  EXPECT_EQ(table.GetCupAllocation(2)->MatchdayCount(), 14);  // six rounds with replays
}

TEST(SampleStructureFilesTest, InternationalFilesBuildALinkedStructure) {
  struct Source {
    const char* file;
    const char* prefix;
  };
  const Source sources[] = {{"EuropeanCup.txt", "EURO"},
                            {"SouthAmCup.txt", "SOUTHAM"},
                            {"QualiEC.txt", "QUALI_EC"},
                            {"WC.txt", "WORLD_CUP"},
                            {"InDoor.txt", "INDOOR"}};
  CompetitionRegistry registry;
  std::array<int32_t, kCalendarDays> calendar{};
  for (const Source& source : sources) {
    CKLFile file;
    ASSERT_TRUE(file.OpenRead(kScriptFolder + "/" + source.file, "r")) << source.file;
    file.SetLoadedVersion(0x20040000);  // structure files have no short-name lines
    EXPECT_GT(ReadCompetitionGroup(file, source.prefix, calendar, 0xFA000000, registry), 0)
        << source.file;
  }
  int rounds = 0;
  registry.ForEach([&](CDBCompetition& node) {
    EXPECT_EQ(node.Country(), kInternationalCountry) << FormatCompetitionId(node.Id());
    // Links name nodes of the same files (their lists need not mirror each other: the
    // Intertoto feeds the European cup through a rule, not a predecessor).
    for (int i = 0; i < node.SuccessorCount(); ++i)
      EXPECT_NE(node.GetSuccessorNode(i), nullptr) << FormatCompetitionId(node.GetSuccessor(i));
    for (int i = 0; i < node.PredecessorCount(); ++i)
      EXPECT_NE(registry.FindCompetition(node.GetPredecessor(i)), nullptr)
          << FormatCompetitionId(node.GetPredecessor(i));
    if (auto* round = dynamic_cast<CDBRound*>(&node)) {
      ++rounds;
      EXPECT_NE(round->GetRoundType(), -1) << round->Name();
      EXPECT_EQ(round->DayMatchday(round->firstLegDay), round->firstLegDay != 0 ? 1 : 0);
    }
  });
  EXPECT_GT(rounds, 10);
  EXPECT_EQ(registry.RemoveSuccessorCycles(), 0);
  EXPECT_EQ(calendar[0], 0);
}

}  // namespace
}  // namespace torvale
