#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "competition/competition_registry.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "country_test_world.h"
#include "storage/record_stream.h"
#include "world/country.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

using testing::BuildPlayableLeagues;
using testing::CountryTestWorld;
using testing::PersonBuilder;
using testing::ReadCountryText;
using testing::WriteCountryText;

constexpr int kGermany = 14;

// Every setting away from its default.
void SetEveryField(CCountry& c) {
  c.continent = 3;
  c.continentByte = 1;
  c.languages = {10, 12, 0, 0};
  c.languageShares = {70, 30, 0, 0};
  c.reserveLevel = 2;
  c.leagueSystemOption = 1;
  SetFixedText(c.federationName, "DFB-Bund");
  SetFixedText(c.presidentFirstName, "Gerhard");
  SetFixedText(c.presidentSurname, "Mayer-Vorfelder");
  c.presidentBirthDate = DATE::FromCivil(1933, 3, 3);
  for (int r = 0; r < kReporterCount; ++r) {
    SetFixedText(c.reporters[static_cast<size_t>(r)].firstName, "Rep" + std::to_string(r));
    SetFixedText(c.reporters[static_cast<size_t>(r)].surname, "Orter" + std::to_string(r));
  }
  c.winterBreak = 1;
  c.spareFlag = 1;
  c.climate = 2;
  c.tieBreakRules = {1, 0, 1, 0, 1};
  c.foreignPlayerLimits = {0, 1, 2, 3, 4};
  c.relegationRules[2] = 3;
  c.yellowCardLeagueRule = 0x83;  // above 127: written as a signed byte
  c.yellowCardCupRule = 2;
  c.redCardOptions = 0x31;
  c.redCardRule = 1;
  c.suspensionScope = 5;
  c.yellowRedBanLevels = 0x1F;
  c.indoorTournament = 1;
  c.clubOptions = 3;
  c.moveAbroadProbability = 200;
  c.masterValues = {1, 2, 3, 40000, 5, 65535};
  SetFixedText(c.nationalCoach.firstName, "Rudi");
  SetFixedText(c.nationalCoach.surname, "Voller");
  c.nationalCoach.birthDate = DATE::FromCivil(1960, 4, 13);
  c.nationalCoach.languages = {10, 12, 0, 0};
  c.levelValuesA = {1, 2, 3, 4, 5};
  c.levelValuesB = {9, 8, 7, 6, 5};
  c.teamTransfers = 3;
  c.transferWindow1 = 2;
  c.transferWindow2 = 1;
  c.generateNames = 1;
  c.averageStrength = 22;
  c.nationalNewspaper = "Kicker";
  c.notes = "Zeile eins\r\nZeile zwei\r\n";
  c.continentalTitles = 3;
  c.continentalFinals = 6;
  c.worldChampionships = 3;
  c.worldChampionshipFinals = 7;
  c.youthMasks = {1, 0x3E, 0x7FE, 0x7E, 0x3FFFFFE};
  c.youthHeight = 182;
  c.youthWeight = 77;
  c.fiveYearPoints = {1250, 1000, 900, 800, 700, 600};
  c.rankingExcluded = 1;
}

void AddEveryRecord(CCountry& c) {
  for (int i = 1; i <= 3; ++i) {
    CReferee referee;
    SetFixedText(referee.firstName, "Markus");
    SetFixedText(referee.surname, "Merk" + std::to_string(i));
    referee.character = static_cast<int8_t>(i);
    c.AddReferee(referee);
    CSponsor sponsor;
    SetFixedText(sponsor.name, "Sponsor " + std::to_string(i));
    sponsor.value = 1000 * i;
    c.AddSponsor(sponsor);
    CStaffMember staff;
    SetFixedText(staff.surname, "Helfer" + std::to_string(i));
    staff.job = 4 + i;
    c.AddStaff(staff);
    CStadium stadium;
    SetFixedText(stadium.name, "Arena " + std::to_string(i));
    stadium.seats[kStandMain] = 10000 * i;
    c.AddStadium(stadium);
  }
  c.cupFinalStadium = 2;
  c.ResizePlayerPool(c.RegularClubCount() * 22 + 22);
  for (int i = 0; i < 3; ++i) {
    CPlayerPoolEntry& entry = c.PlayerPool()[static_cast<size_t>(i)];
    SetFixedText(entry.firstName, "Jung");
    SetFixedText(entry.surname, "Talent" + std::to_string(i));
    entry.ability = static_cast<uint8_t>(i + 1);
    entry.preferredClub = static_cast<int32_t>(MakeClubId(kGermany, 3));
  }
  for (int i = 0; i < 2; ++i) {
    CPlayer* manager = c.CreateAdditionalManager();
    SetFixedText(manager->surname, "Manager" + std::to_string(i));
    manager->favouriteClub = MakeClubId(kGermany, 4);
  }
}

