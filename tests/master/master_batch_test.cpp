// The batch build over a database folder written by the world's own writers: the folder is
// loaded as master mode loads it, trimmed with "killdata", and built.

#include <gtest/gtest.h>

#include "competition/cup_allocation.h"
#include "master/master_batch.h"
#include "master/master_reader.h"
#include "platform/command_line.h"
#include "platform/path.h"
#include "storage/save_error_reporter.h"
#include "storage/world_database.h"
#include "support/scratch_dir.h"
#include "world/country_test_world.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

using testing::ClubBuilder;

void MakePlayable(CWorldDatabase& world, int id, int clubs) {
  CCountry& country = *world.Country(id);
  for (int n = 1; n <= clubs; ++n) {
    CClub* club = country.AddClub(
        std::make_unique<CClub>(ClubBuilder(static_cast<uint8_t>(id), static_cast<uint16_t>(n)).Get()),
        static_cast<uint16_t>(n));
    club->SetName(0, "Verein " + std::to_string(n));
    CPlayer* person = world.Persons().CreatePlayer(0, true);
    SetFixedText(person->surname, "Nr" + std::to_string(n));
    club->AddPlayer(person->id);
  }
  SetLeagueSystem(country, LevelCounts{1, 1, 0, 0, 0}, LevelRules{6, 0, 0, 0, 0});
  for (int index = 0; index < 2; ++index) {
    auto* league = world.Competitions().Find<CDBLeague>(LeagueId(id, index));
    league->SetNumberOfTeams(10);
    FillFromTemplate(league->Fixtures(), 10, league->Rounds());
    for (int t = 1; t <= 10; ++t)
      league->AddTeam(MakeClubId(static_cast<uint32_t>(id), static_cast<uint32_t>(index * 10 + t)));
    testing::PlaceMatchdays(*league, 10, 7);
  }
  country.SetNationalCupMode(1);
  world.Competitions().ForEach([&](CDBCompetition& node) {
    if (node.Country() == id && node.Kind() != CompKind::LEAGUE) testing::PlaceMatchdays(node, 12, 9);
  });
  ASSERT_TRUE(country.IsPlayable());
}

struct BatchFixture : ::testing::Test {
  test::ScratchDir scratch;
  void WriteDatabase(int clubs) {
    scratch.MakeFile("script/CupAlloc.txt", testing::CupAllocationText());
    scratch.MakeDir("database");
    CupAllocationTable allocations;
    allocations.LoadCupAllocations(JoinPath(scratch.path(), "script"));
    WorldEnvironment environment;
    environment.cupAllocations = &allocations;
    CWorldDatabase world(environment);
    world.InitEmptyWorld();
    world.SetFolder(JoinPath(scratch.path(), "database"));
    MakePlayable(world, 14, clubs);
    StreamSaveErrorReporter reporter;
    ASSERT_TRUE(world.Save(reporter));
  }
  std::optional<MasterFileInfo> Read(const std::string& name) {
    std::string data;
    EXPECT_TRUE(ReadWholeFile(JoinPath(scratch.path(), "database/" + name), data));
    std::string error;
    auto info = ReadMasterFile(std::vector<uint8_t>(data.begin(), data.end()), &error);
    EXPECT_TRUE(info) << error;
    return info;
  }
};

TEST_F(BatchFixture, BuildsTheLoadedDatabaseAndTrimsCountry14) {
  WriteDatabase(130);
  test::ScopedWorkingDir inside(scratch.path());
  ASSERT_EQ(BuildMasterBatch(0, 0), MasterBuildResult::kWritten);
  auto info = Read("Master.dat");
  ASSERT_TRUE(info);
  EXPECT_EQ(info->headers[13].leagueCount, 2);
  EXPECT_EQ(info->countries[13].clubs, 130u);

  ASSERT_EQ(BuildMasterBatch(0, kMasterBuildKillData), MasterBuildResult::kWritten);
  info = Read("Master.dat");
  ASSERT_TRUE(info);
  EXPECT_EQ(info->countries[13].clubs, 99u) << "100 clubs with the amateur club";
}

}  // namespace
}  // namespace torvale
