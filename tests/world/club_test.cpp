#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/record_stream.h"
#include "support/test_world.h"
#include "world/club.h"
#include "world/club_id_mapper.h"
#include "world/fixed_text.h"
#include "world/stadium.h"

namespace torvale {
namespace {

using testing::PersonBuilder;
using testing::TestWorld;

constexpr uint8_t kCountry = 14;

std::string Repeat(char c, size_t n) { return std::string(n, c); }

// A club with every stored field away from its default, and 30 persons of every kind.
CClub FullClub(TestWorld& world) {
  CClub club;
  club.SetWorld(&world.Persons());
  club.clubId = MakeClubId(kCountry, 1);
  club.siblingId = 4711;
  club.secondSiblingId = 815;
  for (int l = 0; l < kClubLanguages; ++l) {
    club.SetName(l, std::string("Verein ") + char('A' + l) + Repeat('n', 20));
    club.SetShortName(l, "Kurz" + std::to_string(l) + "xxxxx");
    club.SetAbbreviation(l, "AB" + std::to_string(l) + "Z");
    club.SetTown(l, Repeat('t', 28));
    club.nameArticles[l] = static_cast<uint8_t>(l + 1);
    club.fanNameArticles[l] = static_cast<uint8_t>(l + 2);
    club.secondFanNameArticles[l] = static_cast<uint8_t>(l + 3);
    club.sentenceForms[l] = static_cast<uint8_t>(l + 4);
  }
  SetFixedText(club.fansName, "Die Blauen", 18);
  SetFixedText(club.secondFansName, Repeat('f', 18), 18);
  SetFixedText(club.mascot, "Bär Bruno", 18);
  club.fanFriendship = 7;
  club.archRival1 = 3;
  club.archRival2 = 65535;
  club.foundingYear = 1899;
  club.seasonFlags = 0x41;
  club.startingAssets = -1200000;
  club.publicCompany = 1;
  club.pointsDeduction = 6;
  SetFixedText(club.address, Repeat('a', 48));
  SetFixedText(club.phone, "0049 123 456789012");
  SetFixedText(club.website, "www." + Repeat('w', 96));  // 100 characters
  SetFixedText(club.fanSites, Repeat('s', 255));
  SetFixedText(club.localNewspaper, Repeat('z', 28));
  club.spectatorsMidTable = 25000;
  club.spectatorsBigMatch = 81000;
  club.seasonTickets = 12000;
  club.leaguePoints = 3001;
  club.leagueGames = 1500;
  club.leagueGoals = 2400;
  club.leagueGoalsAgainst = 2100;
  club.leagueTableLeads = 40;
  for (int t = 0; t < kTitleListCount; ++t) club.titles[t] = std::to_string(1950 + t) + ",1999";
  for (int r = 0; r < kRecordCount; ++r)
    club.records[r] = RECORD{static_cast<uint8_t>(r + 1), static_cast<uint8_t>(9 - r), r * 1000, "Gegner " + std::to_string(r),
                             static_cast<int16_t>(1960 + r)};
  SetFixedText(club.badgeFile, "Data\\Badge\\123.tga");
  club.clubColours[0] = 3;
  club.clubColours[1] = 29;
  club.clubColours[2] = 255;
  club.homeStadium = 4;
  club.alternativeStadium = 9;
  for (int f = 0; f < kFacilityCount; ++f) club.facilities[f] = static_cast<uint8_t>(f + 1);
  club.SetLatitude(true, 45, 30);
  club.SetLongitude(true, 12, 59);
  for (int i = 0; i < 2; ++i) {
    club.kit.outfits[i].shirtStyle = static_cast<uint8_t>(40 + i);
    club.kit.outfits[i].shortsStyle = static_cast<uint8_t>(13 - i);
    club.kit.outfits[i].socksStyle = static_cast<uint8_t>(4 - i);
    for (int c = 0; c < 12; ++c) club.kit.outfits[i].colours[c] = static_cast<uint8_t>(i * 12 + c + 5);
  }
  club.kit.readyMade = 300;
  club.prestige = 17;
  club.cityGraphic = "city\\stadt.tga";
  club.preferredCountries[0] = 45;
  club.preferredCountries[1] = 206;
  club.youthOrigin = 3;
  for (int i = 0; i < 30; ++i) {
    PersonBuilder person;
    person.Named("Vor" + std::to_string(i), "Nach" + std::to_string(i))
        .Role(static_cast<int8_t>(i < 20 ? 0 : i - 10))
        .Nationality(kCountry)
        .Born(1970 + i % 15, 1 + i % 12, 1 + i)
        .Position(static_cast<uint8_t>(1 + i % 17))
        .Ratings(1, 2, 3, static_cast<uint8_t>(i % 7))
        .AllAbilities(static_cast<uint8_t>(1 + i % 10))
        .Experience(static_cast<uint8_t>(i % 7), static_cast<uint8_t>(i % 5))
        .Languages(3, 7);
    CPlayer& p = world.AddPerson(person, static_cast<uint32_t>(100 + i));
    p.team = static_cast<int8_t>(i % 2);
    p.firstClub = MakeClubId(kCountry, 2);
    p.loanedTo = MakeClubId(kCountry, 3) | kReserveTeamBit;
    EXPECT_TRUE(club.AddPlayer(p.id));
  }
  return club;
}

std::string WriteClubText(const CClub& club, int number = 1) {
  IdentityClubIdMapper clubIds;
  IdentityStadiumPositions stadiums;
  return testing::WriteToText([&](CKLFile& f) { EXPECT_TRUE(club.WriteClub(f, number, {clubIds, stadiums})); });
}

// Reads "CLUB1" from `text` into a fresh club of country 14 in `world`.
CClub ReadClubText(TestWorld& world, const std::string& text, uint32_t options = 0, int number = 1) {
  CKLFile in;
  in.OpenReadFromMemory(text);
  CClub club;
  club.SetWorld(&world.Persons());
  club.clubId = MakeClubId(kCountry, 1);
  const PlayerReadContext players = world.ReadContext();
  EXPECT_TRUE(club.ReadClub(in, number, {players, 0, options}));
  EXPECT_TRUE(in.AtEnd());
  return club;
}

TEST(Club, FullClubWithThirtyPersonsSurvivesWriteAndRead) {
  TestWorld source;
  const CClub club = FullClub(source);
  const std::string text = WriteClubText(club, 5);

  TestWorld target;
  CClub back = ReadClubText(target, text, 0, 5);
  // The working total of the players' values is not stored; everything else is.
  EXPECT_EQ(back, club);
  ASSERT_EQ(back.playerCount, 30);
  for (uint32_t id : back.PlayerIds()) {
    const CPlayer* original = source.Persons().FindPlayer(id);
    const CPlayer* read = target.Persons().FindPlayer(id);
    ASSERT_TRUE(original && read);
    EXPECT_EQ(*read, *original) << "person " << id;
  }
  EXPECT_EQ(FixedText(back.website).size(), 100u);
  // Written again, the club gives the same text.
  EXPECT_EQ(WriteClubText(back, 5), text);
}

TEST(Club, ReferencesAndStadiumsAreWrittenUnderTheSavedNumbering) {
  struct Renumbering final : ClubIdMapper {
    uint32_t SavedClubId(uint32_t id) const override {
      if (ClubNumber(id) == 0xFFFF) return id;
      return ClubNumber(id) == 7 ? MakeClubId(ClubCountry(id), 2) : 0;
    }
  } clubIds;
  struct Positions final : StadiumPositionMapper {
    int32_t SavedStadiumPosition(int32_t n) const override { return n / 2; }
  } stadiums;
  TestWorld world;
  CClub club;
  club.clubId = MakeClubId(kCountry, 3);
  club.fanFriendship = 7;        // becomes club 2
  club.archRival1 = 9;           // gone: 0
  club.archRival2 = 0xFFFF;      // the amateur club stays
  club.homeStadium = 8;
  club.alternativeStadium = 0;
  const std::string text = testing::WriteToText([&](CKLFile& f) { club.WriteClub(f, 1, {clubIds, stadiums}); });
  EXPECT_NE(text.find("\r\ne0002\r\n0\r\neffff\r\n"), std::string::npos) << text;
  CClub back = ReadClubText(world, text);
  EXPECT_EQ(back.fanFriendship, 2u);
  EXPECT_EQ(back.archRival1, 0u);
  EXPECT_EQ(back.archRival2, 0xFFFFu);
  EXPECT_EQ(back.homeStadium, 4);

  // Taken over from another world: stadiums and badge are not.
  club.homeStadium = 3;
  SetFixedText(club.badgeFile, "x.tga");
  CClub imported;
  imported.homeStadium = 2;
  SetFixedText(imported.badgeFile, "mine.tga");
  CKLFile in;
  in.OpenReadFromMemory(WriteClubText(club));
  const PlayerReadContext players = world.ReadContext();
  imported.ReadClub(in, 1, {players, 0, kClubReadSkipStadiums | kClubReadSkipBadge});
  EXPECT_EQ(imported.homeStadium, 2);
  EXPECT_EQ(FixedText(imported.badgeFile), "mine.tga");
  EXPECT_EQ(imported.fanFriendship, 7u);  // the lines after them were read in step

  // A missing section reads nothing.
  CClub untouched;
  CKLFile empty;
  empty.OpenReadFromMemory(text);
  EXPECT_FALSE(untouched.ReadClub(empty, 2, {players, 0, 0}));
  EXPECT_EQ(untouched, CClub());
}

// ---------------------------------------------------------------- older files

struct OldClubFile {
  uint32_t version = 0;  // 0: no "VERSION" section
  std::string badge = "Data/Badges/123.tga";
  std::string abbreviation = "ABCDEFG";
  int32_t bigMatch = 250000;
  int32_t latitude = -((45 << 16) | 30);
  int32_t longitude = 20;
  int shirt = 0, shorts = 0, socks = 3, colour = 22;

