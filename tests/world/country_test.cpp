#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "competition/competition_registry.h"
#include "competition/cup.h"
#include "competition/fixture_templates.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "country_test_world.h"
#include "world/country.h"

namespace torvale {
namespace {

using testing::BuildPlayableLeagues;
using testing::Club;
using testing::CountryTestWorld;
using testing::PersonBuilder;

constexpr int kGermany = 14;
constexpr int kSpain = 45;

TEST(CountryListsTest, NumbersAreTheLowestFreeUpToTheLimit) {
  CountryTestWorld world;
  CCountry& country = world.AddCountry(kGermany, "Deutschland", "GER");

  for (int i = 1; i <= kMaxSponsors; ++i) EXPECT_EQ(country.AddSponsor(CSponsor{}), i);
  EXPECT_EQ(country.AddSponsor(CSponsor{}), 0) << "a 41st sponsor";
  EXPECT_EQ(country.Sponsors().size(), 40u);
  EXPECT_TRUE(country.RemoveSponsor(3));
  EXPECT_EQ(country.AddSponsor(CSponsor{}), 3);

  for (int i = 1; i <= kMaxReferees; ++i) ASSERT_EQ(country.AddReferee(CReferee{}), i);
  EXPECT_EQ(country.AddReferee(CReferee{}), 0);
  for (int i = 1; i <= kMaxStaff; ++i) ASSERT_EQ(country.AddStaff(CStaffMember{}), i);
  EXPECT_EQ(country.AddStaff(CStaffMember{}), 0);
  for (int i = 1; i <= kMaxStadiums; ++i) ASSERT_EQ(country.AddStadium(CStadium{}), i);
  EXPECT_EQ(country.AddStadium(CStadium{}), 0);
  country.RemoveStadium(1);
  country.RemoveStadium(250);
  EXPECT_EQ(country.AddStadium(CStadium{}), 1);
  EXPECT_EQ(country.AddStadium(CStadium{}), 250);
}

TEST(CountryListsTest, StadiumsAreSavedUnderTheirPosition) {
  CountryTestWorld world;
  CCountry& country = world.AddCountry(kGermany, "Deutschland", "GER");
  for (int i = 0; i < 4; ++i) country.AddStadium(CStadium{});
  country.RemoveStadium(2);
  EXPECT_EQ(country.SavedStadiumPosition(0), 0) << "none stays none";
  EXPECT_EQ(country.SavedStadiumPosition(1), 1);
  EXPECT_EQ(country.SavedStadiumPosition(3), 2);
  EXPECT_EQ(country.SavedStadiumPosition(2), 1) << "a stadium that is gone: the count below it";
  EXPECT_EQ(country.SavedStadiumPosition(900), 3);
}

TEST(CountryClubsTest, AddFindAndTheAmateurClub) {
  CountryTestWorld world;
  CCountry& country = world.AddCountry(kGermany, "Deutschland", "GER");
  CClub* amateur = country.AmateurClub();
  ASSERT_NE(amateur, nullptr);
  EXPECT_EQ(amateur->Name(0), "Deutschland");
  EXPECT_EQ(amateur->Name(3), "Deutschland-3");
  EXPECT_EQ(amateur->ShortName(2), "GER");

  CClub* seven = country.AddClub(std::make_unique<CClub>(), 7);
  ASSERT_NE(seven, nullptr);
  EXPECT_EQ(seven->clubId, Club(kGermany, 7));
  EXPECT_EQ(seven->World(), &world.people.Persons());
  EXPECT_EQ(country.AddClub(std::make_unique<CClub>(), 7), nullptr) << "a taken number keeps its club";
  EXPECT_EQ(country.FindClub(Club(kGermany, 7)), seven);
  EXPECT_EQ(country.AddClub(std::make_unique<CClub>(), 0), nullptr);

  EXPECT_EQ(country.AddNewClub(std::make_unique<CClub>())->Number(), 1);
  EXPECT_EQ(country.AddNewClub(std::make_unique<CClub>())->Number(), 2);
  country.RemoveClub(Club(kGermany, 1));
  EXPECT_EQ(country.AddNewClub(std::make_unique<CClub>())->Number(), 1);
  EXPECT_EQ(country.RegularClubCount(), 3);

  seven->SetName(0, "Eintracht");
  EXPECT_EQ(country.FindClub(Club(kGermany, 7) | kReserveTeamBit), seven);
  EXPECT_EQ(country.ClubName(Club(kGermany, 7)), "Eintracht");
  EXPECT_EQ(country.ClubName(Club(kGermany, 7) | kReserveTeamBit), "Eintracht (A)");
  EXPECT_EQ(country.ClubName(Club(kGermany, 8)), "");

  CCountry& spain = world.AddCountry(kSpain, "Spanien", "ESP");
  spain.AddClub(std::make_unique<CClub>(), 4)->SetName(0, "Real");
  EXPECT_EQ(country.ClubName(Club(kSpain, 4)), "Real") << "clubs of other countries by the world";
  EXPECT_EQ(country.ClubName(Club(99, 4)), "");
}

TEST(CountryClubsTest, SavedIdsFollowTheNumberingReadingWillProduce) {
  CountryTestWorld world;
  CCountry& germany = world.AddCountry(kGermany, "Deutschland", "GER");
  CCountry& spain = world.AddCountry(kSpain, "Spanien", "ESP");
  for (int number : {20, 3, 7}) germany.AddClub(std::make_unique<CClub>(), static_cast<uint16_t>(number));
  spain.AddClub(std::make_unique<CClub>(), 9);

  EXPECT_EQ(germany.SavedClubId(Club(kGermany, 3)), Club(kGermany, 1));
  EXPECT_EQ(germany.SavedClubId(Club(kGermany, 7)), Club(kGermany, 2));
  EXPECT_EQ(germany.SavedClubId(Club(kGermany, 20)), Club(kGermany, 3));
  EXPECT_EQ(germany.SavedClubId(Club(kGermany, 7) | kReserveTeamBit), Club(kGermany, 2) | kReserveTeamBit);
  EXPECT_EQ(germany.SavedClubId(Club(kGermany, 0xFFFF)), Club(kGermany, 0xFFFF)) << "the amateur club as it is";
  EXPECT_EQ(germany.SavedClubId(Club(kGermany, 5)), 0u) << "no such club";
  EXPECT_EQ(germany.SavedClubId(0), 0u);

  // References into another country go by that country's numbering.
  EXPECT_EQ(spain.SavedClubId(Club(kGermany, 7)), Club(kGermany, 2));
  EXPECT_EQ(spain.SavedClubId(Club(kSpain, 9)), Club(kSpain, 1));
  EXPECT_EQ(spain.SavedClubId(Club(120, 1)), 0u) << "a country the world does not have";

  // The numbering follows every change of the club map.
  germany.AddClub(std::make_unique<CClub>(), 1);
  EXPECT_EQ(spain.SavedClubId(Club(kGermany, 7)), Club(kGermany, 3));
  germany.RemoveClub(Club(kGermany, 3));
  EXPECT_EQ(spain.SavedClubId(Club(kGermany, 7)), Club(kGermany, 2));
  EXPECT_EQ(spain.SavedClubId(Club(kGermany, 3)), 0u);
}

TEST(CountryTest, ResetKeepsOnlyIdAndWorld) {
  CountryTestWorld world;
  CCountry& country = world.AddCountry(kGermany, "Deutschland", "GER");
  country.AddClub(std::make_unique<CClub>(), 3)->AddPlayer(world.people.AddPerson(PersonBuilder()).id);
  country.CreateAdditionalManager();
  country.AddStadium(CStadium{});
  country.averageStrength = 3;
  country.Reset();
  EXPECT_TRUE(country.SameData(CCountry(kGermany)));
  EXPECT_EQ(world.people.Persons().Count(), 0u);
  EXPECT_EQ(country.Context().persons, &world.people.Persons());
}

TEST(CountryTest, PlayerPoolGrowsOnlyAndCarriesTheCountry) {
  CountryTestWorld world;
  CCountry& country = world.AddCountry(kGermany, "Deutschland", "GER");
  country.ResizePlayerPool(3);
  ASSERT_EQ(country.PlayerPoolSize(), 3);
  EXPECT_EQ(country.PlayerPool()[2].nationality, kGermany);
  EXPECT_FALSE(country.PlayerPool()[2].InUse());
  country.PlayerPool()[0].ability = 9;
  country.ResizePlayerPool(1);
  EXPECT_EQ(country.PlayerPoolSize(), 3);
  EXPECT_EQ(country.PlayerPool()[0].ability, 9);
}

TEST(CountryTest, AdditionalManagersArePersonsOfTheWorld) {
  CountryTestWorld world;
  CCountry& country = world.AddCountry(kGermany, "Deutschland", "GER");
  CPlayer* manager = country.CreateAdditionalManager();
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->role, kRoleManager);
  EXPECT_EQ(manager->nationality, kGermany);
  const uint32_t id = manager->id;
  EXPECT_TRUE(country.AdditionalManagers().contains(id));
  EXPECT_FALSE(country.AddAdditionalManager(999999)) << "only persons the world has";
  EXPECT_TRUE(country.RemoveAdditionalManager(id));
  EXPECT_EQ(world.people.Persons().FindPlayer(id), nullptr);
}

struct LanguageCase {
  std::array<uint8_t, 4> languages;
  std::array<uint8_t, 4> shares;
  std::array<uint8_t, 4> expectedLanguages;
  std::array<uint8_t, 4> expectedShares;
};

TEST(CountryTest, NormaliseLanguages) {
  constexpr uint8_t kGerman = 10, kEnglish = 12, kFrench = 15, kTurkish = 40;
  const LanguageCase cases[] = {
      // Too much in total: the excess comes off the last slots first.
      {{kGerman, kEnglish, kFrench, 0}, {60, 30, 30, 0}, {kGerman, kEnglish, kFrench, 0}, {60, 30, 10, 0}},
      // Too little: the first slot takes the rest.
      {{kGerman, kEnglish, 0, 0}, {50, 20, 0, 0}, {kGerman, kEnglish, 0, 0}, {80, 20, 0, 0}},
      // A repeated language goes with its share.
      {{kGerman, kGerman, kEnglish, 0}, {60, 30, 10, 0}, {kGerman, kEnglish, 0, 0}, {90, 10, 0, 0}},
      // Two empty slots in a row leave no gap.
      {{kGerman, 0, 0, kEnglish}, {50, 10, 10, 40}, {kGerman, kEnglish, 0, 0}, {60, 40, 0, 0}},
      // An empty first slot takes the fallback language.
      {{0, 0, 0, 0}, {0, 0, 0, 0}, {kTurkish, 0, 0, 0}, {100, 0, 0, 0}},
      {{0, kEnglish, kFrench, kEnglish}, {5, 50, 70, 10}, {kEnglish, kFrench, 0, 0}, {50, 50, 0, 0}},
  };
  for (const LanguageCase& c : cases) {
    CCountry country(kGermany);
    country.SetFallbackLanguage(kTurkish);
    country.languages = c.languages;
    country.languageShares = c.shares;
    country.NormaliseLanguages();
    EXPECT_EQ(country.languages, c.expectedLanguages);
    EXPECT_EQ(country.languageShares, c.expectedShares);
  }
}

TEST(CountryTest, PackedSettingsChangeOnlyTheirBits) {
  CCountry country(kGermany);
  country.yellowCardLeagueRule = 3;
  country.SetYellowCountsAfterYellowRed(false, true);
  country.SetYellowCardRule(false, 5);
  EXPECT_EQ(country.yellowCardLeagueRule, 0x85);
  EXPECT_EQ(country.yellowCardCupRule, 0);
  country.redCardOptions = 0x21;
  country.SetRedCardFixedDuration(true);
  EXPECT_EQ(country.redCardOptions, 0x31);
  country.SetYouthLook(kYouthFaces, 20, true);
  country.SetYouthLook(kYouthFaces, 0, false);
  EXPECT_EQ(country.youthMasks[kYouthFaces], (1u << 20) | 14u);

  for (int season = 0; season < kFiveYearSeasons; ++season)
    country.SetFiveYearPoints(season, static_cast<uint16_t>(100 * (season + 1)));
  EXPECT_EQ(country.FiveYearTotal(), 200u + 300 + 400 + 500 + 600) << "the last season does not count yet";
}

class PlayableCountryTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildPlayableLeagues(world_, country_); }

  CDBLeague& League(int index) { return *world_.registry.Find<CDBLeague>(LeagueId(kGermany, index)); }

  CountryTestWorld world_;
  CCountry& country_ = world_.AddCountry(kGermany, "Deutschland", "GER");
};

