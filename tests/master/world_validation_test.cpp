// The world validation over the sample installation: the sample itself has no errors, and
// breaking one thing at a time adds exactly the finding (or findings) that thing causes.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "competition/competition_registry.h"
#include "competition/league.h"
#include "master/world_validation.h"
#include "persons/squad_rules.h"
#include "platform/command_line.h"
#include "support/sample_world.h"
#include "support/test_database.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

constexpr int kGermany = 14;

ValidationReport Validate(testing::SampleWorld& sample) {
  ValidationOptions options;
  options.badges = &sample.badges;
  return ValidateWorld(*sample.world, options);
}

// The findings of `after` that `before` does not have (each finding of `before` cancels one).
std::vector<ValidationFinding> Added(const ValidationReport& before, const ValidationReport& after) {
  std::vector<ValidationFinding> left = after.findings;
  for (const ValidationFinding& old : before.findings)
    if (auto it = std::find(left.begin(), left.end(), old); it != left.end()) left.erase(it);
  return left;
}

CCountry& Germany(testing::SampleWorld& sample) { return *sample.world->Country(kGermany); }

CDBLeague& FirstLeague(testing::SampleWorld& sample) {
  return *sample.world->Competitions().Find<CDBLeague>(MakeCompetitionId(kGermany, CompKind::LEAGUE, 0));
}

// The first regular club of Germany and its first person of `role` (a player for 0, else any
// official or employee of at least that role).
CClub& SomeClub(testing::SampleWorld& sample, int which = 0) {
  for (const auto& [id, club] : Germany(sample).Clubs())
    if (club->Number() != kAmateurClubNumber && which-- == 0) return *club;
  throw std::logic_error("no club");
}

uint32_t PersonOfRole(testing::SampleWorld& sample, const CClub& club, int minimumRole) {
  for (uint32_t id : club.PlayerIds()) {
    const CPlayer* person = sample.world->Persons().FindPlayer(id);
    if (person && (minimumRole == 0 ? person->role == 0 : person->role >= minimumRole)) return id;
  }
  return 0;
}

struct Expected {
  FindingSeverity severity;
  FindingKind kind;
  uint32_t code = 0;
};

// Breaks one thing in a fresh sample world and compares what the validation adds.
void ExpectBreakAdds(const char* what, const std::function<void(testing::SampleWorld&)>& breakIt,
                     std::vector<Expected> expected) {
  SCOPED_TRACE(what);
  auto sample = testing::LoadSampleWorld();
  const ValidationReport before = Validate(*sample);
  breakIt(*sample);
  const std::vector<ValidationFinding> added = Added(before, Validate(*sample));
  std::string texts;
  for (const ValidationFinding& finding : added) texts += finding.text + "\n";
  ASSERT_EQ(added.size(), expected.size()) << texts;
  for (size_t i = 0; i < added.size(); ++i) {
    EXPECT_EQ(added[i].severity, expected[i].severity) << added[i].text;
    EXPECT_EQ(added[i].kind, expected[i].kind) << added[i].text;
    EXPECT_EQ(added[i].code, expected[i].code) << added[i].text;
    EXPECT_FALSE(added[i].text.empty());
  }
}

TEST(WorldValidation, TheSampleInstallationHasNoErrorsOnlyItsIncompleteBadge) {
  auto sample = testing::LoadSampleWorld();
  const ValidationReport report = Validate(*sample);
  EXPECT_EQ(report.ErrorCount(), 0);
  ASSERT_EQ(report.findings.size(), 1u) << report.findings.front().text;
  EXPECT_EQ(report.findings[0].kind, FindingKind::kMissingBadge);
  EXPECT_NE(report.findings[0].clubId, 0u);
  EXPECT_NE(report.findings[0].text.find("Badge180"), std::string::npos);
}

