#include <gtest/gtest.h>

#include <algorithm>

#include "persons/national_team.h"
#include "persons/persons_test_world.h"

namespace torvale::testing {
namespace {

TEST(NationalTeam, CandidatesAreTheNationalsStrongestFirst) {
  PersonsTestWorld w;
  CClub& club = w.Club(14, 1, "Verein");
  CPlayer& weak = w.Person("A", "Weak", &club);
  CPlayer& strong = w.Person("B", "Strong", &club);
  CPlayer& dual = w.Person("C", "Dual", &club);
  CPlayer& foreigner = w.Person("D", "Foreign", &club);
  w.Person("E", "Coach", &club, kRoleCoach);
  weak.abilities.fill(2);
  strong.abilities.fill(9);
  strong.ratings.fill(kMaxRating);
  dual.nationality = 45;
  dual.secondNationality = 14;
  foreigner.nationality = 45;
  for (CPlayer* p : {&weak, &strong, &dual, &foreigner}) p->mainPosition = 9;

  const std::vector<uint32_t> ids = NationalTeamCandidates(w.World(), 14);
  ASSERT_EQ(ids.size(), 3u);  // no foreigner, no official
  EXPECT_EQ(ids.front(), strong.id);
  for (size_t i = 1; i < ids.size(); ++i) {
    EXPECT_GE(w.World().Persons().FindPlayer(ids[i - 1])->Strength(), w.World().Persons().FindPlayer(ids[i])->Strength());
  }
  EXPECT_NE(std::find(ids.begin(), ids.end(), dual.id), ids.end());
}

TEST(NationalTeam, CallUpKeepsTheClubAndRefusesWhatDoesNotFit) {
  PersonsTestWorld w;
  CClub& club = w.Club(14, 1, "Verein");
  CClub& national = w.World().Country(14)->CreateAmateurClub();
  CPlayer& player = w.Person("A", "Player", &club);
  CPlayer& coach = w.Person("B", "Coach", &club, kRoleCoach);
  CPlayer& foreigner = w.Person("C", "Foreign", &club);
  foreigner.nationality = 45;

  EXPECT_TRUE(CallUpNationalPlayer(w.World(), 14, player.id));
  EXPECT_FALSE(CallUpNationalPlayer(w.World(), 14, player.id));  // already called up
  EXPECT_FALSE(CallUpNationalPlayer(w.World(), 14, coach.id));
  EXPECT_FALSE(CallUpNationalPlayer(w.World(), 14, foreigner.id));
  EXPECT_EQ(national.PlayerIds().size(), 1u);
  EXPECT_TRUE(club.HasPlayer(player.id));

  w.FillClub(national, kMaxClubPersons);
  CPlayer& late = w.Person("D", "Late", &club);
  EXPECT_FALSE(CallUpNationalPlayer(w.World(), 14, late.id));

  EXPECT_TRUE(DropNationalPlayer(w.World(), 14, player.id));
  EXPECT_FALSE(DropNationalPlayer(w.World(), 14, player.id));
  EXPECT_TRUE(club.HasPlayer(player.id));
}

}  // namespace
}  // namespace torvale::testing
