#include "persons/free_players.h"

#include <gtest/gtest.h>

#include "persons_test_world.h"

namespace torvale {
namespace {

using testing::PersonsTestWorld;

TEST(FreePlayersTest, RowsShowNationalityAndStrengthOnlyForPlayers) {
  PersonsTestWorld t;
  CPlayer& player = t.FreePerson("Max", "Muster");
  player.mainPosition = 4;
  CPlayer& official = t.FreePerson("Otto", "Rehhagel");
  official.role = kRoleManager;

  FreePlayerRow row;
  ASSERT_TRUE(MakeFreePlayerRow(t.World(), 0, row));
  EXPECT_EQ(row.name, "Muster, M.");
  EXPECT_EQ(row.nationality, t.World().Country(14)->ShortName(0));
  EXPECT_EQ(row.position, "IV");
  char strength[16];
  std::snprintf(strength, sizeof strength, "%2.1f", static_cast<double>(player.Strength()));
  EXPECT_EQ(row.strength, strength);
  FreePlayerRow managerRow;
  ASSERT_TRUE(MakeFreePlayerRow(t.World(), 1, managerRow));
  EXPECT_EQ(managerRow.nationality, "");
  EXPECT_EQ(managerRow.strength, "");
  EXPECT_EQ(managerRow.position, "MA");
  EXPECT_LT(CompareFreePlayerRows(row, managerRow, kFreePosition, CompareNamesIgnoringCase), 0);
  EXPECT_FALSE(MakeFreePlayerRow(t.World(), 2, row));
}

TEST(FreePlayersTest, MovingIntoAReserveTeamAndIntoAFullClub) {
  PersonsTestWorld t;
  CPlayer& a = t.FreePerson("A", "One");
  CPlayer& b = t.FreePerson("B", "Two");
  CPlayer& c = t.FreePerson("C", "Three");
  CClub& club = t.Club(14, 1);
  t.FillClub(club, kMaxClubPersons - 1);

  const std::vector<uint32_t> selected = {a.id, c.id};
  EXPECT_EQ(MoveFreePlayersToClub(t.World(), selected, club.clubId | kReserveTeamBit), std::vector<uint32_t>{a.id});
  EXPECT_EQ(a.team, 1);
  EXPECT_TRUE(club.HasPlayer(a.id));
  // The club is full now: the other selected row stays in the list.
  const CPlayersWithoutClub& list = *t.World().PlayersWithoutClub();
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.IdAt(0), b.id);
  EXPECT_EQ(list.IdAt(1), c.id);
  EXPECT_EQ(c.team, 0);

  CClub& roomy = t.Club(14, 2);
  EXPECT_EQ(MoveFreePlayersToClub(t.World(), std::vector<uint32_t>{c.id, a.id}, roomy.clubId),
            std::vector<uint32_t>{c.id});  // a is no longer free
}

TEST(FreePlayersTest, DeletingThreeSelectedRowsAndTheSelectionAfterwards) {
  PersonsTestWorld t;
  std::vector<uint32_t> ids;
  for (int i = 0; i < 5; ++i) ids.push_back(t.FreePerson("Free", "Player " + std::to_string(i)).id);
  const std::vector<uint32_t> selected = {ids[0], ids[2], ids[3]};
  EXPECT_EQ(DeleteFreePlayers(t.World(), selected), 3);
  const CPlayersWithoutClub& list = *t.World().PlayersWithoutClub();
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.IdAt(0), ids[1]);
  EXPECT_EQ(list.IdAt(1), ids[4]);
  EXPECT_EQ(t.World().Persons().FindPlayer(ids[2]), nullptr);

  // The selection was on row 3: rows 0 and 2 left above it.
  EXPECT_EQ(RowAfterRemovals(3, std::vector<int>{0, 2, 3}, 2), 1);
  EXPECT_EQ(RowAfterRemovals(4, std::vector<int>{4}, 4), 3);
  EXPECT_EQ(RowAfterRemovals(0, std::vector<int>{0}, 0), -1);
}

}  // namespace
}  // namespace torvale