TEST_F(PlayableCountryTest, LeagueSystemFieldsAndClubCount) {
  EXPECT_EQ(country_.leagueCount, 2);
  EXPECT_EQ(country_.FirstLeague(1), 1);
  EXPECT_EQ(country_.EndLeague(1), 2);
  EXPECT_EQ(country_.LevelRelegationRule(0), 6);
  EXPECT_NE(world_.registry.FindCompetition(MakeCompetitionId(kGermany, CompKind::REL1, 0)), nullptr);
  // 10 + 10 teams, and four amateur places per league of the lowest level.
  EXPECT_EQ(country_.ClubsInLeagueSystem(), 24);
  EXPECT_FALSE(country_.HasStandardLeagueSystem());
}

TEST_F(PlayableCountryTest, PlayableOnlyWhenEverythingHolds) {
  EXPECT_TRUE(country_.IsPlayable());

  League(0).SetNumberOfTeams(9);
  EXPECT_FALSE(country_.IsPlayable()) << "a first league below 10 teams";
  League(0).SetNumberOfTeams(10);
  FillFromTemplate(League(0).Fixtures(), 10, 2);
  EXPECT_TRUE(country_.IsPlayable());

  League(1).RemoveTeam(League(1).GetTeam(0));
  EXPECT_FALSE(country_.IsPlayable()) << "a league short of teams";
  League(1).AddTeam(MakeClubId(kGermany, 11));
  ASSERT_TRUE(country_.IsPlayable());

  CDBCompetition* cup = world_.registry.FindCompetition(MakeCompetitionId(kGermany, CompKind::SUPERCUP, 0));
  cup->ClearDays();
  EXPECT_FALSE(country_.IsPlayable()) << "a cup whose matchdays have no day";
  testing::PlaceMatchdays(*cup, 12, 9);
  ASSERT_TRUE(country_.IsPlayable());

  // A team doctor in a club without a medical department fails the club check.
  CClub* club = country_.FindClub(MakeClubId(kGermany, 5));
  const uint32_t doctor = world_.people.AddPerson(PersonBuilder().Role(kRoleTeamDoctor)).id;
  club->facilities[kClubCentre] = 3;
  club->AddPlayer(doctor);
  EXPECT_FALSE(country_.IsPlayable());
  club->RemovePlayer(doctor);
  ASSERT_TRUE(country_.IsPlayable());

  // Ten clubs are needed, and the amateur club counts.
  for (int n = 10; n <= 20; ++n) country_.RemoveClub(MakeClubId(kGermany, n));
  EXPECT_TRUE(country_.IsPlayable());
  country_.RemoveClub(MakeClubId(kGermany, 9));
  EXPECT_FALSE(country_.IsPlayable());
}

