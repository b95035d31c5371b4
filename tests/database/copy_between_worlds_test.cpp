#include <gtest/gtest.h>

#include <cstring>

#include "competition/competition_registry.h"
#include "competition/league.h"
#include "database/world_copy.h"
#include "database/world_database.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

using testing::AddPerson;
using testing::BuildPlayableCountry;
using testing::TestDatabaseEnvironment;

class CopyBetweenWorldsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    source = tables.NewWorld();
    target = tables.NewWorld();
    BuildPlayableCountry(*source, 1, 1);
  }

  // The source's clubs "Verein 1-1" ... "Verein 1-20" under other numbers in the target.
  void AddNamesakesToTarget() {
    CCountry& country = *target->Country(1);
    for (int n = 1; n <= 20; ++n)
      country.AddClub(std::make_unique<CClub>(), static_cast<uint16_t>(100 + n))
          ->SetName(0, "Verein 1-" + std::to_string(n));
  }

  CClub& SourceClub(int country, int number) { return *source->Country(country)->FindClub(MakeClubId(country, number)); }
  CClub& TargetClub(int country, int number) { return *target->Country(country)->FindClub(MakeClubId(country, number)); }

  TestDatabaseEnvironment tables;
  std::unique_ptr<CWorldDatabase> source;
  std::unique_ptr<CWorldDatabase> target;
};

TEST_F(CopyBetweenWorldsTest, ClubWithEveryPartEqualsTheSourceWithItsPersonsNew) {
  AddNamesakesToTarget();
  CClub& from = SourceClub(1, 5);
  SetFixedText(from.website, std::string(100, 'w'));
  from.startingAssets = 4200000;
  from.SetCupWinner(kFirstTeam, true);
  TargetClub(1, 107).SetCupWinner(kFirstTeam, true);  // the target country's cup winner so far
  CClub& to = TargetClub(1, 105);
  const CPlayer& coach = *from.FindPlayer(from.PlayerIds()[2]);
  AddPerson(*target, "Alt", "Person", kRolePlayer, 1, &to);

  ASSERT_TRUE(CopyClub(*source, from, *target, to, kCopyEverything));

  // Every copied field equals the source's; the references name the target's clubs of the same
  // names, and the venue the target's stadium of the same name.
  ClubFields expected = from;
  expected.clubId = to.clubId;
  expected.fanFriendship = from.fanFriendship + 100;
  expected.archRival1 = from.archRival1 + 100;
  expected.homeStadium = to.homeStadium;
  expected.playerCount = to.playerCount;
  expected.players = to.players;
  EXPECT_TRUE(static_cast<const ClubFields&>(to) == expected);
  const CStadium* venue = target->Country(1)->FindStadium(to.homeStadium);
  ASSERT_NE(venue, nullptr);
  EXPECT_EQ(*venue, *source->Country(1)->FindStadium(from.homeStadium));
  EXPECT_FALSE(TargetClub(1, 107).CupWinner(kFirstTeam));

  ASSERT_EQ(to.PlayerIds().size(), from.PlayerIds().size());
  for (size_t i = 0; i < from.PlayerIds().size(); ++i) {
    const CPlayer* original = source->Persons().FindPlayer(from.PlayerIds()[i]);
    const CPlayer* copied = target->Persons().FindPlayer(to.PlayerIds()[i]);
    ASSERT_NE(copied, nullptr);
    PlayerFields expectedPerson = *original;
    expectedPerson.id = copied->id;
    if (original->favouriteClub != 0)  // the reserve team of "Verein 1-3"
      expectedPerson.favouriteClub = MakeClubId(1, 103) | kReserveTeamBit;
    EXPECT_TRUE(static_cast<const PlayerFields&>(*copied) == expectedPerson) << i;
  }
  // The persons are new persons of the target world; the one they replaced has left it.
  EXPECT_EQ(target->Persons().Count(), 3u);
  for (const auto& [id, person] : target->Persons().Persons()) EXPECT_STRNE(person->surname, "Person");
  EXPECT_EQ(coach.role, kRoleCoach);
}