  uint16_t Major() const { return static_cast<uint16_t>(version >> 16); }
  uint16_t Minor() const { return static_cast<uint16_t>(version); }

  // The section as the edition of `version` wrote it.
  std::string Text() const {
    std::vector<std::string> l;
    const bool versioned = version != 0;
    const bool is2004 = Major() == 0x2004;
    l.push_back("%INDEX%CLUB1");
    if (versioned) {
      l.push_back("%INDEX%VERSION");
      l.push_back(std::to_string(version));
      l.push_back("%INDEXEND%VERSION");
    }
    l.push_back("\"Altclub\",\"Old Club\",\"C\",\"D\",\"E\"");
    l.push_back("\"Alt\",\"Old\",\"\",\"\",\"\"");
    if (versioned) {
      l.insert(l.end(), {"1,2,3,4,5", "2,2,2,2,2", "3,3,3,3,3"});
      l.push_back("\"" + abbreviation + "\",\"EFGHIJ\",\"\",\"\",\"\"");
      l.push_back("6,6,6,6,6");
    } else {
      l.insert(l.end(), {"1", "2", "3", abbreviation, "6"});
    }
    l.push_back("\"Altstadt\",\"\",\"\",\"\",\"\"");
    l.insert(l.end(), {"Fans", "Fans2", "e0002", "e0003", "0", "1905"});
    l.insert(l.end(), {"Adresse", "Telefon", "web", "fans", "Zeitung", "Maskottchen"});
    l.insert(l.end(), {"500000", "1", "3", "0", "0"});
    l.insert(l.end(), {"20000", std::to_string(bigMatch), "9000", "1", "2", "3", "4", "5"});
    l.insert(l.end(), {"2", "3"});
    l.insert(l.end(), {"4", "3", "2", "1", "2"});  // centre, medical, merchandise, youth, training
    if (versioned) l.insert(l.end(), {"1", "1"});  // media, research
    l.push_back("16");
    l.push_back(badge);
    if (Major() >= 0x2004) l.insert(l.end(), {"5", "6", "7"});
    l.push_back("%INDEX%HIST");
    for (int t = 0; t < 8; ++t) l.push_back(t == 0 ? "1950,1960" : "");
    for (int r = 0; r < 5; ++r)
      l.insert(l.end(), {"%INDEX%RECORD", "7", "0", "0", "Gegner", "1970", "%INDEXEND%RECORD"});
    l.push_back("%INDEXEND%HIST");
    l.push_back(std::to_string(latitude));
    l.push_back(std::to_string(longitude));
    if (versioned) {
      l.insert(l.end(), {"12", "stadt.tga", "45", "46", "47", "900"});
      if (is2004 && Minor() >= 4) l.push_back("901");
    }
    l.push_back("0");
    l.push_back("%INDEX%KIT");
    for (int k = 0; k < 2; ++k) {
      l.insert(l.end(), {std::to_string(shirt), std::to_string(shorts), std::to_string(socks)});
      for (int c = 0; c < 12; ++c) l.push_back(std::to_string(c == 0 ? colour : c));
    }
    l.push_back("77");
    l.push_back("%INDEXEND%KIT");
    l.push_back("%INDEXEND%CLUB1");
    std::string text;
    for (const std::string& line : l) text += line + "\r\n";
    return text;
  }
};

TEST(Club, FilesWithoutVersion) {
  TestWorld world;
  OldClubFile file;
  file.badge = "x/abc.bmp";
  CClub club = ReadClubText(world, file.Text());
  EXPECT_EQ(club.Name(0), "Altclub");
  EXPECT_EQ(club.Name(1), "Old Club");
  EXPECT_EQ(club.nameArticles[0], 1);
  EXPECT_EQ(club.nameArticles[1], 0);
  EXPECT_EQ(club.secondFanNameArticles[0], 3);
  EXPECT_EQ(club.Abbreviation(0), "ABCD");
  EXPECT_EQ(club.Abbreviation(1), "");
  EXPECT_EQ(club.sentenceForms[0], 6);
  EXPECT_EQ(club.Town(0), "Altstadt");
  EXPECT_EQ(club.fanFriendship, 2u);
  EXPECT_EQ(club.foundingYear, 1905);
  EXPECT_EQ(club.facilities[kClubCentre], 4);
  EXPECT_EQ(club.facilities[kMedicalDepartment], 3);
  EXPECT_EQ(club.facilities[kFanMerchandise], 2);
  EXPECT_EQ(club.facilities[kTrainingGround], 2);
  EXPECT_EQ(club.facilities[kMedia], 0);
  EXPECT_EQ(club.seasonFlags, 16);
  EXPECT_EQ(FixedText(club.badgeFile), "x\\abc.tga");
  EXPECT_EQ(club.clubColours[0], 0);
  EXPECT_EQ(club.titles[kChampionships], "1950,1960");
  EXPECT_EQ(club.records[kRecordAttendance].goalsFor, 7);
  EXPECT_EQ(club.prestige, 20);
  EXPECT_EQ(club.preferredCountries[1], kCountry);
  EXPECT_EQ(club.youthOrigin, kCountry);
  EXPECT_EQ(club.siblingId, 0);
  EXPECT_TRUE(club.LatitudeSouthern());
  EXPECT_EQ(club.playerCount, 0);
  EXPECT_EQ(club.kit.readyMade, 77);

  file.bigMatch = 99999;
  EXPECT_EQ(ReadClubText(world, file.Text()).prestige, 9);
}

TEST(Club, BadgePathsAreRewritten) {
  TestWorld world;
  OldClubFile file;
  file.version = CKLFile::kWrittenVersion;
  const std::pair<const char*, const char*> cases[] = {
      {"Data/Badges/123.tga", "Data\\Badge\\123.tga"},
      {"DATA/BADGES/badges.bmp", "DATA\\BADGE\\badges.bmp"},  // only the first place; no .bmp rule
      {"x/abc.bmp", "x\\abc.bmp"},
      {"badge/1.tga", "badge\\1.tga"},
  };
  for (auto [stored, expected] : cases) {
    file.badge = stored;
    EXPECT_EQ(FixedText(ReadClubText(world, file.Text()).badgeFile), expected) << stored;
  }
  file.version = 0;
  file.badge = ".bmp";
  EXPECT_EQ(FixedText(ReadClubText(world, file.Text()).badgeFile), ".tga");
  file.badge = "bmp";
  EXPECT_EQ(FixedText(ReadClubText(world, file.Text()).badgeFile), "bmp");
}

TEST(Club, VersionRulesAroundEachThreshold) {
  struct Expect {
    uint32_t version;
    bool colours, secondSibling, oldKit, repairedPosition, sibling;
  };
  const Expect cases[] = {
      {0x20030002, false, false, true, true, false},
      {0x20040000, true, false, false, false, true},
      {0x20040001, true, false, false, false, true},
      {0x20040004, true, true, false, false, true},
      {0x20040005, true, true, false, false, true},
      {0x20040006, true, true, false, false, false},
      {0x20040007, true, true, false, false, false},
      {0x20040008, true, true, false, false, false},
  };
  TestWorld world;
  world.SiblingLists().clubs["Altclub"] = SiblingClubEntry{1234, 56};
  for (const Expect& e : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << e.version);
    OldClubFile file;
    file.version = e.version;
    file.latitude = -(45 << 16) + 30;  // degrees negated, minutes kept in the low half
    file.longitude = -(180 << 16) - 20;
    CClub club = ReadClubText(world, file.Text());
    EXPECT_EQ(club.Abbreviation(0), "ABCD");
    EXPECT_EQ(club.Abbreviation(1), "EFGH");
    EXPECT_EQ(club.nameArticles[4], 5);
    EXPECT_EQ(club.facilities[kMedia], 1);
    EXPECT_EQ(club.prestige, 12);
    EXPECT_EQ(club.preferredCountries[1], 46);
    EXPECT_EQ(FixedText(club.badgeFile), "Data\\Badge\\123.tga");
    EXPECT_EQ(club.clubColours[2], e.colours ? 7 : 0);
    EXPECT_EQ(club.secondSiblingId, e.secondSibling ? 901 : 0);
    if (e.oldKit) {
      EXPECT_EQ(club.kit.outfits[1].shirtStyle, 30);
      EXPECT_EQ(club.kit.outfits[1].shortsStyle, 1);
      EXPECT_EQ(club.kit.outfits[1].socksStyle, 4);
      EXPECT_EQ(club.kit.outfits[0].colours[0], 63);
      EXPECT_EQ(club.kit.outfits[0].colours[1], 19);
    } else {
      EXPECT_EQ(club.kit.outfits[1].shirtStyle, 0);
      EXPECT_EQ(club.kit.outfits[1].socksStyle, 3);
      EXPECT_EQ(club.kit.outfits[0].colours[0], 22);
    }
    if (e.repairedPosition) {
      // -(45 << 16) + 30 has 44 whole degrees in its magnitude and 30 in the low half.
      EXPECT_EQ(club.latitude, -((44 << 16) | 30));
      EXPECT_EQ(club.longitude, -(179 << 16));
    } else {
      EXPECT_EQ(club.latitude, -(45 << 16) + 30);
    }
    EXPECT_EQ(club.siblingId, e.sibling ? 1234 : 900);
    EXPECT_EQ(club.kit.readyMade, e.sibling ? 56 : 77);
  }
}

TEST(Club, OldKitNumbersOutsideTheTablesBecomeZero) {
  TestWorld world;
  OldClubFile file;
  file.version = 0x20030001;
  file.shirt = 43;
  file.shorts = 13;
  file.socks = 4;
  file.colour = 23;
  CClub club = ReadClubText(world, file.Text());
  EXPECT_EQ(club.kit.outfits[0].shirtStyle, 0);
  EXPECT_EQ(club.kit.outfits[0].shortsStyle, 0);
  EXPECT_EQ(club.kit.outfits[0].socksStyle, 0);
  EXPECT_EQ(club.kit.outfits[0].colours[0], 0);
  file.shirt = 42;
  file.shorts = 12;
  file.colour = 0;
  club = ReadClubText(world, file.Text());
  EXPECT_EQ(club.kit.outfits[0].shirtStyle, 42);
  EXPECT_EQ(club.kit.outfits[0].shortsStyle, 13);
  EXPECT_EQ(club.kit.outfits[0].colours[0], 18);
  // Positive positions of old files are kept as they are.
  file.latitude = (50 << 16) | 7;
  EXPECT_EQ(ReadClubText(world, file.Text()).latitude, (50 << 16) | 7);
}

// ---------------------------------------------------------------- persons

TEST(Club, PersonListKeeps256AndReadingCreatesEveryPerson) {
  TestWorld world;
  CClub club;
  club.SetWorld(&world.Persons());
  for (uint32_t id = 1; id <= 256; ++id) ASSERT_TRUE(club.AddPlayer(id));
  EXPECT_FALSE(club.AddPlayer(257));
  club.AddPlayer(0);
  club.RemovePlayer(5);
  EXPECT_EQ(club.playerCount, 255);
  EXPECT_EQ(club.players[4], 6u);
  EXPECT_EQ(club.players[255], 0u);
  EXPECT_FALSE(club.HasPlayer(5));
  EXPECT_EQ(club.FindPlayer(6), nullptr);  // listed, but the world has no such person
  const uint32_t listed = world.AddPerson(PersonBuilder(), 5000).id;
  const uint32_t unlisted = world.AddPerson(PersonBuilder(), 5001).id;
  club.AddPlayer(listed);
  EXPECT_NE(club.FindPlayer(listed), nullptr);
  EXPECT_EQ(club.FindPlayer(unlisted), nullptr);
  club.RemovePlayer(listed);
  club.players[10] = 7;  // the same id twice goes twice
  club.RemovePlayer(7);
  EXPECT_EQ(club.playerCount, 253);

  // A list of 300 persons in a file: all are created, the first 256 listed. Ids 0 and taken
  // ids get fresh ones.
  CClub big;
  TestWorld source;
  big.SetWorld(&source.Persons());
  big.clubId = MakeClubId(kCountry, 1);
  for (int i = 0; i < 256; ++i) big.AddPlayer(source.AddPerson(PersonBuilder(), 0).id);
  std::string written = WriteClubText(big);
  const std::string countLine = "\r\n256\r\n1\r\n%INDEX%PLAYER";
  const size_t at = written.find(countLine);
  ASSERT_NE(at, std::string::npos);
  std::string extra;
  for (int i = 0; i < 44; ++i) extra += "1\r\n%INDEX%PLAYER\r\nExtra\r\nPerson\r\n%INDEXEND%PLAYER\r\n";
  const size_t kitAt = written.find("%INDEX%KIT");
  written.insert(kitAt, extra);
  written.replace(at, countLine.size(), "\r\n300\r\n0\r\n%INDEX%PLAYER");
  TestWorld target;
  CClub back = ReadClubText(target, written);
  EXPECT_EQ(back.playerCount, 256);
  EXPECT_EQ(target.Persons().Count(), 300u);
  EXPECT_TRUE(back.HasPlayer(1));  // the person written as id 0 took the first free id
  EXPECT_EQ(back.kit, big.kit);

  // Bare ids without their records end the list: the records after them are not searched
  // for (per id that would walk the rest of the file), the kit is still read.
  std::string bare = WriteClubText(big);
  const size_t firstRecord = bare.find("%INDEX%PLAYER");
  const size_t secondId = bare.find("%INDEXEND%PLAYER\r\n", firstRecord) + 18;
  bare.insert(secondId, "77\r\n78\r\n79\r\n");
  TestWorld bareWorld;
  CClub bareBack = ReadClubText(bareWorld, bare);
  EXPECT_EQ(bareBack.playerCount, 1);
  EXPECT_EQ(bareWorld.Persons().Count(), 1u);
  EXPECT_EQ(bareBack.kit, big.kit);

  // A count promising more persons than the file holds stops at the end of the list.
  std::string promise = WriteClubText(CClub());
  promise.replace(promise.find("\r\n0\r\n%INDEX%KIT"), 15, "\r\n2000000000\r\n%INDEX%KIT");
  TestWorld small;
  EXPECT_EQ(ReadClubText(small, promise).playerCount, 0);
  EXPECT_EQ(small.Persons().Count(), 0u);
}

TEST(Club, CountsAndStrengthTakePlayersOfOneTeam) {
  TestWorld world;
  CClub club;
  club.SetWorld(&world.Persons());
  auto add = [&](int8_t role, int8_t team, uint8_t rating) {
    CPlayer& p = world.AddPerson(PersonBuilder().Role(role).Position(17).Ratings(0, 0, 0, rating));
    p.team = team;
    club.AddPlayer(p.id);
    return p.Strength();
  };
  const float a = add(kRolePlayer, 0, 6);
  const float b = add(kRolePlayer, 0, 2);
  const float reserve = add(kRolePlayer, 1, 4);
  add(kRoleCoach, 0, 6);
  club.AddPlayer(9999);  // listed, but no such person
  EXPECT_EQ(club.CountPlayers(kFirstTeam), 2);
  EXPECT_EQ(club.CountPlayers(kReserveTeam), 1);
  EXPECT_FLOAT_EQ(club.AverageStrength(kFirstTeam), (a + b) / 2);
  EXPECT_FLOAT_EQ(club.AverageStrength(kReserveTeam), reserve);
  CClub empty;
  EXPECT_EQ(empty.AverageStrength(kFirstTeam), 0.0f);
}

// ---------------------------------------------------------------- rules

TEST(Club, CheckTellsWhichStaffTheFacilitiesDoNotAllow) {
  TestWorld world;
  auto clubWith = [&](uint8_t centre, uint8_t medical, std::vector<int8_t> roles) {
    CClub club;
    club.SetWorld(&world.Persons());
    club.facilities[kClubCentre] = centre;
    club.facilities[kMedicalDepartment] = medical;
    for (int8_t role : roles) club.AddPlayer(world.AddPerson(PersonBuilder().Role(role)).id);
    return club.Check();
  };
  // Players, coach, manager and president are no employees.
  EXPECT_EQ(clubWith(0, 4, {0, 0, 1, 2, 3}), 0u);
  EXPECT_EQ(clubWith(0, 4, {4}), kCheckNoEmployeesInShed);
  EXPECT_EQ(clubWith(1, 4, {4, 5, 6}), 0u);
  EXPECT_EQ(clubWith(1, 4, {4, 5, 6, 7}), kCheckTooManyEmployeesOffice);
  EXPECT_EQ(clubWith(2, 4, {4, 5, 6, 7, 8}), 0u);
  EXPECT_EQ(clubWith(2, 4, {4, 5, 6, 7, 8, 9}), kCheckTooManyEmployeesBuilding);
  EXPECT_EQ(clubWith(3, 0, {11}), kCheckNoMedicalStaff | kCheckNoTeamDoctor);
  EXPECT_EQ(clubWith(3, 1, {11, 15}), kCheckNoMasseur);
  EXPECT_EQ(clubWith(3, 2, {15, 16}), kCheckNoPsychologist);
  EXPECT_EQ(clubWith(3, 3, {12, 16}), kCheckNoSpecialist);
  EXPECT_EQ(clubWith(3, 4, {11, 12, 13, 14, 15, 16}), 0u);
  EXPECT_EQ(clubWith(3, 0, {12}), kCheckNoMedicalStaff | kCheckNoSpecialist);
  EXPECT_EQ(clubWith(3, 0, {17, 18, 19, 20}), 0u);

  const auto messages = ClubCheckMessages(kCheckTooManyEmployeesOffice | kCheckNoSpecialist);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0],
            "Mit dem Vereinszentrum \"Gesch\xe4" "ftsstelle\" k\xf6nnen nur bis zu drei Angestellte besch\xe4" "ftigt werden.");
  EXPECT_EQ(messages[1],
            "Erst das \"Geb\xe4ude wie ein Krankenhaus (OP/Rehabilitation)\" erm\xf6glicht die Anstellung eines "
            "beliebigen Spezialarztes.");
  for (int bit = 0; bit < kClubCheckBits; ++bit) EXPECT_FALSE(ClubCheckMessage(bit).empty());
  EXPECT_TRUE(ClubCheckMessage(8).empty());
}

