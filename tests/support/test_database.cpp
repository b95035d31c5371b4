#include "support/test_database.h"

#include <algorithm>
#include <filesystem>

#include "competition/competition_registry.h"
#include "competition/fixture_templates.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "platform/path.h"
#include "world/fixed_text.h"

namespace torvale::testing {

namespace {

const std::string kInstall = std::string(TORVALE_SOURCE_DIR) + "/data/install";

}  // namespace

void PlaceMatchdays(CDBCompetition& node, int firstDay, int step) {
  node.ClearDays();
  for (int m = 1; m <= node.MatchdayCount(); ++m) node.SetDayMatchday(firstDay + step * (m - 1), m);
}

void BuildPlayableLeagues(CCountry& country) {
  const int id = country.CountryNumber();
  CompetitionRegistry& registry = country.Competitions();
  SetLeagueSystem(country, LevelCounts{1, 1, 0, 0, 0}, LevelRules{6, 0, 0, 0, 0});
  for (int index = 0; index < 2; ++index) {
    auto* league = registry.Find<CDBLeague>(LeagueId(id, index));
    league->SetName(index == 0 ? "Erste Liga" : "Zweite Liga");
    league->SetNumberOfTeams(10);
    FillFromTemplate(league->Fixtures(), 10, league->Rounds());
    for (int t = 1; t <= 10; ++t)
      league->AddTeam(MakeClubId(static_cast<uint32_t>(id), static_cast<uint32_t>(index * 10 + t)));
    PlaceMatchdays(*league, 10, 7);
  }
  country.SetNationalCupMode(1);
  country.SetLeagueCupMode(7 | static_cast<int32_t>(kLeagueCupAllLeagues));
  country.SetSuperCupMode(16);
  registry.ForEach([&](CDBCompetition& node) {
    if (node.Country() == id && node.Kind() != CompKind::LEAGUE && node.Kind() != CompKind::ROOT)
      PlaceMatchdays(node, 12, 9);
  });
}

namespace {

void FillSettings(CCountry& country, int flavour) {
  SetFixedText(country.federationName, "Verband" + std::to_string(flavour));
  SetFixedText(country.presidentFirstName, "Otto");
  SetFixedText(country.presidentSurname, "Praesident");
  country.presidentBirthDate = DATE::FromCivil(1950, 3, 4 + flavour);
  SetFixedText(country.reporters[kReporterStadium].surname, "Reporter");
  country.languageShares = {70, 30, 0, 0};
  country.winterBreak = 1;
  country.indoorTournament = 1;
  country.climate = static_cast<uint8_t>(flavour % 5);
  country.tieBreakRules = {1, 0, 0, 0, 0};
  country.foreignPlayerLimits = {2, 3, 0, 0, 0};
  country.yellowCardLeagueRule = 0x83;
  country.redCardOptions = kRedCardFixedDuration;
  country.suspensionScope = kScopeYellowRedAll;
  country.yellowRedBanLevels = 0x05;
  country.moveAbroadProbability = 35;
  country.masterValues = {1, 2, 3, 4, 5, static_cast<uint16_t>(flavour)};
  country.levelValuesA = {1, 1, 0, 0, 0};
  country.averageStrength = static_cast<uint8_t>(18 + flavour);
  country.nationalNewspaper = "Zeitung " + std::to_string(flavour);
  country.notes = "erste Zeile\r\nzweite Zeile";
  country.continentalTitles = 3;
  country.worldChampionshipFinals = 2;
  country.youthMasks = {15, 7, 1023, 63, 0x3FFFFFE};
  country.youthHeight = 182;
  country.fiveYearPoints = {120, 340, 560, 0, 10, static_cast<uint16_t>(flavour)};
  SetFixedText(country.nationalCoach.surname, "Bundestrainer");
  country.nationalCoach.birthDate = DATE::FromCivil(1960, 1, 1);
}

void FillLists(CCountry& country, int flavour) {
  for (int i = 1; i <= 3; ++i) {
    CReferee referee;
    SetFixedText(referee.firstName, "Schiri");
    SetFixedText(referee.surname, "Nummer" + std::to_string(i));
    referee.character = static_cast<int8_t>(i);
    country.AddReferee(referee);
    CStaffMember staff;
    SetFixedText(staff.surname, "Angestellter" + std::to_string(i));
    staff.job = 10 + i;
    country.AddStaff(staff);
  }
  CSponsor sponsor;
  SetFixedText(sponsor.name, "Sponsor AG");
  sponsor.value = 5000 * flavour;
  country.AddSponsor(sponsor);
  for (int i = 1; i <= 2; ++i) {
    CStadium stadium;
    SetFixedText(stadium.name, "Stadion " + std::to_string(i));
    SetFixedText(stadium.town, "Stadt " + std::to_string(flavour));
    stadium.seats[kStandMain] = 10000 * i;
    stadium.standing[kStandNorth] = 5000;
    stadium.SetType(static_cast<uint8_t>(i));
    country.AddStadium(stadium);
  }
  country.cupFinalStadium = 2;
  for (int i = 0; i < 2; ++i) {
    CPlayer* manager = country.CreateAdditionalManager();
    SetFixedText(manager->surname, "Manager" + std::to_string(i));
    manager->lastClub = MakeClubId(static_cast<uint32_t>(country.CountryNumber()), 5);
  }
  // Reading gives every country 22 pool entries per club before the pool is read.
  country.ResizePlayerPool(static_cast<int>(country.Clubs().size()) * kPoolEntriesPerClub);
  for (int i = 0; i < 4; ++i) {
    CPlayerPoolEntry& entry = country.PlayerPool()[static_cast<size_t>(i)];
    SetFixedText(entry.firstName, "Jugend");
    SetFixedText(entry.surname, "Talent" + std::to_string(i));
    entry.ability = static_cast<uint8_t>(i + 1);
    entry.preferredClub = static_cast<int32_t>(MakeClubId(static_cast<uint32_t>(country.CountryNumber()), 2));
  }
}

}  // namespace

TestDatabaseEnvironment::TestDatabaseEnvironment() {
  allocations_.LoadCupAllocations(kInstall + "/script");
  environment_.countryIndexPath = kInstall + "/database/countries.sav";
  environment_.scriptFolder = kInstall + "/script";
  environment_.cupAllocations = &allocations_;
}

std::unique_ptr<CWorldDatabase> TestDatabaseEnvironment::NewWorld() const {
  auto world = std::make_unique<CWorldDatabase>(environment_);
  world->InitEmptyWorld();
  return world;
}

CPlayer& AddPerson(CWorldDatabase& world, std::string_view firstName, std::string_view surname, int8_t role,
                   uint8_t nationality, CClub* club) {
  CPlayer* person = world.Persons().CreatePlayer(0, true);
  person->InitDefaults(role, nationality);
  SetFixedText(person->firstName, firstName);
  SetFixedText(person->surname, surname);
  if (club) club->AddPlayer(person->id);
  return *person;
}

void BuildPlayableCountry(CWorldDatabase& world, int countryNumber, int flavour) {
  CCountry& country = *world.Country(countryNumber);
  const auto nation = static_cast<uint8_t>(countryNumber);
  for (int n = 1; n <= 20; ++n) {
    CClub* club = country.AddClub(std::make_unique<CClub>(), static_cast<uint16_t>(n));
    for (int language = 0; language < kClubLanguages; ++language)
      club->SetName(language, "Verein " + std::to_string(flavour) + "-" + std::to_string(n));
    club->SetTown(0, "Ort " + std::to_string(n));
    club->foundingYear = static_cast<uint16_t>(1880 + n);
    // Friends and rivals are club numbers of the same country.
    club->fanFriendship = static_cast<uint32_t>(n % 20 + 1);
    club->archRival1 = static_cast<uint32_t>((n + 1) % 20 + 1);
    club->homeStadium = 1 + n % 2;
    club->facilities[kClubCentre] = 2;
    club->titles[kChampionships] = "1950,1951";
    club->records[kRecordHomeWin].goalsFor = 7;
    club->records[kRecordHomeWin].opponent = "Gegner";
    club->kit.outfits[1].colours[3] = static_cast<uint8_t>(n);
    club->latitude = MakeLatitude(false, 50, n);
    club->preferredCountries[0] = 14;
    club->youthOrigin = nation;
    AddPerson(world, "Spieler", "A" + std::to_string(n), kRolePlayer, nation, club).mainPosition = 3;
    CPlayer& reserve = AddPerson(world, "Spieler", "B" + std::to_string(n), kRolePlayer, nation, club);
    reserve.team = 1;
    reserve.favouriteClub = MakeClubId(nation, 3) | kReserveTeamBit;
    AddPerson(world, "Trainer", "C" + std::to_string(n), kRoleCoach, nation, club);
  }
  // The amateur club is read after the others, so its persons come last.
  AddPerson(world, "Amateur", "Spieler", kRolePlayer, nation, country.AmateurClub());
  BuildPlayableLeagues(country);
  FillSettings(country, flavour);
  FillLists(country, flavour);
}

std::vector<std::pair<std::string, std::string>> FolderContents(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::string content;
    if (entry.is_regular_file()) ReadWholeFile(entry.path().string(), content);
    files.emplace_back(entry.path().filename().string(), std::move(content));
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::string> DifferingFiles(const std::vector<std::pair<std::string, std::string>>& a,
                                        const std::vector<std::pair<std::string, std::string>>& b) {
  std::vector<std::string> names;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i] != b[i]) names.push_back(a[i].first);
  if (a.size() != b.size()) names.push_back("(number of files)");
  return names;
}

}  // namespace torvale::testing
