#include "persons/duplicate_players.h"

#include <gtest/gtest.h>

#include "persons/world_persons.h"
#include "persons_test_world.h"

namespace torvale {
namespace {

using testing::PersonsTestWorld;

std::vector<DuplicatePair> Pairs(CWorldDatabase& world, DuplicateFilter filter = {}) {
  return FindDuplicatePairs(BuildDuplicateIndex(world, CompareNamesIgnoringCase), filter);
}

TEST(DuplicatePlayersTest, IndexLeavesOutNationalSquadsAndFreePlayers) {
  PersonsTestWorld t;
  CClub& club = t.Club(14, 1);
  CPlayer& only = t.Person("Max", "Muster", &club);
  t.World().Country(14)->CreateAmateurClub().AddPlayer(only.id);
  t.FreePerson("Max", "Muster");
  EXPECT_EQ(BuildDuplicateIndex(t.World(), CompareNamesIgnoringCase).size(), 1u);
  EXPECT_TRUE(Pairs(t.World()).empty());  // one person under contract: no rows
}

TEST(DuplicatePlayersTest, PairsAreExactNeighboursOfTheCollatedIndex) {
  PersonsTestWorld t;
  CClub& a = t.Club(14, 1);
  CClub& b = t.Club(45, 1);
  t.Person("Max", "Muster", &a);
  t.Person("Max", "MUSTER", &b);   // sorts beside it, but differs in case
  t.Person("Ute", "Zahn", &a);
  CPlayer& z2 = t.Person("Ute", "Zahn", &b);
  CPlayer& z3 = t.Person("Ute", "Zahn", &t.Club(3, 4));
  const auto index = BuildDuplicateIndex(t.World(), CompareNamesIgnoringCase);
  ASSERT_EQ(index.size(), 5u);
  EXPECT_EQ(index[0].surname, "Muster");  // stable: country 14 before 45
  EXPECT_EQ(index[1].surname, "MUSTER");

  const auto pairs = FindDuplicatePairs(index, {});
  // Three equal names: the first with the second, the second with the third (walk order:
  // country 3 first).
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].first.playerId, z3.id);
  EXPECT_EQ(pairs[0].second.clubId, a.clubId);
  EXPECT_EQ(pairs[1].second.playerId, z2.id);
  EXPECT_EQ(pairs[1].second.country, 45);

  // A case variant between two equal names in walk order does not hide their pair.
  t.Person("Max", "Muster", &t.Club(50, 1));
  const auto withVariant = FindDuplicatePairs(BuildDuplicateIndex(t.World(), CompareNamesIgnoringCase), {});
  ASSERT_EQ(withVariant.size(), 3u);
  EXPECT_EQ(withVariant[0].first.clubId, a.clubId);
  EXPECT_EQ(withVariant[0].second.country, 50);
}

TEST(DuplicatePlayersTest, ScopeKeepsPairsWithEitherSideAndBirthDatesFilter) {
  PersonsTestWorld t;
  CClub& first = t.Club(14, 1);
  CClub& second = t.Club(14, 2);
  CClub& abroad = t.Club(45, 1);
  t.Person("Jan", "Berg", &first).birthDate = DATE::FromCivil(1980, 5, 5);
  t.Person("Jan", "Berg", &second).birthDate = DATE::FromCivil(1980, 5, 5);
  t.Person("Eva", "Adam", &abroad);
  t.Person("Eva", "Adam", &first).birthDate = DATE::FromCivil(1970, 1, 2);

  // Only the second person of the Berg pair plays at club 2: listed.
  auto pairs = Pairs(t.World(), {DuplicateScope::kClub, 14, second.clubId | kReserveTeamBit});
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].second.clubId, second.clubId);
  EXPECT_EQ(Pairs(t.World(), {DuplicateScope::kCountry, 14, 0}).size(), 2u);
  EXPECT_EQ(Pairs(t.World(), {DuplicateScope::kCountry, 45, 0}).size(), 1u);
  EXPECT_EQ(Pairs(t.World(), {DuplicateScope::kCountry, 3, 0}).size(), 0u);
  EXPECT_EQ(Pairs(t.World(), {DuplicateScope::kAll, 0, 0, true}).size(), 1u);

  EXPECT_EQ(DefaultDuplicateScope(14, second.clubId), DuplicateScope::kClub);
  EXPECT_EQ(DefaultDuplicateScope(14, MakeClubId(14, kAmateurClubNumber)), DuplicateScope::kCountry);
  EXPECT_EQ(DefaultDuplicateScope(0, 0), DuplicateScope::kAll);
  EXPECT_FALSE(DuplicateScopeAvailable(DuplicateScope::kClub, 14, MakeClubId(14, kAmateurClubNumber)));
}