TEST(Club, SeasonFlagsExcludeEachOther) {
  CClub club;
  club.SetPromoted(kFirstTeam, true);
  EXPECT_EQ(club.seasonFlags, 0x01);
  club.SetRelegated(kFirstTeam, true);
  EXPECT_EQ(club.seasonFlags, 0x04);
  club.SetPromoted(kReserveTeam, true);
  EXPECT_EQ(club.seasonFlags, 0x06);
  club.SetCupFinalist(kFirstTeam, true);
  club.SetCupWinner(kReserveTeam, true);  // clears the first team's cup winner only
  EXPECT_TRUE(club.CupFinalist(kFirstTeam));
  EXPECT_TRUE(club.CupWinner(kReserveTeam));
  club.SetCupWinner(kFirstTeam, true);
  EXPECT_FALSE(club.CupFinalist(kFirstTeam));
  EXPECT_FALSE(club.CupWinner(kReserveTeam));
  club.SetCupFinalist(kReserveTeam, true);
  club.SetCupFinalist(kFirstTeam, true);
  EXPECT_FALSE(club.CupFinalist(kReserveTeam));
  EXPECT_FALSE(club.CupWinner(kFirstTeam));
  club.ClearSeasonFlags(kFirstTeam);
  EXPECT_EQ(club.seasonFlags, 0x02);

  CClub a, b, c;
  std::vector<CClub*> country = {&a, &b, &c};
  MarkCountryCupWinner(country, b, kFirstTeam);
  MarkCountryCupFinalist(country, c, kReserveTeam);
  MarkCountryCupWinner(country, a, kReserveTeam);
  EXPECT_TRUE(a.CupWinner(kReserveTeam));
  EXPECT_FALSE(b.CupWinner(kFirstTeam));
  EXPECT_TRUE(c.CupFinalist(kReserveTeam));
  MarkCountryCupFinalist(country, a, kFirstTeam);
  EXPECT_FALSE(c.CupFinalist(kReserveTeam));
  EXPECT_TRUE(a.CupWinner(kReserveTeam));  // the other team's win stays
  EXPECT_TRUE(a.CupFinalist(kFirstTeam));
}

