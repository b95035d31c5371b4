#include "exchange/sample_world_generator.h"

#include <algorithm>
#include <cctype>
#include <array>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "competition/competition_id.h"
#include "competition/competition_registry.h"
#include "competition/fixture_templates.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "exchange/name_generator.h"
#include "exchange/sample_towns.h"
#include "database/world_database.h"
#include "platform/text_encoding.h"
#include "world/fixed_text.h"

namespace torvale {

namespace {

// ---------------------------------------------------------------- designs of the countries

// How a country's league system looks. Between them the designs use every relegation rule the
// editor offers (0-5, the three English play-offs, the Scottish split, the Swiss play-off) and
// every cup mode.
struct CountryDesign {
  int country;
  LevelCounts leagues;                    // leagues per level
  std::array<int, kLeagueLevels> teams;   // teams per league of the level
  LevelRules rules;
  int topRounds;                          // how often the teams of league 0 meet
  int32_t nationalCup, leagueCup, superCup;
  int clubsOutsideLeagues;                // clubs of the lower football that play in no league
  int reserveLevel;                       // reserve teams play from this level on (5 = nowhere)
  uint8_t winterBreak, climate;
};

constexpr int32_t kEnglishAllLeagues = 7 | 0x10000;

constexpr std::array<CountryDesign, 22> kDesigns = {{
    {4, {1, 1, 0, 0, 0}, {16, 16, 0, 0, 0}, {2, 0, 0, 0, 0}, 2, 1, 0, 15, 0, 5, 1, 1},
    {7, {1, 1, 0, 0, 0}, {12, 12, 0, 0, 0}, {1, 0, 0, 0, 0}, 3, 3, 0, 0, 0, 5, 1, 0},
    {12, {1, 1, 1, 1, 0}, {16, 16, 16, 16, 0}, {6, 7, 8, 0, 0}, 2, 2, kEnglishAllLeagues, 15, 0, 5, 0, 2},
    {13, {1, 1, 1, 0, 0}, {18, 18, 16, 0, 0}, {3, 3, 0, 0, 0}, 2, 3, 8, 15, 0, 5, 0, 2},
    {14, {1, 1, 2, 0, 0}, {18, 18, 20, 0, 0}, {3, 2, 0, 0, 0}, 2, 1, 6, 15, 32, 2, 1, 1},
    {17, {1, 1, 0, 0, 0}, {16, 14, 0, 0, 0}, {3, 0, 0, 0, 0}, 2, 1, 0, 15, 0, 5, 0, 4},
    {18, {1, 1, 0, 0, 0}, {18, 18, 0, 0, 0}, {1, 0, 0, 0, 0}, 2, 1, 0, 15, 0, 5, 1, 2},
    {21, {1, 1, 0, 0, 0}, {10, 10, 0, 0, 0}, {1, 0, 0, 0, 0}, 3, 2, 7, 0, 0, 5, 0, 1},
    {22, {1, 1, 1, 0, 0}, {18, 18, 18, 0, 0}, {3, 5, 0, 0, 0}, 2, 5, 0, 15, 0, 5, 1, 3},
    {25, {1, 0, 0, 0, 0}, {12, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 3, 1, 0, 15, 6, 5, 1, 2},
    {26, {1, 1, 0, 0, 0}, {14, 14, 0, 0, 0}, {2, 0, 0, 0, 0}, 2, 1, 0, 0, 0, 5, 0, 0},
    {27, {1, 1, 0, 0, 0}, {10, 10, 0, 0, 0}, {1, 0, 0, 0, 0}, 4, 1, 0, 16, 0, 5, 1, 1},
    {34, {1, 1, 0, 0, 0}, {16, 16, 0, 0, 0}, {2, 0, 0, 0, 0}, 2, 1, 6, 15, 0, 5, 1, 1},
    {36, {1, 1, 0, 0, 0}, {18, 18, 0, 0, 0}, {3, 0, 0, 0, 0}, 2, 4, 0, 15, 0, 5, 0, 3},
    {37, {1, 2, 0, 0, 0}, {18, 16, 0, 0, 0}, {4, 0, 0, 0, 0}, 2, 1, 0, 15, 0, 5, 1, 2},
    {42, {1, 1, 0, 0, 0}, {12, 10, 0, 0, 0}, {9, 0, 0, 0, 0}, 3, 2, 7, 0, 0, 5, 0, 0},
    {45, {1, 1, 1, 0, 0}, {20, 22, 20, 0, 0}, {3, 4, 0, 0, 0}, 2, 4, 0, 16, 0, 2, 0, 3},
    {46, {1, 1, 0, 0, 0}, {14, 16, 0, 0, 0}, {2, 0, 0, 0, 0}, 2, 1, 0, 0, 0, 5, 0, 0},
    {47, {1, 1, 0, 0, 0}, {10, 10, 0, 0, 0}, {10, 0, 0, 0, 0}, 4, 1, 0, 0, 0, 5, 1, 1},
    {48, {1, 1, 0, 0, 0}, {16, 16, 0, 0, 0}, {2, 0, 0, 0, 0}, 2, 1, 0, 15, 0, 5, 1, 1},
    {49, {1, 1, 0, 0, 0}, {18, 18, 0, 0, 0}, {3, 0, 0, 0, 0}, 2, 3, 0, 16, 0, 5, 0, 3},
    {167, {1, 1, 0, 0, 0}, {16, 12, 0, 0, 0}, {2, 0, 0, 0, 0}, 2, 1, 8, 15, 0, 5, 0, 3},
}};

// The first calendar day of the season (2 August 2003, a Saturday, counted from the base date).
constexpr int kSeasonStartDay = 27;
constexpr int kWinterBreakDays = 42;
// Entries of the club colour list the sample installation ships (database/ger/TeamColour.txt).
constexpr int kSampleTeamColours = 20;
constexpr int kLastCalendarDay = 398;

// ---------------------------------------------------------------- drawing

class Draw {
 public:
  explicit Draw(uint32_t seed) : engine_(seed) {}
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
  bool Chance(int percent) { return Between(1, 100) <= percent; }
  template <typename T>
  const T& Pick(std::span<const T> items) { return items[static_cast<size_t>(Between(0, static_cast<int>(items.size()) - 1))]; }

 private:
  std::mt19937 engine_;
};

uint8_t Clamp(int value, int low, int high) { return static_cast<uint8_t>(std::clamp(value, low, high)); }

std::string Cp(std::string_view utf8) { return Utf8ToCp1252(utf8); }

std::string FillPattern(std::string_view pattern, std::string_view town) {
  std::string out;
  for (char c : pattern) {
    if (c == '%') out += town;
    else out += c;
  }
  return out;
}

// ASCII-only spelling for folder and file names (badge groups).
std::string AsciiName(std::string_view cp1252) {
  std::string out;
  for (unsigned char c : cp1252) {
    switch (c) {
      case 0xC4: out += "Ae"; break;
      case 0xD6: out += "Oe"; break;
      case 0xDC: out += "Ue"; break;
      case 0xE4: out += "ae"; break;
      case 0xF6: out += "oe"; break;
      case 0xFC: out += "ue"; break;
      case 0xDF: out += "ss"; break;
      default:
        if (std::isalnum(c) != 0 && c < 0x80) out += static_cast<char>(c);
    }
  }
  return out;
}

// ---------------------------------------------------------------- the generator

class Generator {
 public:
  Generator(CWorldDatabase& world, CNameGenerator& names, const SampleWorldOptions& options)
      : world_(world), names_(names), options_(options), draw_(options.seed * 2654435761u + 17) {
    names_.Seed(options.seed);
  }

  SampleWorldSummary Run();

 private:
  struct ClubPlan {
    CClub* club;
    int level;     // league level, -1 outside the leagues
    int quality;   // 0 (weak) ... 100 (strong)
  };

  void BuildPlayableCountry(CCountry& country, const CountryDesign& design);
  void BuildSmallCountry(CCountry& country);
  CClub* NewClub(CCountry& country, std::string_view name, std::string_view town, int quality);
  void FillClub(CCountry& country, CClub& club, std::string_view town, int quality, bool fullSquad);
  void AddSquad(CCountry& country, CClub& club, int quality, int players, int officials);
  CPlayer& NewPerson(int8_t role, uint8_t nationality, int quality);
  void Name(char* first, size_t firstSize, char* last, size_t lastSize, uint8_t nationality, bool female = false);
  void Settings(CCountry& country, const CountryDesign& design);
  void Lists(CCountry& country, int clubCount);
  void Leagues(CCountry& country, const CountryDesign& design, std::vector<ClubPlan>& plans);
  void Calendar(CCountry& country, bool winterBreak);
  void History(CCountry& country, const std::vector<ClubPlan>& plans);
  void FreePlayersAndRules();
  uint8_t LanguageOf(uint8_t nationality) const { return world_.FirstLanguage(nationality); }
  std::string DrawName(NameListKind list, uint8_t language);

  CWorldDatabase& world_;
  CNameGenerator& names_;
  SampleWorldOptions options_;
  Draw draw_;
  SampleWorldSummary summary_;
  std::vector<std::pair<uint32_t, int>> champions_;  // (club id, country) of the first leagues' best
};

std::string Generator::DrawName(NameListKind list, uint8_t language) {
  return names_.DrawName(list, language).value_or("Nemo");
}

void Generator::Name(char* first, size_t firstSize, char* last, size_t lastSize, uint8_t nationality, bool female) {
  const uint8_t language = LanguageOf(nationality);
  SetFixedText(first, firstSize, DrawName(female ? NameListKind::kFemaleFirstNames : NameListKind::kMaleFirstNames, language), firstSize - 1);
  SetFixedText(last, lastSize, DrawName(NameListKind::kSurnames, language), lastSize - 1);
}

// A person of the world's table. Persons are created in the order the files are read back
// (country by country: club persons, then additional managers; the free players last), so
// their ids come out the same after a save and a reload.
CPlayer& Generator::NewPerson(int8_t role, uint8_t nationality, int quality) {
  CPlayer& p = *world_.Persons().CreatePlayer(0, true);
  p.InitDefaults(role, nationality);
  Name(p.firstName, sizeof p.firstName, p.surname, sizeof p.surname, nationality);
  p.languages = {LanguageOf(nationality), 0, 0, 0};
  if (draw_.Chance(30)) p.languages[1] = 12;  // English as a second language
  if (p.languages[1] == p.languages[0]) p.languages[1] = 0;
  const bool official = role != kRolePlayer;
  p.birthDate = DATE::FromCivil(official ? draw_.Between(1938, 1970) : draw_.Between(1968, 1986),
                                draw_.Between(1, 12), draw_.Between(1, 28));
  p.height = Clamp(draw_.Between(168, 196), 150, 220);
  p.weight = Clamp(p.height - 100 - draw_.Between(0, 12) + 5, 50, 150);
  p.hairColour = Clamp(draw_.Between(1, 5), 0, 255);
  p.skinColour = Clamp(draw_.Between(0, 3), 0, 255);
  p.face = Clamp(draw_.Between(1, 25), 0, 255);
  p.hairStyle = Clamp(draw_.Between(1, 10), 0, 255);
  p.facialHair = Clamp(draw_.Between(1, 6), 0, 255);
  p.contractStart = static_cast<uint16_t>(draw_.Between(1998, 2003));
  p.contractEnd = static_cast<int16_t>(draw_.Between(2004, 2008));
  if (official) {
    for (auto& ability : p.managerAbilities) ability = Clamp(draw_.Between(3, 8) + quality / 14, 0, 15);
    p.leagueExperience = Clamp(draw_.Between(0, 6), 0, 6);
    p.formation = Clamp(draw_.Between(0, 9), 0, 255);
  }
  ++summary_.persons;
  return p;
}

void Generator::AddSquad(CCountry& country, CClub& club, int quality, int players, int officials) {
  const uint8_t home = static_cast<uint8_t>(country.CountryNumber());
  // Positions of a squad: three goalkeepers, then defence, midfield and attack.
  static constexpr uint8_t kSquadPositions[] = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 17,
                                                4, 9, 16, 2, 12, 5, 13, 10};
  for (int i = 0; i < players; ++i) {
    uint8_t nationality = home;
    if (options_.scale == 0 && draw_.Chance(12))
      nationality = static_cast<uint8_t>(draw_.Pick(std::span<const int>(kSamplePlayableCountries)));
    CPlayer& p = NewPerson(kRolePlayer, nationality, quality);
    p.domestic = nationality == home ? 1 : 0;
    p.team = i >= 22 ? 1 : 0;
    p.shirtNumber = static_cast<uint8_t>(i + 1);
    const uint8_t position = kSquadPositions[static_cast<size_t>(i) % std::size(kSquadPositions)];
    p.mainPosition = position;
    p.foot = draw_.Chance(25) ? kFootLeft : (draw_.Chance(10) ? kFootBoth : kFootRight);
    // Strong clubs have strong players, but every squad has its stars and its reserves.
    const int form = quality + draw_.Between(-25, 25);
    const int base = 2 + form / 14;  // about 2 ... 10
    for (auto& a : p.abilities) a = Clamp(base + draw_.Between(-2, 2), 1, 10);
    const bool keeper = position == kPositionGoalkeeper;
    for (int a = kReflexes; a <= kThrowOuts; ++a) {
      const size_t at = static_cast<size_t>(a);
      p.abilities[at] = keeper ? Clamp(base + draw_.Between(-1, 2), 1, 10) : Clamp(draw_.Between(1, 3), 1, 10);
    }
    const int area = keeper ? kAreaGoalkeeper : (position <= 8 ? kAreaDefence : (position == 13 || position == 14 || position >= 16 ? kAreaAttack : kAreaMidfield));
    for (int r = 0; r < kAreaCount; ++r) p.ratings[static_cast<size_t>(r)] = Clamp(form / 25 + draw_.Between(-1, 0), 0, 3);
    p.ratings[static_cast<size_t>(area)] = Clamp(1 + form / 20 + draw_.Between(0, 1), 1, kMaxRating);
    p.talent = Clamp(draw_.Between(0, 7), 0, 7);
    p.leagueExperience = Clamp(draw_.Between(0, 6), 0, 6);
    p.internationalExperience = Clamp(form > 80 ? draw_.Between(1, 4) : draw_.Between(0, 1), 0, 4);
    if (p.internationalExperience > 0) {
      p.internationalCaps = Clamp(draw_.Between(1, 80), 0, 255);
      p.internationalGoals = Clamp(p.internationalCaps / draw_.Between(3, 12), 0, 255);
    }
    if (draw_.Chance(15)) p.SetCharacter(draw_.Between(0, kCharacterCount - 1), Clamp(draw_.Between(0, 4), 0, 4));
    if (draw_.Chance(3)) SetFixedText(p.nickname, std::string(FixedText(p.surname)).substr(0, 4) + "inho");
    club.AddPlayer(p.id);
  }
  // Coach and president always; then the staff the facilities allow.
  static constexpr int8_t kOfficials[] = {kRoleCoach, kRolePresident, kRoleManager, kRoleAssistantCoach,
                                          kRoleTeamDoctor, kRoleGoalkeeperCoach, kRoleMasseur};
  for (int i = 0; i < officials && i < static_cast<int>(std::size(kOfficials)); ++i) {
    CPlayer& p = NewPerson(kOfficials[i], home, quality);
    club.AddPlayer(p.id);
  }
}

void Generator::FillClub(CCountry& country, CClub& club, std::string_view town, int quality, bool fullSquad) {
  const int countryId = country.CountryNumber();
  for (int language = 0; language < kClubLanguages; ++language) club.SetTown(language, town);
  std::string shortName(town.substr(0, kClubShortNameChars));
  std::string abbreviation;
  for (char c : town)
    if (std::isalpha(static_cast<unsigned char>(c)) && abbreviation.size() < 3)
      abbreviation += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (int language = 0; language < kClubLanguages; ++language) {
    club.SetShortName(language, shortName);
    club.SetAbbreviation(language, abbreviation);
    club.nameArticles[language] = Clamp(draw_.Between(0, 2), 0, 3);
    club.sentenceForms[language] = Clamp(draw_.Between(0, 1), 0, 1);
  }
  club.foundingYear = static_cast<uint16_t>(draw_.Between(1880, 1965));
  SetFixedText(club.fansName, "Fans " + abbreviation);
  SetFixedText(club.address, std::string(town) + ", " + std::to_string(draw_.Between(1, 120)));
  SetFixedText(club.phone, "+" + std::to_string(countryId) + " " + std::to_string(draw_.Between(100000, 999999)));
  SetFixedText(club.website, "www." + AsciiName(shortName) + ".example");
  static constexpr std::string_view kMascots[] = {"Leo", "Adler", "Bruno", "Ziggy", "Max", "Rocky", "Hennes"};
  SetFixedText(club.mascot, draw_.Pick(std::span<const std::string_view>(kMascots)));
  const int size = quality * quality / 100 + 5;  // 5 ... 105
  club.spectatorsMidTable = size * 400 + draw_.Between(0, 2000);
  club.spectatorsBigMatch = club.spectatorsMidTable * 3 / 2;
  club.seasonTickets = club.spectatorsMidTable / 2;
  club.startingAssets = size * 150000;
  club.prestige = Clamp(quality / 5, 0, 20);
  club.publicCompany = quality > 85 && draw_.Chance(30) ? 1 : 0;
  // Facilities fit the staff AddSquad hires: a club centre from "Kleines Bürogebäude" on and a
  // medical department with a massage room.
  club.facilities[kClubCentre] = Clamp(fullSquad ? 2 + quality / 40 : 1, 0, 4);
  club.facilities[kMedicalDepartment] = Clamp(fullSquad ? 2 + quality / 50 : 1, 0, 4);
  for (int f : {kFanMerchandise, kYouthCentre, kTrainingGround, kMedia, kResearch})
    club.facilities[f] = Clamp(quality / 30 + draw_.Between(0, 1), 0, 4);
  club.latitude = MakeLatitude(false, draw_.Between(36, 62), draw_.Between(0, 59));
  club.longitude = MakeLongitude(draw_.Chance(20), draw_.Between(0, 30), draw_.Between(0, 59));
  for (int kit = 0; kit < 2; ++kit) {
    auto& outfit = club.kit.outfits[static_cast<size_t>(kit)];
    outfit.shirtStyle = Clamp(draw_.Between(1, 42), 1, 42);
    outfit.shortsStyle = Clamp(draw_.Between(1, 13), 1, 13);
    outfit.socksStyle = Clamp(draw_.Between(1, 4), 1, 4);
    // Kit colours are numbers of the club colour list, so previews show the named colours; one
    // draw per colour, folded onto the list.
    for (auto& colour : outfit.colours)
      colour = static_cast<uint8_t>((draw_.Between(1, 63) - 1) % kSampleTeamColours + 1);
  }
  for (auto& colour : club.clubColours) colour = Clamp(draw_.Between(1, kSampleTeamColours), 1, kSampleTeamColours);
  club.preferredCountries[0] = static_cast<uint8_t>(countryId);
  club.preferredCountries[1] = static_cast<uint8_t>(draw_.Pick(std::span<const int>(kSamplePlayableCountries)));
  club.youthOrigin = static_cast<uint8_t>(countryId);

  CStadium stadium;
  const SampleCountryTowns* towns = FindSampleTowns(countryId);
  SetFixedText(stadium.name, Cp(towns ? towns->stadiumWord : "Stadion") + " " + std::string(town));
  SetFixedText(stadium.town, town);
  stadium.SetType(Clamp(1 + quality / 9, 1, 12));
  for (int stand = 0; stand < kStandCount; ++stand) {
    stadium.seats[stand] = size * (stand < 4 ? 80 : 20);
    stadium.standing[stand] = stand >= 2 && stand < 4 ? size * 40 : 0;
    stadium.vipSeats[stand] = stand == kStandMain ? size * 5 : 0;
  }
  stadium.seasonTicketBlocks = 0x01;
  stadium.guestBlocks = 0x08;
  club.homeStadium = country.AddStadium(stadium);
}

CClub* Generator::NewClub(CCountry& country, std::string_view name, std::string_view town, int quality) {
  auto club = std::make_unique<CClub>();
  CClub* filed = country.AddNewClub(std::move(club));
  if (!filed) return nullptr;
  for (int language = 0; language < kClubLanguages; ++language) filed->SetName(language, name);
  const bool scaled = options_.scale > 0;
  FillClub(country, *filed, town, quality, true);
  const int players = scaled ? 24 : draw_.Between(18, 28);
  const int officials = scaled ? 6 : draw_.Between(4, 7);
  AddSquad(country, *filed, quality, players, officials);
  ++summary_.clubs;
  if (!scaled) {
    SampleBadge badge;
    badge.clubId = filed->clubId;
    char file[32];
    std::snprintf(file, sizeof file, "%s_%03d.tga", AsciiName(country.ShortName(0)).c_str(), filed->Number());
    badge.path = AsciiName(country.Name(0)) + "\\Badge180\\" + file;
    SetFixedText(filed->badgeFile, badge.path);
    std::copy(std::begin(filed->clubColours), std::end(filed->clubColours), badge.colours);
    summary_.badges.push_back(badge);
  }
  return filed;
}

void Generator::Settings(CCountry& country, const CountryDesign& design) {
  const uint8_t id = static_cast<uint8_t>(country.CountryNumber());
  country.languageShares = {100, 0, 0, 0};
  if (country.languages[1] != 0) country.languageShares = {75, 25, 0, 0};
  country.NormaliseLanguages();
  SetFixedText(country.federationName, "FV " + std::string(country.ShortName(0)));
  Name(country.presidentFirstName, sizeof country.presidentFirstName, country.presidentSurname,
       sizeof country.presidentSurname, id);
  country.presidentBirthDate = DATE::FromCivil(draw_.Between(1930, 1955), draw_.Between(1, 12), draw_.Between(1, 28));
  for (auto& reporter : country.reporters)
    Name(reporter.firstName, sizeof reporter.firstName, reporter.surname, sizeof reporter.surname, id);
  country.winterBreak = design.winterBreak;
  country.indoorTournament = design.winterBreak != 0 && draw_.Chance(50) ? 1 : 0;
  country.climate = design.climate;
  country.reserveLevel = static_cast<int8_t>(design.reserveLevel);
  country.SetYellowCardRule(false, draw_.Between(0, 5));
  country.SetYellowCardRule(true, draw_.Between(0, 5));
  country.SetRedCardFixedDuration(draw_.Chance(50));
  country.redCardRule = Clamp(draw_.Between(0, 1), 0, 1);
  country.suspensionScope = Clamp(draw_.Between(0, 7), 0, 7);
  country.yellowRedBanLevels = Clamp(draw_.Between(0, 31), 0, 31);
  country.clubOptions = Clamp(draw_.Between(0, 3), 0, 3);
  country.moveAbroadProbability = Clamp(draw_.Between(5, 40), 0, 100);
  country.teamTransfers = Clamp(draw_.Between(0, 3), 0, 3);
  country.transferWindow1 = draw_.Between(0, 2);
  country.transferWindow2 = draw_.Between(0, 2);
  country.averageStrength = Clamp(draw_.Between(10, 22), 1, 26);
  country.generateNames = draw_.Chance(30) ? 1 : 0;
  country.nationalNewspaper = "Sportblatt " + std::string(country.ShortName(0));
  country.continentalTitles = Clamp(draw_.Between(0, 8), 0, 20);
  country.continentalFinals = Clamp(country.continentalTitles + draw_.Between(0, 4), 0, 20);
  country.worldChampionships = Clamp(draw_.Between(0, 3), 0, 20);
  country.worldChampionshipFinals = Clamp(country.worldChampionships + draw_.Between(0, 2), 0, 20);
  for (int level = 0; level < kCountryLevels; ++level) {
    country.tieBreakRules[static_cast<size_t>(level)] = Clamp(draw_.Between(0, 1), 0, 1);
    country.foreignPlayerLimits[static_cast<size_t>(level)] = Clamp(draw_.Between(0, 4), 0, 4);
  }
  MANAGER& coach = country.nationalCoach;
  Name(coach.firstName, sizeof coach.firstName, coach.surname, sizeof coach.surname, id);
  coach.nationality = id;
  coach.birthDate = DATE::FromCivil(draw_.Between(1940, 1962), draw_.Between(1, 12), draw_.Between(1, 28));
  for (auto& ability : coach.abilities) ability = Clamp(draw_.Between(6, 15), 0, 15);
  coach.languages = {country.languages[0], 0, 0, 0};
  coach.nationalExperience = Clamp(draw_.Between(2, 6), 0, 6);
  coach.internationalExperience = Clamp(draw_.Between(0, 4), 0, 4);
  country.notes = "Beispieldaten\r\nSaison 2003/2004";
}

// Referees, sponsors, staff on the job market and the youth pool.
void Generator::Lists(CCountry& country, int clubCount) {
  const uint8_t id = static_cast<uint8_t>(country.CountryNumber());
  const int scale = std::max(1, clubCount / 10);
  for (int i = 0; i < 4 + 2 * scale && i < kMaxReferees; ++i) {
    CReferee referee;
    Name(referee.firstName, sizeof referee.firstName, referee.surname, sizeof referee.surname, id);
    referee.character = static_cast<int8_t>(draw_.Between(kRefereeWorldClass, kRefereeNone));
    country.AddReferee(referee);
  }
  static constexpr std::string_view kCompanies[] = {"Telekom", "Brauerei", "Versicherung", "Autohaus", "Bank",
                                                    "Energie", "Elektro", "Reisen", "Sportartikel", "Getränke"};
  for (int i = 0; i < std::min(3 + scale, kMaxSponsors); ++i) {
    CSponsor sponsor;
    const std::string name =
        Cp(kCompanies[static_cast<size_t>(i) % std::size(kCompanies)]) + " " + std::string(country.ShortName(0));
    SetFixedText(sponsor.name, name, CSponsor::kNameChars);
    sponsor.value = draw_.Between(1, 10);
    SetFixedText(sponsor.text1, "Partner des Sports", CSponsor::kTextChars);
    const std::string since = "seit " + std::to_string(draw_.Between(1970, 2002));
    SetFixedText(sponsor.text2, since, CSponsor::kTextChars);
    country.AddSponsor(sponsor);
  }
  for (int i = 0; i < 3 + 2 * scale && i < kMaxStaff; ++i) {
    CStaffMember staff;
    Name(staff.firstName, sizeof staff.firstName, staff.surname, sizeof staff.surname, id);
    staff.job = draw_.Between(kRoleAssistantCoach, kRoleFanRepresentative);
    staff.qualification = Clamp(draw_.Between(0, 4), 0, 4);
    country.AddStaff(staff);
  }
  country.ResizePlayerPool(country.Clubs().size() > 0 ? static_cast<int>(country.Clubs().size()) * kPoolEntriesPerClub : 0);
  auto& pool = country.PlayerPool();
  const size_t inUse = std::min(pool.size(), static_cast<size_t>(8 + 3 * scale));
  for (size_t i = 0; i < inUse; ++i) {
    CPlayerPoolEntry& entry = pool[i];
    Name(entry.firstName, sizeof entry.firstName, entry.surname, sizeof entry.surname, id);
    if (draw_.Chance(20)) SetFixedText(entry.thirdName, DrawName(NameListKind::kSurnames, LanguageOf(id)));
    entry.nationality = id;
    entry.ability = Clamp(draw_.Between(1, 10), 0, 255);
    entry.teamPart = Clamp(draw_.Between(0, 3), 0, 255);
  }
}

// Fills the leagues with the clubs, level by level, and gives every league its fixture list.
void Generator::Leagues(CCountry& country, const CountryDesign& design, std::vector<ClubPlan>& plans) {
  SetLeagueSystem(country, design.leagues, design.rules);
  static constexpr std::string_view kLevelNames[] = {"1. Liga", "2. Liga", "3. Liga", "4. Liga", "5. Liga"};
  size_t next = 0;
  for (int level = 0; level < kLeagueLevels; ++level) {
    int n = 0;
    for (CDBLeague* league : LeaguesOfLevel(country, level)) {
      const int teams = design.teams[static_cast<size_t>(level)];
      std::string name(kLevelNames[level]);
      if (design.leagues[static_cast<size_t>(level)] > 1) name += n == 0 ? " Nord" : (n == 1 ? " Süd" : " " + std::to_string(n + 1));
      league->SetName(Cp(name));
      league->SetShortName(Cp(name));
      league->SetNumberOfTeams(teams);
      league->SetRounds(level == 0 ? design.topRounds : 2);
      league->SetSpectatorMultiplier(Clamp(10 + 10 * (kLeagueLevels - level), 1, 200));
      league->SetTransferMultiplier(Clamp(120 - 20 * level, 1, 250));
      league->SetMoneyValue(1, 2000000 / (level + 1));
      league->SetMoneyValue(2, 100000 / (level + 1));
      league->SetMoneyValue(3, 8000000 / (level + 1));
      FillFromTemplate(league->Fixtures(), teams, league->Rounds());
      int added = 0;
      // Reserve teams of the first league's clubs play in the lower leagues where allowed.
      if (level >= design.reserveLevel && design.reserveLevel < kLeagueLevels && level > 0)
        for (int r = 0; r < 2 && static_cast<size_t>(r) < plans.size(); ++r, ++added)
          league->AddTeam(plans[static_cast<size_t>(r) + static_cast<size_t>(n) * 2].club->clubId | kReserveTeamBit);
      for (; added < teams && next < plans.size(); ++added, ++next) {
        while (next < plans.size() && plans[next].level != level) ++next;
        if (next >= plans.size()) break;
        league->AddTeam(plans[next].club->clubId);
      }
      ++n;
    }
  }
}

// Gives every matchday of every competition of the country a day: the leagues on Saturdays
// with the winter break where the country has one, the cups on weekdays between them, the
// play-offs after the leagues they follow.
void Generator::Calendar(CCountry& country, bool winterBreak) {
  const int id = country.CountryNumber();
  int lastLeagueDay = 0;
  auto place = [](CDBCompetition& node, int firstDay, int step, int breakAfter) {
    node.ClearDays();
    int day = firstDay;
    for (int m = 1; m <= node.MatchdayCount(); ++m) {
      node.SetDayMatchday(std::min(day, kLastCalendarDay), m);
      day += step;
      if (m == breakAfter) day += kWinterBreakDays;
    }
    return day - step;
  };
  std::vector<CDBCompetition*> later;
  world_.Competitions().ForEach([&](CDBCompetition& node) {
    if (node.Country() != id) return;
    switch (node.Kind()) {
      case CompKind::ROOT: break;
      case CompKind::LEAGUE: {
        const int half = node.MatchdayCount() / 2;
        lastLeagueDay = std::max(lastLeagueDay, place(node, kSeasonStartDay, 7, winterBreak ? half : 0));
        break;
      }
      case CompKind::SUPERCUP: place(node, kSeasonStartDay - 7, 4, 0); break;
      case CompKind::FA_CUP: place(node, kSeasonStartDay + 4, 18, 0); break;
      case CompKind::LE_CUP:
      case CompKind::CHALLENGE_SHIELD:
      case CompKind::CONFERENCE_CUP: place(node, kSeasonStartDay + 11, 25, 0); break;
      default: later.push_back(&node); break;
    }
  });
  // Play-offs and the split phase come after the regular season.
  for (CDBCompetition* node : later) place(*node, lastLeagueDay + 4, node->Kind() == CompKind::SCOTT1 ? 3 : 2, 0);
}

void Generator::History(CCountry& country, const std::vector<ClubPlan>& plans) {
  int rank = 0;
  for (const ClubPlan& plan : plans) {
    CClub& club = *plan.club;
    if (plan.level == 0) {
      const int titles = std::max(0, (plan.quality - 55) / 8 - rank / 3);
      std::string years;
      for (int t = 0; t < titles; ++t) {
        if (!years.empty()) years += ",";
        years += std::to_string(1932 + rank % 5 + t * 70 / titles);  // ascending, distinct
      }
      club.titles[kChampionships] = years;
      if (titles > 1) club.titles[kCupWins] = std::to_string(1950 + rank * 3);
      if (rank == 0) {
        club.titles[kChampionsCups] = std::to_string(1960 + country.CountryNumber() % 40);
        champions_.push_back({club.clubId, country.CountryNumber()});
      }
      club.leagueGames = draw_.Between(300, 2400);
      club.leaguePoints = club.leagueGames * draw_.Between(100, 180) / 100;
      club.leagueGoals = club.leagueGames * draw_.Between(110, 190) / 100;
      club.leagueGoalsAgainst = club.leagueGames * draw_.Between(90, 160) / 100;
      club.leagueTableLeads = draw_.Between(0, 120);
    }
    const ClubPlan& rival = plans[(static_cast<size_t>(rank) + 1) % plans.size()];
    const std::string opponent(rival.club->Name(0));
    club.records[kRecordHomeWin] = RECORD{Clamp(draw_.Between(5, 11), 0, 255), 0, 0, opponent, static_cast<int16_t>(draw_.Between(1950, 2002))};
    club.records[kRecordHomeDefeat] = RECORD{0, Clamp(draw_.Between(3, 7), 0, 255), 0, opponent, static_cast<int16_t>(draw_.Between(1950, 2002))};
    club.records[kRecordAwayWin] = RECORD{Clamp(draw_.Between(4, 8), 0, 255), 1, 0, opponent, static_cast<int16_t>(draw_.Between(1950, 2002))};
    club.records[kRecordAwayDefeat] = RECORD{1, Clamp(draw_.Between(4, 9), 0, 255), 0, opponent, static_cast<int16_t>(draw_.Between(1950, 2002))};
    club.records[kRecordAttendance] = RECORD{0, 0, club.spectatorsBigMatch + draw_.Between(0, 5000), opponent, static_cast<int16_t>(draw_.Between(1950, 2002))};
    club.archRival1 = rival.club->clubId;
    if (rank % 3 == 0) club.fanFriendship = plans[(static_cast<size_t>(rank) + 2) % plans.size()].club->clubId;
    ++rank;
  }
  // Last season's flags: the cup winner and finalist, promoted and relegated teams.
  if (plans.size() > 4) {
    std::vector<CClub*> all;
    for (const ClubPlan& plan : plans) all.push_back(plan.club);
    MarkCountryCupWinner(all, *plans[1].club, kFirstTeam);
    MarkCountryCupFinalist(all, *plans[3].club, kFirstTeam);
    plans.back().club->SetPromoted(kFirstTeam, true);
  }
}

void Generator::BuildPlayableCountry(CCountry& country, const CountryDesign& design) {
  const int id = country.CountryNumber();
  Settings(country, design);
  const SampleCountryTowns* towns = FindSampleTowns(id);
  std::vector<ClubPlan> plans;
  int index = 0;
  auto addClub = [&](int level, int quality) {
    std::string town, name;
    if (towns && options_.scale == 0) {
      const size_t t = static_cast<size_t>(index) % towns->towns.size();
      const size_t p = (static_cast<size_t>(index) / towns->towns.size() + t) % towns->patterns.size();
      town = Cp(towns->towns[t]);
      name = FillPattern(Cp(towns->patterns[p]), town);
    } else {
      town = std::string(country.Name(0)) + " " + std::to_string(index + 1);
      name = "FC " + town;
    }
    if (CClub* club = NewClub(country, name.substr(0, kClubNameChars), town.substr(0, kClubTownChars), quality))
      plans.push_back({club, level, quality});
    ++index;
  };
  for (int level = 0; level < kLeagueLevels; ++level) {
    const int leagues = design.leagues[static_cast<size_t>(level)];
    int teams = design.teams[static_cast<size_t>(level)] * leagues;
    if (level > 0 && level >= design.reserveLevel) teams -= 2 * leagues;  // reserve teams fill two places
    for (int i = 0; i < teams; ++i) addClub(level, std::clamp(95 - level * 22 - i * 30 / std::max(1, teams) + draw_.Between(-5, 5), 5, 100));
  }
  for (int i = 0; i < design.clubsOutsideLeagues; ++i) addClub(-1, draw_.Between(5, 20));
  Leagues(country, design, plans);
  country.SetNationalCupMode(design.nationalCup);
  country.SetLeagueCupMode(design.leagueCup);
  country.SetSuperCupMode(design.superCup);
  Calendar(country, design.winterBreak != 0);
  History(country, plans);
  country.cupFinalStadium = plans.empty() ? 0 : plans.front().club->homeStadium;
  for (int i = 0; i < 1 + static_cast<int>(plans.size()) / 25; ++i) {
    if (CPlayer* manager = country.CreateAdditionalManager()) {
      manager->InitDefaults(kRoleManager, static_cast<uint8_t>(id));
      Name(manager->firstName, sizeof manager->firstName, manager->surname, sizeof manager->surname, static_cast<uint8_t>(id));
      manager->languages = {LanguageOf(static_cast<uint8_t>(id)), 0, 0, 0};
      for (auto& ability : manager->managerAbilities) ability = Clamp(draw_.Between(3, 12), 0, 15);
      ++summary_.persons;
    }
  }
  Lists(country, static_cast<int>(plans.size()));
  if (country.IsPlayable()) ++summary_.playableCountries;
}

// Another country: its amateur club and a few clubs that play in no league.
void Generator::BuildSmallCountry(CCountry& country) {
  const std::string name(country.Name(0));
  static constexpr std::string_view kPatterns[] = {"FC %", "% United", "Sporting %", "Racing Club"};
  const int clubs = 1 + country.CountryNumber() % 3;
  for (int i = 0; i < clubs; ++i) {
    // Two countries share the name "Racing Club", as happens in real football: the mapping
    // lists must cope with one name standing for two clubs.
    const bool racing = i == 2 && country.CountryNumber() % 3 == 2 && country.CountryNumber() < 20;
    const std::string_view pattern = racing ? kPatterns[3] : kPatterns[static_cast<size_t>(i) % 3];
    std::string clubName = FillPattern(Cp(pattern), name).substr(0, kClubNameChars);
    auto club = std::make_unique<CClub>();
    CClub* filed = country.AddNewClub(std::move(club));
    if (!filed) continue;
    for (int language = 0; language < kClubLanguages; ++language) filed->SetName(language, clubName);
    FillClub(country, *filed, name.substr(0, kClubTownChars), draw_.Between(5, 40), false);
    AddSquad(country, *filed, 30, draw_.Between(16, 20), 2);
    ++summary_.clubs;
  }
  // Reading a country gives it a youth pool of 22 entries per club; so does the generator.
  country.ResizePlayerPool(static_cast<int>(country.Clubs().size()) * kPoolEntriesPerClub);
}

void Generator::FreePlayersAndRules() {
  const int freePlayers = options_.scale > 0 ? 50 * options_.scale : 40;
  for (int i = 0; i < freePlayers; ++i) {
    const uint8_t nationality = static_cast<uint8_t>(draw_.Pick(std::span<const int>(kSamplePlayableCountries)));
    CPlayer& p = NewPerson(kRolePlayer, nationality, draw_.Between(10, 60));
    p.mainPosition = Clamp(draw_.Between(1, 17), 1, 17);
    p.ratings[static_cast<size_t>(p.mainPosition == 1 ? kAreaGoalkeeper : kAreaMidfield)] = Clamp(draw_.Between(1, 4), 0, 6);
    for (auto& a : p.abilities) a = Clamp(draw_.Between(1, 7), 1, 10);
    p.contractStart = 0;
    p.contractEnd = 0;
    world_.PlayersWithoutClub()->Add(p.id);
  }
  CGlobalRules& rules = world_.Rules();
  static constexpr std::array<std::array<std::string_view, kRulesLanguages>, kNamedCups> kCupNames = {{
      {"Landesmeister-Pokal", "Champions Cup", "Coupe des Champions", "Copa de Campeones", "Coppa dei Campioni"},
      {"Europapokal", "European Cup", "Coupe d'Europe", "Copa de Europa", "Coppa Europa"},
      {"Südamerika-Pokal", "South American Cup", "Coupe d'Amérique du Sud", "Copa Sudamericana", "Coppa Sudamericana"},
      {"Intertoto-Cup", "Intertoto Cup", "Coupe Intertoto", "Copa Intertoto", "Coppa Intertoto"},
  }};
  for (int cup = 0; cup < kNamedCups; ++cup)
    for (int language = 0; language < kRulesLanguages; ++language) {
      const std::string name = Cp(kCupNames[static_cast<size_t>(cup)][static_cast<size_t>(language)]);
      rules.SetCupName(cup, language, false, name);
      rules.SetCupName(cup, language, true, name.substr(0, kCupShortNameSize - 1));
    }
  rules.SetMatchRule(kPointsForWin, 1);
  rules.SetMatchRule(kPointsForAwayWin, 1);
  rules.SetMatchRule(kExtraPointVsHolder, 1);
  rules.SetMatchRule(kExtraPointManyGoals, 1);
  rules.SetFriendlySubstitutions(5);
  // Title holders: the best clubs of the first playable countries; the venues their stadiums.
  for (int cup = 0; cup < kTitleHolderCups && static_cast<size_t>(cup) < champions_.size(); ++cup) {
    const auto& [clubId, country] = champions_[static_cast<size_t>(cup) * 3 % champions_.size()];
    rules.ChooseTitleHolder(cup, clubId);
    const CCountry& venueCountry = *world_.Country(country);
    if (!venueCountry.Stadiums().empty())
      rules.finalVenues[static_cast<size_t>(cup)] = (static_cast<uint32_t>(country) << 16) |
                                                    static_cast<uint32_t>(venueCountry.Stadiums().begin()->first);
  }
  rules.ApplyTitleHolderExclusivity();
}

SampleWorldSummary Generator::Run() {
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    CCountry& country = *world_.Country(n);
    const CountryDesign* design = nullptr;
    for (const CountryDesign& d : kDesigns)
      if (d.country == n) design = &d;
    if (options_.scale > 0) {
      // Benchmark worlds: every country with leagues of 16 teams for about 48·S clubs.
      const int clubs = 48 * options_.scale;
      const int leagues = std::clamp(clubs / 16, 1, kCountryMaxLeagues);
      CountryDesign scaled{n, {1, 0, 0, 0, 0}, {16, 16, 16, 16, 16}, {3, 3, 3, 3, 0}, 2, 1, 6, 15, 0, 5, 1, 2};
      int rest = leagues - 1;
      for (int level = 1; level < kLeagueLevels && rest > 0; ++level) {
        const int here = level < kLeagueLevels - 1 ? std::min(rest, 1 << (level - 1)) : rest;
        scaled.leagues[static_cast<size_t>(level)] = here;
        rest -= here;
      }
      // Plain rules only: the play-offs need a single league below.
      for (int level = 0; level < kLeagueLevels; ++level)
        if (level + 1 >= kLeagueLevels || scaled.leagues[static_cast<size_t>(level) + 1] == 0)
          scaled.rules[static_cast<size_t>(level)] = 0;
      scaled.clubsOutsideLeagues = std::max(0, clubs - leagues * 16);
      BuildPlayableCountry(country, scaled);
    } else if (design) {
      BuildPlayableCountry(country, *design);
    } else {
      BuildSmallCountry(country);
    }
  }
  FreePlayersAndRules();
  return summary_;
}

}  // namespace

SampleWorldSummary GenerateSampleWorld(CWorldDatabase& world, CNameGenerator& names, const SampleWorldOptions& options) {
  Generator generator(world, names, options);
  return generator.Run();
}

}  // namespace torvale