class CountryRecordTest : public ::testing::Test {
 protected:
  // The country as a fresh world holds it before its file is read: what the index gives.
  static CCountry& FreshCopy(CountryTestWorld& world, const CCountry& source) {
    CCountry& fresh = world.AddCountry(source.CountryNumber(), "", "");
    for (int language = 0; language < kCountryLanguages; ++language) {
      fresh.SetName(language, source.Name(language));
      fresh.SetShortName(language, source.ShortName(language));
    }
    fresh.continent = source.continent;
    fresh.continentByte = source.continentByte;
    return fresh;
  }

  // `text` read into a fresh copy of the country, in a world of its own.
  CCountry& Reread(const std::string& text) {
    CCountry& reread = FreshCopy(*rereadWorlds_.emplace_back(std::make_unique<CountryTestWorld>()), country_);
    EXPECT_TRUE(ReadCountryText(reread, text));
    return reread;
  }
  CountryTestWorld& RereadWorld() { return *rereadWorlds_.back(); }

  CountryTestWorld world_;
  CCountry& country_ = world_.AddCountry(kGermany, "Deutschland", "GER");
  std::vector<std::unique_ptr<CountryTestWorld>> rereadWorlds_;
};

TEST_F(CountryRecordTest, WholeCountryReadsBackEqual) {
  BuildPlayableLeagues(world_, country_);
  SetEveryField(country_);
  AddEveryRecord(country_);
  country_.AmateurClub()->SetName(4, "Amateure");
  ASSERT_TRUE(country_.IsPlayable());
  const std::string text = WriteCountryText(country_);

  CCountry& reread = Reread(text);
  EXPECT_EQ(WriteCountryText(reread), text);
  EXPECT_TRUE(reread.SameData(country_));
  EXPECT_TRUE(reread.IsPlayable());
  EXPECT_EQ(RereadWorld().registry.Size(), world_.registry.Size()) << "root, 2 leagues, play-off, 3 cups";
  EXPECT_EQ(RereadWorld().people.Persons().Count(), world_.people.Persons().Count());
  EXPECT_EQ(reread.AmateurClub()->Name(4), "Amateure");
  EXPECT_EQ(reread.AmateurClub()->Name(1), "Deutschland-1");
}

TEST_F(CountryRecordTest, SubsectionsInOrderAndTheAmateurClubLast) {
  BuildPlayableLeagues(world_, country_);
  const std::string text = WriteCountryText(country_);
  size_t at = 0;
  for (const char* section : {"%INDEX%COUNTRY", "%INDEX%VERSION", "%INDEX%COMPETITIONPART", "%INDEX%COMPETITION\r",
                              "%INDEX%CLUBS", "%INDEX%CLUB1\r", "%INDEX%CLUB20\r", "%INDEX%CLUB65535",
                              "%INDEXEND%CLUBS", "%INDEX%REFEREES", "%INDEX%SPONSORS", "%INDEX%STAFFS",
                              "%INDEX%STADIUMS", "%INDEX%ADDMANAGER", "%INDEX%PLAYERPOOL", "%INDEX%COUNTRY_MIST",
                              "%INDEX%RANKING", "%INDEXEND%COUNTRY"}) {
    const size_t found = text.find(section, at);
    ASSERT_NE(found, std::string::npos) << section;
    at = found;
  }
  // The playable flag follows the version.
  EXPECT_NE(text.find("%INDEXEND%VERSION\r\n1\r\n%INDEX%COMPETITIONPART"), std::string::npos);
}

