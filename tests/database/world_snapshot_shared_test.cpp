// Snapshots that meet the same person twice: a national squad lists persons of the clubs, so a
// change of both gives both parts the person's record. Restoring them together must bring the
// person back once, shared again, not as a copy with a new id; and parts captured one after
// the other (a dialog that reaches further as it goes) restore as one.

#include <gtest/gtest.h>

#include "database/world_snapshot.h"
#include "persons/national_team.h"
#include "support/sample_world.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"

namespace torvale {
namespace {

CClub& FirstRegularClub(CWorldDatabase& world, int country) {
  for (const auto& [id, club] : world.Country(country)->Clubs())
    if (club->Number() != kAmateurClubNumber && !club->PlayerIds().empty()) return *club;
  throw std::logic_error("no club");
}

TEST(WorldSnapshotShared, APersonOfTwoRestoredPartsComesBackOnceUnderItsId) {
  auto sample = testing::LoadSampleWorld();
  CWorldDatabase& world = *sample->world;
  CClub& club = FirstRegularClub(world, 14);
  uint32_t called = 0;
  int nation = 0;
  for (uint32_t id : club.PlayerIds()) {
    const CPlayer* person = world.Persons().FindPlayer(id);
    if (person->role == kRolePlayer && world.Country(person->nationality) && CallUpNationalPlayer(world, person->nationality, id)) {
      called = id;
      nation = person->nationality;
      break;
    }
  }
  ASSERT_NE(called, 0u);
  const uint32_t squadId = MakeClubId(static_cast<uint32_t>(nation), kAmateurClubNumber);
  const size_t persons = world.Persons().Count();

  // Captured in two steps, as a dialog that widens its change does.
  WorldSnapshot before = WorldSnapshot::Capture(world, std::vector{WorldPart::Club(club.clubId)});
  ASSERT_TRUE(before.Absorb(WorldSnapshot::Capture(world, std::vector{WorldPart::Club(squadId)})));
  ASSERT_EQ(before.Parts().size(), 2u);
  world.Persons().FindPlayer(called)->shirtNumber = 77;
  ASSERT_TRUE(DropNationalPlayer(world, nation, called));

  before.Restore(world);
  EXPECT_TRUE(world.Country(nation)->FindClub(squadId)->HasPlayer(called)) << "the squad lists the same id again";
  EXPECT_TRUE(club.HasPlayer(called));
  EXPECT_NE(world.Persons().FindPlayer(called)->shirtNumber, 77);
  EXPECT_EQ(world.Persons().Count(), persons) << "no copy of the person is left";

  // A whole country captured after one of its clubs changed cannot give the earlier state.
  EXPECT_FALSE(before.Absorb(WorldSnapshot::Capture(world, std::vector{WorldPart::Country(14)})));
  EXPECT_EQ(before.Parts().size(), 2u);
}

}  // namespace
}  // namespace torvale
