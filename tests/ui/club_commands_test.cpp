#include <gtest/gtest.h>

#include "database/club_commands.h"
#include "support/gui/editor_fixture.h"
#include "world/club.h"

namespace torvale {

namespace {

using ClubCommandsTest = test::EditorFixture;

CClub* ClubWithPeople(CCountry& country) {
  for (const auto& [id, club] : country.Clubs())
    if (club->Number() != kAmateurClubNumber && club->PlayerIds().size() > 3) return club.get();
  return nullptr;
}

}  // namespace

TEST_F(ClubCommandsTest, AClubFileCarriesAClubAndItsPeopleOntoAnotherClub) {
  CCountry& germany = *World().Country(14);
  CClub* source = ClubWithPeople(germany);
  ASSERT_NE(source, nullptr);
  const std::string name(source->Name(0));
  const size_t people = source->PlayerIds().size();
  const std::string path = InstallFolder() + "/Verein.club";
  ASSERT_TRUE(SaveClubFile(World(), source->clubId, path));

  CClub* target = nullptr;
  for (const auto& [id, club] : germany.Clubs())
    if (club.get() != source && club->Number() != kAmateurClubNumber) target = club.get();
  ASSERT_NE(target, nullptr);
  const uint32_t targetId = target->clubId;
  const int32_t targetStadium = target->homeStadium;
  const std::vector<uint32_t> oldPeople(target->PlayerIds().begin(), target->PlayerIds().end());
  const size_t personsBefore = World().Persons().Count();

  EXPECT_EQ(ReplaceClubFromFile(World(), targetId, path), ClubReplaceResult::kReplaced);
  const CClub* replaced = germany.FindClub(targetId);
  ASSERT_NE(replaced, nullptr);
  EXPECT_EQ(replaced->Name(0), name);
  EXPECT_EQ(replaced->PlayerIds().size(), people);
  EXPECT_EQ(replaced->homeStadium, targetStadium);  // stadiums belong to the club's own country
  for (uint32_t id : oldPeople) EXPECT_EQ(World().Persons().FindPlayer(id), nullptr) << id;
  EXPECT_EQ(World().Persons().Count(), personsBefore - oldPeople.size() + people);
  // The copied persons are new persons, not the source club's.
  for (uint32_t id : replaced->PlayerIds()) EXPECT_FALSE(source->HasPlayer(id)) << id;
}

TEST_F(ClubCommandsTest, NothingReplacesTheNationalTeamOrComesFromABadFile) {
  CCountry& germany = *World().Country(14);
  CClub* club = ClubWithPeople(germany);
  ASSERT_NE(club, nullptr);
  const std::string name(club->Name(0));
  EXPECT_EQ(ReplaceClubFromFile(World(), MakeClubId(14, kAmateurClubNumber), "irrelevant"),
            ClubReplaceResult::kNationalTeam);
  EXPECT_EQ(ReplaceClubFromFile(World(), club->clubId, InstallFolder() + "/missing.club"),
            ClubReplaceResult::kUnreadable);
  const std::string empty = InstallFolder() + "/empty.club";
  { std::FILE* f = std::fopen(empty.c_str(), "w"); std::fputs("nothing here\n", f); std::fclose(f); }
  EXPECT_EQ(ReplaceClubFromFile(World(), club->clubId, empty), ClubReplaceResult::kUnreadable);
  EXPECT_EQ(germany.FindClub(club->clubId)->Name(0), name);
  EXPECT_FALSE(SaveClubFile(World(), MakeClubId(14, 60000), InstallFolder() + "/none.club"));
}

TEST_F(ClubCommandsTest, RemovingAClubsPeopleTakesThemOutOfTheWorld) {
  CClub* club = ClubWithPeople(*World().Country(14));
  ASSERT_NE(club, nullptr);
  const std::vector<uint32_t> people(club->PlayerIds().begin(), club->PlayerIds().end());
  EXPECT_EQ(RemoveClubPeople(World(), club->clubId), static_cast<int>(people.size()));
  EXPECT_TRUE(club->PlayerIds().empty());
  for (uint32_t id : people) EXPECT_EQ(World().Persons().FindPlayer(id), nullptr);
  EXPECT_EQ(RemoveClubPeople(World(), club->clubId), 0);
}

TEST_F(ClubCommandsTest, InvalidBadgesAreListedPerClub) {
  CClub* club = ClubWithPeople(*World().Country(14));
  ASSERT_NE(club, nullptr);
  std::snprintf(club->badgeFile, sizeof club->badgeFile, "%s", "14\\fehlt.tga");
  const auto invalid = FindInvalidBadges(World(), 0, [](std::string_view badge) { return badge == "14\\fehlt.tga"; });
  ASSERT_EQ(invalid.size(), 1u);
  EXPECT_EQ(invalid[0].clubName, club->Name(0));
  EXPECT_EQ(invalid[0].badge, "14\\fehlt.tga");
}

}  // namespace torvale