TEST(Club, PositionIsClampedAndSigned) {
  CClub club;
  club.SetLatitude(true, 45, 30);
  EXPECT_EQ(club.latitude, -((45 << 16) | 30));
  EXPECT_TRUE(club.LatitudeSouthern());
  EXPECT_EQ(club.LatitudeDegrees(), 45);
  EXPECT_EQ(club.LatitudeMinutes(), 30);
  club.SetLatitude(false, 95, 20);
  EXPECT_EQ(club.latitude, 90 << 16);
  club.SetLatitude(false, -3, 75);
  EXPECT_EQ(club.latitude, 59);
  club.SetLongitude(false, 180, 20);
  EXPECT_EQ(club.longitude, 179 << 16);
  club.longitude = INT32_MIN;  // whatever a file holds, the getters stay defined
  EXPECT_EQ(club.LongitudeDegrees(), 0x8000);
}

TEST(Club, NewClubsAndTextLimits) {
  ClubNameCounter counter;
  CClub first, second;
  first.InitNewClub(kCountry, counter);
  second.InitNewClub(45, counter);
  EXPECT_EQ(first.Name(4), "Club 1");
  EXPECT_EQ(second.Name(0), "Club 2");
  EXPECT_EQ(second.clubId, MakeClubId(45, 2));
  EXPECT_EQ(second.youthOrigin, 45);
  first.SetAbbreviation(0, "ABCDEFG");
  EXPECT_EQ(first.Abbreviation(0), "ABCD");
  first.SetName(2, Repeat('n', 40));
  EXPECT_EQ(first.Name(2).size(), 28u);
  first.SetTown(1, "\"Am See\"");
  EXPECT_EQ(first.Town(1), "'Am See'");
  first.SetShortName(5, "x");  // no sixth language
  EXPECT_EQ(first.ShortName(5), "");
}

}  // namespace
}  // namespace torvale