TEST_F(PlayableCountryTest, CupModesReplaceTheirCups) {
  const CompetitionId faCup = MakeCompetitionId(kGermany, CompKind::FA_CUP, 0);
  const CompetitionId leCup = MakeCompetitionId(kGermany, CompKind::LE_CUP, 0);
  auto& root = *world_.registry.Find<CDBRoot>(MakeCompetitionId(kGermany, CompKind::ROOT, 0));
  EXPECT_EQ(root.CupId(CompKind::FA_CUP), faCup);
  EXPECT_EQ(world_.registry.Find<CDBCup>(leCup)->GetAllocation(), 65543);

  // The same mode keeps the cup with its days.
  const int firstDay = world_.registry.FindCompetition(faCup)->DayMatchday(12);
  country_.SetNationalCupMode(1);
  EXPECT_EQ(world_.registry.FindCompetition(faCup)->DayMatchday(12), firstDay);
  EXPECT_NE(firstDay, 0);

  country_.SetNationalCupMode(3);
  EXPECT_EQ(country_.nationalCupMode, 3);
  EXPECT_EQ(world_.registry.Find<CDBCup>(faCup)->GetAllocation(), 3);
  EXPECT_EQ(world_.registry.FindCompetition(faCup)->DayMatchday(12), 0) << "a fresh cup";
  country_.SetNationalCupMode(0);
  EXPECT_EQ(world_.registry.FindCompetition(faCup), nullptr);
  EXPECT_EQ(root.CupId(CompKind::FA_CUP), 0u);

  // A new league cup mode takes the shield of older files with it.
  auto shield = std::make_unique<CDBCup>();
  shield->SetId(MakeCompetitionId(kGermany, CompKind::CHALLENGE_SHIELD, 0));
  world_.registry.RegisterCompetition(std::move(shield));
  country_.SetLeagueCupMode(6);
  EXPECT_EQ(world_.registry.FindCompetition(MakeCompetitionId(kGermany, CompKind::CHALLENGE_SHIELD, 0)), nullptr);
  EXPECT_EQ(world_.registry.Find<CDBCup>(leCup)->GetAllocation(), 6);
}

TEST(CountryLeagueSystemTest, StandardSystem) {
  CountryTestWorld world;
  CCountry& country = world.AddCountry(kGermany, "Deutschland", "GER");
  SetLeagueSystem(country, LevelCounts{1, 1, 1, 1, 1}, LevelRules{});
  EXPECT_TRUE(country.HasStandardLeagueSystem());
  world.registry.Find<CDBLeague>(LeagueId(kGermany, 3))->SetNumberOfTeams(16);
  EXPECT_FALSE(country.HasStandardLeagueSystem());
  SetLeagueSystem(country, LevelCounts{1, 2, 1, 1, 0}, LevelRules{});
  EXPECT_FALSE(country.HasStandardLeagueSystem());
}

}  // namespace
}  // namespace torvale