TEST_F(CopyBetweenWorldsTest, ClubPartsTakeOnlyWhatTheirBoxSays) {
  AddNamesakesToTarget();
  CClub& from = SourceClub(1, 5);
  from.startingAssets = 777;
  from.publicCompany = 1;
  CClub& to = TargetClub(1, 105);
  to.foundingYear = 2001;
  CPlayer& keptCoach = AddPerson(*target, "Bleibt", "Trainer", kRoleCoach, 1, &to);
  AddPerson(*target, "Geht", "Spieler", kRolePlayer, 1, &to);
  const ClubFields before = to;

  ASSERT_TRUE(CopyClub(*source, from, *target, to, kCopyClubFinances | kCopyClubFirstTeam));
  EXPECT_EQ(to.startingAssets, 777);
  EXPECT_EQ(to.publicCompany, 1);
  EXPECT_EQ(to.foundingYear, 2001);
  EXPECT_EQ(to.Name(0), before.names[0]);
  EXPECT_EQ(to.kit, before.kit);
  // The first team is replaced, the coach stays.
  ASSERT_EQ(to.PlayerIds().size(), 2u);
  EXPECT_EQ(to.PlayerIds()[0], keptCoach.id);
  const CPlayer* newcomer = to.FindPlayer(to.PlayerIds()[1]);
  ASSERT_NE(newcomer, nullptr);
  EXPECT_EQ(std::string(newcomer->surname), "A5");
  EXPECT_EQ(target->Persons().Count(), 2u);

  EXPECT_FALSE(CopyClub(*source, from, *source, SourceClub(1, 6), kCopyEverything));  // same world
}

TEST_F(CopyBetweenWorldsTest, CountryWithClubsAndFixturesIsPlayableInTheTarget) {
  BuildPlayableCountry(*source, 14, 2);
  const CCountry& from = *source->Country(14);
  ASSERT_TRUE(from.IsPlayable());
  // The target's own German clubs, one of them with a namesake in the source, and references
  // to them from elsewhere in the target world.
  CCountry& germany = *target->Country(14);
  germany.AddClub(std::make_unique<CClub>(), 50)->SetName(0, "Verein 2-3");
  germany.AddClub(std::make_unique<CClub>(), 51)->SetName(0, "Verschwindet");
  CClub* abroad = target->Country(2)->AddClub(std::make_unique<CClub>(), 1);
  CPlayer& fan = AddPerson(*target, "Fan", "Von Weit", kRolePlayer, 2, abroad);
  fan.lastClub = MakeClubId(14, 50);
  fan.favouriteClub = MakeClubId(14, 51) | kReserveTeamBit;
  target->Rules().titleHolders[0] = MakeClubId(14, 50);

  ASSERT_TRUE(CopyCountry(*source, from, *target, germany, kCopyEverything));
  EXPECT_TRUE(germany.IsPlayable());
  // Everything equals the source except the persons' ids, which are the target world's own.
  EXPECT_TRUE(static_cast<const CountryFields&>(germany) == from);
  EXPECT_EQ(germany.Stadiums(), from.Stadiums());
  EXPECT_EQ(germany.Referees(), from.Referees());
  EXPECT_EQ(germany.Sponsors(), from.Sponsors());
  EXPECT_EQ(germany.Staff(), from.Staff());
  EXPECT_EQ(germany.PlayerPool(), from.PlayerPool());
  ASSERT_EQ(germany.Clubs().size(), from.Clubs().size());
  for (const auto& [id, club] : from.Clubs()) {
    const CClub* copied = germany.FindClub(id);
    ASSERT_NE(copied, nullptr);
    ClubFields expected = *club;
    expected.players = copied->players;
    EXPECT_TRUE(static_cast<const ClubFields&>(*copied) == expected) << club->Name(0);
    for (size_t i = 0; i < club->PlayerIds().size(); ++i)
      EXPECT_STREQ(copied->FindPlayer(copied->PlayerIds()[i])->surname, club->FindPlayer(club->PlayerIds()[i])->surname);
  }
  EXPECT_EQ(germany.Name(0), "Deutschland");
  EXPECT_EQ(fan.lastClub, MakeClubId(14, 3));
  EXPECT_EQ(fan.favouriteClub, 0u);
  EXPECT_EQ(target->Rules().titleHolders[0], MakeClubId(14, 3));
  for (int index = 0; index < germany.LeagueCount(); ++index) {
    const auto* league = target->Competitions().Find<CDBLeague>(MakeCompetitionId(14, CompKind::LEAGUE, index));
    ASSERT_NE(league, nullptr);
    for (int t = 0; t < league->NumberOfTeams(); ++t)
      EXPECT_NE(germany.FindClub(league->GetTeam(t)), nullptr) << "league " << index << " team " << t;
  }

  // Still playable after the target world went through its files.
  test::ScratchDir scratch;
  target->SetFolder(scratch.path());
  testing::RecordingSaveReporter reporter;
  ASSERT_TRUE(target->Save(reporter));
  auto reloaded = tables.NewWorld();
  reloaded->Load(scratch.path());
  EXPECT_TRUE(reloaded->Country(14)->IsPlayable());
}