TEST(DuplicatePlayersTest, RowsAndTheirSevenSortColumns) {
  PersonsTestWorld t;
  CClub& alpha = t.Club(14, 1, "Alpha");
  CClub& beta = t.Club(14, 2, "Beta");
  CPlayer& keeper = t.Person("Tom", "Tor", &beta);
  keeper.mainPosition = 1;
  keeper.birthDate = DATE::FromCivil(1999, 12, 31);
  t.Person("Tom", "Tor", &alpha, kRoleCoach);
  t.Person("Al", "Berg", &alpha).mainPosition = 17;
  t.Person("Al", "Berg", &beta).mainPosition = 9;

  std::vector<DuplicateRow> rows;
  for (const DuplicatePair& pair : Pairs(t.World())) {
    DuplicateRow row;
    ASSERT_TRUE(MakeDuplicateRow(t.World(), pair, row));
    rows.push_back(row);
  }
  ASSERT_EQ(rows.size(), 2u);
  const DuplicateRow& berg = rows[0];
  const DuplicateRow& tor = rows[1];
  const std::string country(t.World().Country(14)->Name(0));
  EXPECT_EQ(berg.Text(kDuplicateName), "Berg, Al");
  EXPECT_EQ(berg.Text(kDuplicateClub1), "Alpha (" + country + ")");
  EXPECT_EQ(berg.Text(kDuplicatePos2), "DM");
  EXPECT_EQ(tor.Text(kDuplicateBirth2), "31.12.1999");
  EXPECT_EQ(tor.Text(kDuplicatePos1), "TR");

  const NameCompare names = CompareNamesIgnoringCase;
  EXPECT_LT(CompareDuplicateRows(berg, tor, kDuplicateName, names), 0);
  EXPECT_EQ(CompareDuplicateRows(berg, tor, kDuplicateClub1, names), 0);
  EXPECT_EQ(CompareDuplicateRows(tor, berg, kDuplicateBirth1, names), 0);
  EXPECT_GT(CompareDuplicateRows(tor, berg, kDuplicateBirth2, names), 0);
  EXPECT_GT(CompareDuplicateRows(tor, berg, kDuplicatePos1, names), 0);  // official after player
  EXPECT_LT(CompareDuplicateRows(tor, berg, kDuplicatePos2, names), 0);  // keeper before midfield
}

TEST(DuplicatePlayersTest, RemovingTheFirstPersonEndsThePairAndEveryListing) {
  PersonsTestWorld t;
  CClub& club = t.Club(14, 1);
  CPlayer& first = t.Person("Max", "Muster", &club);
  t.Person("Max", "Muster", &t.Club(14, 2));
  t.World().Country(14)->CreateAmateurClub().AddPlayer(first.id);
  const auto pairs = Pairs(t.World());
  ASSERT_EQ(pairs.size(), 1u);
  ASSERT_EQ(pairs[0].first.playerId, first.id);

  EXPECT_TRUE(RemoveDuplicatePerson(t.World(), pairs[0].first));
  EXPECT_TRUE(Pairs(t.World()).empty());
  EXPECT_EQ(FindPersonClub(t.World(), first.id), 0u);
  EXPECT_EQ(t.World().Persons().FindPlayer(first.id), &first);  // not written by any save
}

}  // namespace
}  // namespace torvale