TEST_F(CountryRecordTest, SummaryOnlyFromEightClubs) {
  for (int n = 1; n <= 7; ++n) country_.AddClub(std::make_unique<CClub>(), static_cast<uint16_t>(n * 2));
  EXPECT_EQ(WriteCountryText(country_).find("COMPETITIONPART"), std::string::npos);
  country_.AddClub(std::make_unique<CClub>(), 99);
  const std::string text = WriteCountryText(country_);
  // Without a first league the summary lists the clubs as the file numbers them.
  EXPECT_NE(text.find("%INDEX%COMPETITIONPART\r\n1. Liga\r\nNationaler Pokal\r\ne0001\r\ne0002\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("e0008\r\n%INDEXEND%COMPETITIONPART"), std::string::npos);
}

TEST_F(CountryRecordTest, CupFinalStadiumIsWrittenAsItsPosition) {
  for (int i = 0; i < 3; ++i) country_.AddStadium(CStadium{});
  country_.RemoveStadium(1);
  country_.cupFinalStadium = 3;
  CCountry& reread = Reread(WriteCountryText(country_));
  EXPECT_EQ(reread.Stadiums().size(), 2u);
  EXPECT_EQ(reread.cupFinalStadium, 2);
}

TEST_F(CountryRecordTest, NotesTravelAsOneLine) {
  country_.notes = "a\r\nb";
  const std::string text = WriteCountryText(country_);
  EXPECT_NE(text.find("\r\na\tb\r\n%INDEXEND%COUNTRY_MIST"), std::string::npos);
  EXPECT_EQ(Reread(text).notes, "a\r\nb");
}

std::string VersionSection(uint32_t version) {
  return "%INDEX%VERSION\r\n" + std::to_string(static_cast<int32_t>(version)) + "\r\n%INDEXEND%VERSION\r\n";
}

// The country's own version section is the first VERSION section of the file.
std::string WithCountryVersion(std::string text, const std::string& versionLine) {
  const std::string current = VersionSection(CKLFile::kWrittenVersion);
  const size_t at = text.find(current);
  return text.replace(at, current.size(), versionLine);
}

TEST_F(CountryRecordTest, OlderRevisionsOfThe2004Edition) {
  SetEveryField(country_);
  country_.youthMasks[kYouthFaces] = (1u << 3) | (1u << 14) | (1u << 19) | (1u << 20) | (1u << 25) | (1u << 27);
  country_.youthMasks[kYouthBeards] = (1u << 3) | (1u << 4) | (1u << 5) | (1u << 9);
  country_.youthMasks[kYouthHaircuts] = 0x14;
  const std::string text = WriteCountryText(country_);

  const CCountry& six = Reread(WithCountryVersion(text, VersionSection(0x20040006)));
  EXPECT_EQ(six.youthMasks[kYouthFaces], (1u << 3) | (1u << 20) | (1u << 25) | (1u << 14) | (1u << 19) | (1u << 27));
  EXPECT_EQ(six.youthMasks[kYouthBeards], (1u << 5) | (1u << 3) | (1u << 4) | (1u << 9));
  EXPECT_EQ(six.youthMasks[kYouthHaircuts], 0x0Au);
  EXPECT_EQ(six.notes, "") << "no notes before revision 8";
  EXPECT_EQ(six.languages, country_.languages);

  const CCountry& seven = Reread(WithCountryVersion(text, VersionSection(0x20040007)));
  EXPECT_EQ(seven.youthMasks, country_.youthMasks);
  EXPECT_EQ(seven.notes, "");
}

TEST_F(CountryRecordTest, FilesOfOlderEditions) {
  SetEveryField(country_);
  country_.averageStrength = 30;
  country_.relegationRules = {5, 7, 13, 10, 9};
  std::string text = WriteCountryText(country_);

  // An edition before 2004 read its language lines as two single bytes, and knows no notes
  // and no mask renumbering.
  const CCountry& old = Reread(WithCountryVersion(text, VersionSection(0x20030005)));
  EXPECT_EQ(old.languages, (std::array<uint8_t, 4>{}));
  EXPECT_EQ(old.languageShares, (std::array<uint8_t, 4>{}));
  EXPECT_EQ(old.reserveLevel, 2) << "the fields after them stay in place";
  EXPECT_EQ(old.averageStrength, 26);
  EXPECT_EQ(old.youthMasks, country_.youthMasks);
  EXPECT_EQ(old.notes, "");
  EXPECT_EQ(old.relegationRules, country_.relegationRules);

  // Without any version the relegation rules had their old numbers.
  country_.winterBreak = 0;
  country_.indoorTournament = 1;
  text = WriteCountryText(country_);
  const CCountry& oldest = Reread(WithCountryVersion(text, ""));
  EXPECT_EQ(oldest.relegationRules, (std::array<uint8_t, 5>{6, 10, 0, 12, 9}));
  EXPECT_EQ(oldest.indoorTournament, 0) << "no indoor round without a winter break";
  EXPECT_EQ(FixedText(oldest.federationName), "DFB-Bund");
}

TEST_F(CountryRecordTest, MissingSectionsLeaveDefaults) {
  country_.AddReferee(CReferee{});
  CCountry& fresh = world_.AddCountry(30, "Land", "LND");
  EXPECT_FALSE(ReadCountryText(fresh, "%INDEX%OTHER\r\n%INDEXEND%OTHER\r\n"));
  EXPECT_EQ(fresh.averageStrength, 15);

  // A country section with nothing but its version: defaults, the amateur club, a root.
  CountryTestWorld second;
  CCountry& bare = second.AddCountry(kGermany, "Deutschland", "GER");
  ASSERT_TRUE(ReadCountryText(bare, "%INDEX%COUNTRY\r\n" + VersionSection(CKLFile::kWrittenVersion) +
                                        "%INDEXEND%COUNTRY\r\n"));
  EXPECT_EQ(bare.Clubs().size(), 1u);
  EXPECT_NE(bare.AmateurClub(), nullptr);
  EXPECT_EQ(bare.youthHeight, 180);
  EXPECT_NE(second.registry.FindCompetition(MakeCompetitionId(kGermany, CompKind::ROOT, 0)), nullptr);
}

TEST_F(CountryRecordTest, DamagedCountsDoNotRunAway) {
  for (int n = 1; n <= 2; ++n) country_.AddClub(std::make_unique<CClub>(), static_cast<uint16_t>(n));
  country_.AddSponsor(CSponsor{});
  country_.CreateAdditionalManager();
  std::string text = WriteCountryText(country_);
  auto replaceCount = [&text](const std::string& section, const std::string& count) {
    const std::string head = "%INDEX%" + section + "\r\n";
    const size_t at = text.find(head) + head.size();
    text.replace(at, text.find("\r\n", at) - at, count);
  };
  replaceCount("CLUBS", "2000000000");
  replaceCount("SPONSORS", "900");
  replaceCount("ADDMANAGER", "2000000000");
  replaceCount("PLAYERPOOL", "2000000000");

  CCountry& reread = Reread(text);
  EXPECT_EQ(reread.RegularClubCount(), 2);
  EXPECT_NE(reread.AmateurClub(), nullptr);
  EXPECT_EQ(reread.Sponsors().size(), 1u);
  EXPECT_EQ(reread.AdditionalManagers().size(), 1u);
  EXPECT_LE(reread.PlayerPoolSize(), 65535);
}

TEST_F(CountryRecordTest, ReadingReplacesWhatTheCountryHad) {
  country_.AddClub(std::make_unique<CClub>(), 1)->AddPlayer(world_.people.AddPerson(PersonBuilder()).id);
  country_.AddReferee(CReferee{});
  const std::string text = WriteCountryText(country_);
  ASSERT_TRUE(ReadCountryText(country_, text));
  EXPECT_EQ(country_.RegularClubCount(), 1);
  EXPECT_EQ(country_.Referees().size(), 1u);
  EXPECT_EQ(world_.people.Persons().Count(), 1u) << "the old club's person went with it";
  EXPECT_EQ(WriteCountryText(country_), text);
}

}  // namespace
}  // namespace torvale