TEST_F(CopyBetweenWorldsTest, CountryOntoAnotherNumberTakesItsCompetitionsAlong) {
  const CCountry& from = *source->Country(1);
  CCountry& spain = *target->Country(45);
  ASSERT_TRUE(CopyCountry(*source, from, *target, spain, kCopyCountryClubsAndFixtures));
  EXPECT_TRUE(spain.IsPlayable());
  EXPECT_EQ(spain.RegularClubCount(), 20);
  EXPECT_EQ(spain.Name(0), "Spanien");
  const auto* league = target->Competitions().Find<CDBLeague>(MakeCompetitionId(45, CompKind::LEAGUE, 0));
  ASSERT_NE(league, nullptr);
  EXPECT_EQ(ClubCountry(league->GetTeam(0)), 45);
  EXPECT_EQ(target->Competitions().FindCompetition(MakeCompetitionId(1, CompKind::LEAGUE, 0)), nullptr);
  // Without the general box the settings stay the target's.
  EXPECT_EQ(spain.averageStrength, 15);
  EXPECT_TRUE(spain.Referees().empty());
}

TEST_F(CopyBetweenWorldsTest, CountryListsReplaceTheTargetsAndMoveItsReferences) {
  CCountry& into = *target->Country(1);
  CClub* club = into.AddClub(std::make_unique<CClub>(), 1);
  CStadium kept;
  SetFixedText(kept.name, "Stadion 2");
  SetFixedText(kept.town, "Stadt 1");
  CStadium lost;
  SetFixedText(lost.name, "Abgerissen");
  into.AddStadium(lost);
  into.AddStadium(kept);
  club->homeStadium = 2;
  club->alternativeStadium = 1;
  CReferee referee;
  SetFixedText(referee.surname, "Alt");
  into.AddReferee(referee);
  SetFixedText(into.CreateAdditionalManager()->surname, "Ehemalig");

  const uint32_t lists = kCopyCountryStadiums | kCopyCountryReferees | kCopyCountryManagers | kCopyCountryYouth;
  ASSERT_TRUE(CopyCountry(*source, *source->Country(1), *target, into, lists));
  EXPECT_EQ(into.Stadiums(), source->Country(1)->Stadiums());
  EXPECT_EQ(club->homeStadium, 2);  // "Stadion 2" keeps its place in the new list
  EXPECT_EQ(club->alternativeStadium, 0);
  EXPECT_EQ(into.Referees(), source->Country(1)->Referees());
  for (const auto& [id, person] : target->Persons().Persons()) EXPECT_STRNE(person->surname, "Ehemalig");
  ASSERT_EQ(into.AdditionalManagers().size(), 2u);
  for (uint32_t id : into.AdditionalManagers()) {
    const CPlayer* manager = target->Persons().FindPlayer(id);
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->lastClub, 0u);  // club 5 of the source has no namesake here
  }
  ASSERT_EQ(into.PlayerPool().size(), source->Country(1)->PlayerPool().size());
  EXPECT_EQ(std::string(into.PlayerPool()[0].surname), "Talent0");
  EXPECT_EQ(into.PlayerPool()[0].preferredClub, 0);
  EXPECT_EQ(into.averageStrength, 15);  // the general settings were not chosen
}

TEST_F(CopyBetweenWorldsTest, ClubDroppedOnACountryFindsItsNamesakeOrBecomesNew) {
  CCountry& into = *target->Country(1);
  CClub* namesake = into.AddClub(std::make_unique<CClub>(), 9);
  namesake->SetName(0, "Verein 1-4");
  CClub* onto = CopyClubIntoCountry(*source, SourceClub(1, 4), *target, into, kCopyClubKit);
  EXPECT_EQ(onto, namesake);
  EXPECT_EQ(onto->kit, SourceClub(1, 4).kit);
  EXPECT_TRUE(onto->PlayerIds().empty());  // only the kit box was ticked

  CClub* added = CopyClubIntoCountry(*source, SourceClub(1, 6), *target, into, kCopyClubKit);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->Number(), 1);
  EXPECT_EQ(added->Name(0), "Verein 1-6");
  EXPECT_EQ(added->PlayerIds().size(), 3u);  // a new club takes everything

  int european = 0;
  for (int n = 1; n <= 206; ++n) european += source->Country(n)->continent == 0 ? 1 : 0;
  EXPECT_EQ(CopyContinent(*source, *target, 0, kCopyCountryGeneral), european);
  EXPECT_EQ(target->Country(1)->averageStrength, source->Country(1)->averageStrength);
}

}  // namespace
}  // namespace torvale