TEST(WorldValidation, EachBrokenThingAddsExactlyItsFindings) {
  using S = FindingSeverity;
  using K = FindingKind;
  ExpectBreakAdds("a league with a missing matchday", [](testing::SampleWorld& s) {
    CDBLeague& league = FirstLeague(s);
    int day = 0;
    while (league.DayMatchday(day) == 0) ++day;
    league.RemoveMatchday(day);
  }, {{S::kError, K::kCountryNotPlayable, kPlayableCompetitionProblem},
      {S::kError, K::kCompetition, ConsistencyBit::kMatchdaysNotPlaced}});

  ExpectBreakAdds("a playable country made unplayable by a club's facilities", [](testing::SampleWorld& s) {
    CClub& club = SomeClub(s);
    ASSERT_NE(PersonOfRole(s, club, kRoleAssistantCoach), 0u);
    club.facilities[kClubCentre] = 0;
  }, {{S::kError, K::kCountryNotPlayable, kPlayableClubCheckFails},
      {S::kError, K::kClubCheck, kCheckNoEmployeesInShed}});

  ExpectBreakAdds("a club with 13 players in the first team", [](testing::SampleWorld& s) {
    CClub& club = SomeClub(s);
    int firstTeam = 0;
    for (uint32_t id : club.PlayerIds()) {
      CPlayer& person = *s.world->Persons().FindPlayer(id);
      if (person.role != kRolePlayer || person.team != 0) continue;
      if (++firstTeam > 13) person.team = 1;
    }
  }, {{S::kWarning, K::kSquadCheck, kSquadTooFewPlayers}});

  ExpectBreakAdds("a duplicate pair: same name, same birth date", [](testing::SampleWorld& s) {
    const CPlayer& original = *s.world->Persons().FindPlayer(PersonOfRole(s, SomeClub(s, 0), 0));
    CPlayer& twin = *s.world->Persons().FindPlayer(PersonOfRole(s, SomeClub(s, 1), 0));
    std::copy(std::begin(original.firstName), std::end(original.firstName), std::begin(twin.firstName));
    std::copy(std::begin(original.surname), std::end(original.surname), std::begin(twin.surname));
    twin.birthDate = original.birthDate;
  }, {{S::kWarning, K::kDuplicatePerson}});

  ExpectBreakAdds("a badge path that does not exist", [](testing::SampleWorld& s) {
    SetFixedText(SomeClub(s).badgeFile, "Deutschland\\Badge180\\Fehlt.tga");
  }, {{S::kWarning, K::kMissingBadge}});

  ExpectBreakAdds("a league team that is no club", [](testing::SampleWorld& s) {
    CDBLeague& league = FirstLeague(s);
    const uint32_t team = league.GetTeam(3);
    league.RemoveTeam(team);
    league.InsertTeam(3, MakeClubId(kGermany, 999));
  }, {{S::kError, K::kMissingClub}});

  ExpectBreakAdds("references to a club and stadiums that do not exist", [](testing::SampleWorld& s) {
    CClub& club = SomeClub(s);
    club.archRival1 = 999;
    club.homeStadium = 499;
    s.world->Rules().finalVenues[0] = (kGermany << 16) | 498;
  }, {{S::kWarning, K::kMissingStadium}, {S::kWarning, K::kMissingClub}, {S::kWarning, K::kMissingStadium}});

  ExpectBreakAdds("persons listed nowhere, twice, or missing", [](testing::SampleWorld& s) {
    CClub& first = SomeClub(s, 0);
    CClub& second = SomeClub(s, 1);
    const uint32_t dropped = PersonOfRole(s, first, 0);
    first.RemovePlayer(dropped);
    second.AddPlayer(PersonOfRole(s, first, 0));
    second.AddPlayer(0x7FFFFFF0);
  }, {{S::kWarning, K::kUnlistedPerson}, {S::kWarning, K::kPersonListedTwice}, {S::kError, K::kMissingPerson}});

  ExpectBreakAdds("a name longer than the game keeps", [](testing::SampleWorld& s) {
    FirstLeague(s).SetName("Eine sehr lange Bezeichnung der ersten Liga");
  }, {{S::kWarning, K::kNameTooLong}});
}

TEST(WorldValidation, AWorldWithoutAPlayableCountryCannotBeBuilt) {
  testing::TestDatabaseEnvironment environment;
  std::unique_ptr<CWorldDatabase> world = environment.NewWorld();
  ValidationReport report = ValidateWorld(*world);
  ASSERT_EQ(report.findings.size(), 1u);
  EXPECT_EQ(report.findings[0].kind, FindingKind::kNoCompleteCountry);
  EXPECT_EQ(report.findings[0].country, 0);

  // A league system too small to play is an error of its own; the console build leaves out a
  // playable country that is not on its list.
  testing::BuildPlayableCountry(*world, 14, 1);
  testing::BuildPlayableCountry(*world, 15, 2);
  world->Competitions().Find<CDBLeague>(MakeCompetitionId(15, CompKind::LEAGUE, 0))->SetNumberOfTeams(9);
  ValidationOptions console;
  console.masterFlags = kMasterBuildPs2;
  report = ValidateWorld(*world, console);
  std::vector<std::pair<int, FindingKind>> found;
  for (const ValidationFinding& f : report.findings) found.emplace_back(f.country, f.kind);
  EXPECT_TRUE(std::find(found.begin(), found.end(), std::pair{15, FindingKind::kCountryNotPlayable}) != found.end());
  EXPECT_TRUE(std::find(found.begin(), found.end(), std::pair{0, FindingKind::kNoCompleteCountry}) == found.end());
  EXPECT_TRUE(std::find(found.begin(), found.end(), std::pair{14, FindingKind::kNotOnConsoleList}) == found.end())
      << "14 is on the console list";
  EXPECT_TRUE(report.HasErrors());
}

TEST(WorldValidation, TheReportTextGroupsByCountryAndCounts) {
  auto sample = testing::LoadSampleWorld();
  SomeClub(*sample).facilities[kClubCentre] = 0;
  const ValidationReport report = Validate(*sample);
  const std::string text = FormatValidationReport(*sample->world, report);
  EXPECT_NE(text.find("Deutschland\n  Fehler:  Das Land wird im Spiel nicht angeboten: "), std::string::npos) << text;
  EXPECT_NE(text.find("Schottland\n  Warnung: Der Verein "), std::string::npos) << text;
  EXPECT_NE(text.find("\n2 Fehler, 1 Warnung\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace torvale
