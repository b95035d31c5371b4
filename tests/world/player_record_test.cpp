#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/test_world.h"
#include "world/club_id_mapper.h"
#include "world/fixed_text.h"
#include "world/player.h"
#include "world/sibling_lookup.h"

namespace torvale {
namespace {

using testing::PersonBuilder;
using testing::TestWorld;
using testing::WriteToText;
using testing::WriteVersionNumber;

// Every stored field away from its default (and the names with blanks and a leading ';'
// that the stream must keep).
CPlayer EveryFieldSet() {
  CPlayer p;
  p.InitDefaults(kRoleCoach, 14);
  p.siblingId = 123456;
  p.role = kRoleCoach;
  p.team = 1;
  p.nationality = 14;
  p.secondNationality = 45;
  p.domestic = 1;
  SetFixedText(p.firstName, "Hans Peter");
  SetFixedText(p.surname, ";M\xFCller-L\xFC" "den");  // Windows-1252
  SetFixedText(p.nickname, "Der Bomber");
  SetFixedText(p.stageName, "Hansi");
  p.birthDate = DATE::FromCivil(1975, 2, 28);
  p.talent = 5;
  p.foot = kFootLeft;
  for (size_t i = 0; i < p.abilities.size(); ++i) p.abilities[i] = static_cast<uint8_t>(i % 10 + 1);
  p.character = {10, 1, 1, 1, 1, 1, 1, 1, 2};
  p.leagueExperience = 6;
  p.internationalExperience = 4;
  p.shirtNumber = 200;  // written as a signed byte
  p.mainPosition = 17;
  p.secondaryPositions = {16, 15};
  p.ratings = {1, 2, 3, 6};
  p.hairColour = 4;
  p.skinColour = 3;
  p.face = 22;
  p.hairStyle = 9;
  p.facialHair = 6;
  p.height = 201;
  p.weight = 99;
  p.speechFile = "speech\\hansi.wav";
  p.firstClub = 0x000E0003;
  p.lastClub = 0x010E0004;
  p.contractStart = 2001;
  p.contractEnd = 2007;
  p.internationalCaps = 77;
  p.internationalGoals = 33;
  p.managerAbilities = {11, 12, 13, 14};
  p.languages = {3, 1, 7, 0};
  p.favouriteClub = 0x002D0009;
  p.secondClubPreference = 0x000EFFFF;
  p.favouritePlayer = 4711;
  p.formation = 9;
  p.spare = 7;
  p.tacticalEducation = 8;
  p.nationalTeamStatus = 0x1F;
  p.loanedTo = 0x000E0002;
  p.specialStart = DATE::FromCivil(2003, 8, 15);
  p.specialEnd = DATE::FromCivil(2004, 5, 1);
  p.neverMovesTo = 0x000E0001;
  p.favouriteCountry = 45;
  p.starHead = 60000;
  p.headType = 200;
  p.personFlags = 1;
  p.bonusAbility = 31;
  p.notes = "Erste Zeile\r\nzweite Zeile\r\n";
  return p;
}

std::string WrittenFile(const CPlayer& p, uint32_t version = CKLFile::kWrittenVersion) {
  IdentityClubIdMapper ids;
  return WriteToText([&](CKLFile& f) {
    WriteVersionNumber(f, version);
    p.WritePlayer(f, ids);
  });
}

CPlayer ReadFile(TestWorld& world, const std::string& text) {
  CKLFile in;
  EXPECT_TRUE(in.OpenReadFromMemory(text));
  ReadVersion(in);
  CPlayer p;
  p.ReadPlayer(in, world.ReadContext());
  return p;
}

TEST(PlayerRecord, EveryFieldSurvivesWriteAndRead) {
  TestWorld world;
  const CPlayer original = EveryFieldSet();
  const CPlayer back = ReadFile(world, WrittenFile(original));
  EXPECT_EQ(back, original);
  EXPECT_EQ(std::string(FixedText(back.surname)), ";M\xFCller-L\xFC" "den");
  EXPECT_EQ(back.notes, "Erste Zeile\r\nzweite Zeile\r\n");
}

TEST(PlayerRecord, TalentAndBonusAbilityShareOneByte) {
  CPlayer p;
  p.talent = 5;
  p.bonusAbility = 3;
  IdentityClubIdMapper ids;
  const std::string text = WriteToText([&](CKLFile& f) { p.WritePlayer(f, ids); });
  // Right after the birth date's section.
  EXPECT_NE(text.find("%INDEXEND%DATE\r\n29\r\n"), std::string::npos);
}

// Renumbers every club of country 14 by adding 100; clubs of country 9 no longer exist.
class RenumberingMapper final : public ClubIdMapper {
 public:
  uint32_t SavedClubId(uint32_t clubId) const override {
    if ((clubId & 0xFFFF) == 0xFFFF) return clubId;
    if (((clubId >> 16) & 0xFF) == 9) return 0;
    return clubId + 100;
  }
};

TEST(PlayerRecord, ClubReferencesAreWrittenUnderTheSavedNumbering) {
  CPlayer p;
  p.firstClub = 0x000E0001;
  p.lastClub = 0x010E0002;        // reserve team
  p.favouriteClub = 0x00090005;    // a club that is gone
  p.loanedTo = 0x000EFFFF;         // the amateur club keeps its number
  p.neverMovesTo = 0;              // none stays none
  RenumberingMapper mapper;
  const std::string text = WriteToText([&](CKLFile& f) {
    WriteVersion(f);
    p.WritePlayer(f, mapper);
  });
  TestWorld world;
  const CPlayer back = ReadFile(world, text);
  EXPECT_EQ(back.firstClub, 0x000E0001u + 100);
  EXPECT_EQ(back.lastClub, 0x010E0002u + 100);
  EXPECT_EQ(back.favouriteClub, 0u);
  EXPECT_EQ(back.loanedTo, 0x000EFFFFu);
  EXPECT_EQ(back.neverMovesTo, 0u);
  // The country goes before each reference: 14 for the first club.
  EXPECT_NE(text.find("\r\n14\r\n" + std::to_string(0x000E0001 + 100) + "\r\n"), std::string::npos);
}

TEST(PlayerRecord, NamesAreCleanedAndCutOnReading) {
  CPlayer p;
  p.InitDefaults(kRolePlayer, 0);
  SetFixedText(p.firstName, "  Jo\tKim  ");
  std::string text = WrittenFile(p);
  // A surname longer than the field holds, as another tool might write it.
  const std::string written = "Nachname 0\r\n";
  const size_t at = text.find(written);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, written.size(), "Abcdefghijklmnopqrstuvwxyz\r\n");
  TestWorld world;
  const CPlayer back = ReadFile(world, text);
  EXPECT_EQ(std::string(FixedText(back.firstName)), "Jo Kim");
  EXPECT_EQ(std::string(FixedText(back.surname)), "Abcdefghijklmnopqrs");
}

TEST(PlayerRecord, MissingSectionKeepsDefaultsAndNextSectionIsIntact) {
  TestWorld world;
  const std::string text = WriteToText([](CKLFile& f) {
    WriteVersion(f);
    f.BeginSection("OTHER");
    f.WriteInt(5);
    f.EndSection("OTHER");
  });
  CKLFile in;
  ASSERT_TRUE(in.OpenReadFromMemory(text));
  ReadVersion(in);
  CPlayer p;
  p.ReadPlayer(in, world.ReadContext());
  EXPECT_EQ(p, CPlayer{});
  EXPECT_TRUE(in.FindSection("OTHER"));
}

// ---- files of older editions ----

// A person as the first edition wrote it (no "VERSION"): old appearance numbers and ability
// scale, one extra 16-bit value after the goals, nothing after the speech file.
std::string UnversionedFile(int8_t role, uint8_t talent, uint8_t formation, const char* surname) {
  return WriteToText([&](CKLFile& f) {
    f.BeginSection("PLAYER");
    for (const char* name : {"Dove", surname, "Dovi", ""}) f.WriteString(name);
    for (int v : {int(role), 0, 14, 0, 0}) f.WriteInt(v);
    WriteDate(f, DATE::FromCivil(1970, 7, 6));  // 33 on the base date
    f.WriteInt(talent);
    f.WriteInt(17);
    const uint8_t positions[2] = {16, 0};
    const uint8_t ratings[4] = {0, 0, 0, 5};
    const uint8_t abilities[16] = {0, 1, 2, 3, 4, 42, 43, 255, 0, 0, 0, 0, 0, 0, 0, 0};
    const uint8_t character[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    f.WriteByteLines(positions, 2);
    f.WriteByteLines(ratings, 4);
    f.WriteByteLines(abilities, 16);
    f.WriteByteLines(character, 9);
    // hair colour 2 (blond), skin 3, face 6 (the second Asian), haircut 4 (dreadlocks),
    // beard 2 (full beard), height, weight
    for (int v : {2, 3, 6, 4, 2, 185, 80}) f.WriteInt(v);
    for (int v : {1, 2, 1, 9}) f.WriteInt(v);
    f.WriteInt(777);                                   // sibling id, replaced from the lists
    for (int v : {14, 0x000E0001, 14, 0x000E0002}) f.WriteInt(v);
    for (int v : {2000, 2004, 5, 2}) f.WriteInt(v);
    f.WriteInt(-1);                                    // the extra 16-bit value
    const uint8_t managerAbilities[4] = {1, 2, 3, 4};
    const uint8_t languages[4] = {5, 0, 0, 0};
    f.WriteByteLines(managerAbilities, 4);
    f.WriteByteLines(languages, 4);
    for (int v : {14, 0x000E0003, 0, 0, 99, int(formation), 2}) f.WriteInt(v);
    f.WriteString("old.wav");
    f.EndSection("PLAYER");
  });
}

TEST(PlayerRecordOldFiles, FirstEditionIsConverted) {
  TestWorld world;
  world.SetFirstLanguage(14, 1);
  world.SiblingLists().playerIds["Dovi"] = 4242;  // found by the nickname
  world.SiblingLists().starHeads["Dove Vozuv"] = 17;

  const CPlayer p = ReadFile(world, UnversionedFile(kRolePlayer, 7, 20, "Vozuv"));
  EXPECT_EQ(p.hairColour, 4);
  EXPECT_EQ(p.skinColour, 3);
  EXPECT_EQ(p.face, 9);
  EXPECT_EQ(p.hairStyle, 9);
  EXPECT_EQ(p.facialHair, 6);
  EXPECT_EQ(p.headType, 2);
  const std::array<uint8_t, 16> abilities = {1, 4, 7, 10, 4, 42, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_EQ(p.abilities, abilities);
  // The extra value is skipped: everything after it is in its place.
  EXPECT_EQ(p.internationalGoals, 2);
  EXPECT_EQ((std::array<uint8_t, 4>{1, 2, 3, 4}), p.managerAbilities);
  EXPECT_EQ(p.favouriteClub, 0x000E0003u);
  EXPECT_EQ(p.favouritePlayer, 99);
  EXPECT_EQ(p.speechFile, "old.wav");
  EXPECT_EQ(p.formation, 0);  // 20 is not a formation of the first edition
  // Age 33 / 9 + luck 0-3 + talent 7 - 2 is at least 8: always the top of the range.
  EXPECT_EQ(p.tacticalEducation, 5);
  // The nationality's language comes first; the person's own one is dropped.
  EXPECT_EQ((LanguageSlots{1, 0, 0, 0}), p.languages);
  EXPECT_EQ(p.siblingId, 4242u);
  EXPECT_EQ(p.starHead, 17);
  // Fields the edition did not have keep their defaults.
  EXPECT_EQ(p.nationalTeamStatus, 0);
  EXPECT_EQ(p.specialStart, CPlayer{}.specialStart);
  EXPECT_TRUE(p.notes.empty());
}

TEST(PlayerRecordOldFiles, FirstEditionTacticalEducationDrawsLuckOfficialsKeepLanguages) {
  // Age 33 / 9 = 3, talent 0: 3 + luck - 2 gives 1-4, and some luck shows in a squad.
  TestWorld world;
  std::set<int> seen;
  for (int i = 0; i < 64; ++i) {
    const CPlayer p = ReadFile(world, UnversionedFile(kRolePlayer, 0, 3, "Vozuv"));
    EXPECT_GE(p.tacticalEducation, 1);
    EXPECT_LE(p.tacticalEducation, 4);
    EXPECT_EQ(p.formation, 3);
    seen.insert(p.tacticalEducation);
  }
  EXPECT_GT(seen.size(), 1u);
  // Officials keep their own language.
  world.SetFirstLanguage(14, 1);
  EXPECT_EQ((LanguageSlots{5, 0, 0, 0}), ReadFile(world, UnversionedFile(kRoleCoach, 0, 0, "Vozuv")).languages);
}

// The current layout under an older version number: what changes is only how the reader
// treats the values.
CPlayer OldStyleValues() {
  CPlayer p = PersonBuilder().Named("Zozi", "Deziv").Nationality(14).Languages(2, 1).Build();
  p.hairColour = 1;
  p.face = 12;
  p.hairStyle = 8;
  p.facialHair = 4;
  p.headType = 0;
  p.abilities = {0, 1, 2, 3, 4, 10, 42, 43, 4, 4, 4, 4, 4, 4, 4, 4};
  p.formation = 20;
  p.tacticalEducation = 7;
  p.siblingId = 555;
  p.starHead = 66;
  p.notes = "Notiz";
  return p;
}

TEST(PlayerRecordOldFiles, Edition2003) {
  TestWorld world;
  world.SetFirstLanguage(14, 1);
  world.SiblingLists().playerIds["Zozi Deziv"] = 31;
  world.SiblingLists().starHeads["Zozi Deziv"] = 8;
  const CPlayer p = ReadFile(world, WrittenFile(OldStyleValues(), 0x20030005));
  EXPECT_EQ(p.hairColour, 2);
  EXPECT_EQ(p.face, 15);
  EXPECT_EQ(p.hairStyle, 10);
  EXPECT_EQ(p.facialHair, 6);
  EXPECT_EQ(p.headType, 2);
  EXPECT_EQ((std::array<uint8_t, 16>{1, 4, 7, 10, 4, 10, 42, 0, 4, 4, 4, 4, 4, 4, 4, 4}),
            p.abilities);
  EXPECT_EQ(p.formation, 20);          // only the first edition's formations are converted
  EXPECT_EQ(p.tacticalEducation, 7);   // stored since 0x2003
  // The nationality's language replaces the mother tongue; its later copy is cleared.
  EXPECT_EQ((LanguageSlots{1, 0, 0, 0}), p.languages);
  EXPECT_EQ(p.siblingId, 31u);
  EXPECT_EQ(p.starHead, 8);
  EXPECT_TRUE(p.notes.empty());
}

TEST(PlayerRecordOldFiles, Edition2004RevisionsAroundEachThreshold) {
  TestWorld world;
  world.SetFirstLanguage(14, 1);
  world.SiblingLists().playerIds["Zozi Deziv"] = 31;
  world.SiblingLists().starHeads["Zozi Deziv"] = 8;
  const CPlayer written = OldStyleValues();

  struct Expected {
    uint16_t revision;
    bool languageFromCountry;
    bool siblingFromLists;
    bool notes;
  };
  for (const Expected& e : {Expected{0, true, true, false}, Expected{1, true, true, false},
                            Expected{4, false, true, false}, Expected{5, false, true, false},
                            Expected{6, false, true, false}, Expected{7, false, false, false},
                            Expected{8, false, false, true}}) {
    SCOPED_TRACE(e.revision);
    const CPlayer p = ReadFile(world, WrittenFile(written, 0x20040000u | e.revision));
    // The 2004 edition's appearance numbers and ability scale are current.
    EXPECT_EQ(p.hairColour, written.hairColour);
    EXPECT_EQ(p.face, written.face);
    EXPECT_EQ(p.headType, written.headType);
    EXPECT_EQ(p.abilities, written.abilities);
    EXPECT_EQ(p.formation, written.formation);
    EXPECT_EQ(p.tacticalEducation, written.tacticalEducation);
    EXPECT_EQ(p.languages, (e.languageFromCountry ? LanguageSlots{1, 0, 0, 0} : written.languages));
    EXPECT_EQ(p.siblingId, e.siblingFromLists ? 31u : written.siblingId);
    EXPECT_EQ(p.starHead, e.siblingFromLists ? 8 : written.starHead);
    EXPECT_EQ(p.notes, e.notes ? written.notes : "");
  }
}

TEST(PlayerRecordOldFiles, UnlistedPersonAndCountryWithoutLanguage) {
  TestWorld world;  // no list names this person, country 14 has no language set
  const CPlayer p = ReadFile(world, WrittenFile(OldStyleValues(), 0x20040006));
  EXPECT_EQ(p.siblingId, 0u);
  EXPECT_EQ(p.starHead, 0);
  EXPECT_EQ((LanguageSlots{2, 1, 0, 0}), ReadFile(world, WrittenFile(OldStyleValues(), 0x20040001)).languages);
}

TEST(PlayerRecordOldFiles, MissingSectionStillTakesTheSiblingNumbers) {
  TestWorld world;
  world.SiblingLists().playerIds["Vorname 0 Nachname 0"] = 5;
  world.SiblingLists().starHeads["Vorname 0 Nachname 0"] = 6;
  CKLFile in;
  ASSERT_TRUE(in.OpenReadFromMemory(""));
  ReadVersion(in);
  CPlayer p;
  p.InitDefaults(kRolePlayer, 0);
  p.ReadPlayer(in, world.ReadContext());
  EXPECT_EQ(p.siblingId, 5u);
  EXPECT_EQ(p.starHead, 6);
}

}  // namespace
}  // namespace torvale
