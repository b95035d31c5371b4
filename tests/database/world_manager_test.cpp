#include "database/world_manager.h"

#include <gtest/gtest.h>

#include "support/test_database.h"

namespace torvale {
namespace {

TEST(WorldManager, HoldsOneToSixWorldsAndFallsBackToTheFirst) {
  testing::TestDatabaseEnvironment tables;
  WorldManager manager(tables.Environment());
  EXPECT_FALSE(manager.CloseCurrent());  // nothing open

  std::vector<CWorldDatabase*> worlds;
  for (size_t i = 0; i < WorldManager::kMaxWorlds; ++i) {
    worlds.push_back(manager.CreateWorld());
    ASSERT_NE(worlds.back(), nullptr);
    EXPECT_EQ(manager.Current(), worlds.back());
    EXPECT_TRUE(worlds.back()->IsLoaded());
  }
  EXPECT_EQ(manager.CreateWorld(), nullptr);
  EXPECT_EQ(manager.Count(), 6u);
  EXPECT_EQ(manager.Current(), worlds[5]);

  ASSERT_TRUE(manager.SelectByIndex(3));
  EXPECT_EQ(manager.Current(), worlds[3]);
  EXPECT_FALSE(manager.SelectByIndex(6));
  EXPECT_EQ(manager.Current(), worlds[3]);

  // Closing the fourth world makes the first current, not a neighbour.
  EXPECT_TRUE(manager.CloseCurrent());
  EXPECT_EQ(manager.Count(), 5u);
  EXPECT_EQ(manager.Current(), worlds[0]);
  EXPECT_EQ(manager.IndexOf(worlds[4]), 3u);

  // Removing a world that is not current keeps the current one.
  ASSERT_TRUE(manager.SetCurrent(worlds[2]));
  EXPECT_TRUE(manager.RemoveWorld(worlds[5]));
  EXPECT_EQ(manager.Current(), worlds[2]);
  EXPECT_FALSE(manager.SetCurrent(worlds[5]));

  while (manager.Count() > 1) EXPECT_TRUE(manager.CloseCurrent());
  EXPECT_FALSE(manager.CloseCurrent());
  EXPECT_EQ(manager.Count(), 1u);
  EXPECT_NE(manager.CreateWorld(), nullptr);  // room again
}

}  // namespace
}  // namespace torvale
