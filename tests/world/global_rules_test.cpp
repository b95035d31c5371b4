#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/path.h"
#include "storage/record_stream.h"
#include "support/scratch_dir.h"
#include "support/test_world.h"
#include "world/club.h"
#include "world/club_id_mapper.h"
#include "world/global_rules.h"

namespace torvale {
namespace {

using testing::WriteToText;
using testing::WriteVersionNumber;

// Countries with clubs under the numbers a test gives; saving numbers them 1, 2, 3, ...
class FakeClubs final : public ClubIdMapper {
 public:
  void Add(uint8_t country, uint16_t number) { clubs_[country].push_back(number); }
  uint32_t SavedClubId(uint32_t clubId) const override {
    if (ClubNumber(clubId) == kAmateurClubNumber) return clubId;
    auto it = clubs_.find(ClubCountry(clubId));
    if (it == clubs_.end()) return 0;
    for (size_t i = 0; i < it->second.size(); ++i)
      if (it->second[i] == ClubNumber(clubId))
        return (MakeClubId(ClubCountry(clubId), static_cast<uint32_t>(i + 1))) |
               (clubId & kReserveTeamBit);
    return 0;
  }

 private:
  std::map<uint8_t, std::vector<uint16_t>> clubs_;
};

// Stadium numbers per country; positions count the existing ones.
class FakeStadiums final : public StadiumReferenceLookup {
 public:
  std::map<int, std::vector<int32_t>> numbers;
  int StadiumCount(int country) const override {
    auto it = numbers.find(country);
    return it == numbers.end() ? 0 : static_cast<int>(it->second.size());
  }
  int32_t SavedStadiumPosition(int country, int32_t number) const override {
    auto it = numbers.find(country);
    if (it == numbers.end()) return 0;
    for (size_t i = 0; i < it->second.size(); ++i)
      if (it->second[i] == number) return static_cast<int32_t>(i + 1);
    return 0;
  }
};

constexpr uint32_t Club(uint32_t country, uint32_t number) { return (country << 16) | number; }
constexpr uint32_t Venue(uint32_t country, uint32_t number) { return (country << 16) | number; }

CGlobalRules FilledRules() {
  CGlobalRules rules;
  const char* base[kNamedCups] = {"Meisterrunde", "Europapokal", "S\xfc" "damerika Pokal",
                                  "UEFA-Intertoto-Cup"};
  for (int cup = 0; cup < kNamedCups; ++cup)
    for (int language = 0; language < kRulesLanguages; ++language) {
      rules.SetCupName(cup, language, false, base[cup] + std::to_string(language));
      rules.SetCupName(cup, language, true, "K" + std::to_string(cup * 10 + language));
    }
  rules.titleHolders = {Club(14, 1), Club(45, 2), Club(30, 1)};
  rules.finalVenues = {Venue(14, 2), Venue(45, 1), Venue(30, 1)};
  rules.furtherClubs = {Club(14, 2) | kReserveTeamBit, Club(45, kAmateurClubNumber)};
  rules.matchRules = {1, 0, 1, 0};
  rules.spare = 77;
  rules.friendlySubstitutions = 3;
  return rules;
}

struct SampleWorld {
  FakeClubs clubs;
  FakeStadiums stadiums;
  SampleWorld() {
    clubs.Add(14, 1);
    clubs.Add(14, 2);
    clubs.Add(45, 1);
    clubs.Add(45, 2);
    clubs.Add(30, 1);
    stadiums.numbers = {{14, {1, 2}}, {45, {1}}, {30, {1}}};
  }
};

std::string RulesText(uint32_t version, const std::vector<std::string>& lines) {
  return WriteToText([&](CKLFile& file) {
    file.BeginSection("RULES_AND_MISC");
    WriteVersionNumber(file, version);
    for (const std::string& line : lines) file.WriteString(line);
    file.EndSection("RULES_AND_MISC");
  });
}

CGlobalRules ReadFromText(const std::string& text) {
  CKLFile file;
  file.OpenReadFromMemory(text);
  CGlobalRules rules;
  EXPECT_TRUE(rules.ReadRules(file));
  return rules;
}

const std::vector<std::string> kFourteenValues = {"1", "2", "3", "4", "5", "6", "7",
                                                  "8", "1", "2", "0", "1", "99", "5"};

TEST(GlobalRules, RoundTripKeepsEveryField) {
  SampleWorld world;
  CGlobalRules rules = FilledRules();
  std::string text = WriteToText(
      [&](CKLFile& file) { EXPECT_TRUE(rules.WriteRules(file, world.clubs, world.stadiums)); });
  CGlobalRules back = ReadFromText(text);
  EXPECT_EQ(back, rules);
  EXPECT_EQ(back.CupName(kSouthAmericanCup, 2, false), "S\xfc" "damerika Pokal2");
  EXPECT_EQ(back.CupName(kIntertotoCup, 4, true), "K34");

  // A second save of what was read is the same text.
  EXPECT_EQ(WriteToText([&](CKLFile& file) { back.WriteRules(file, world.clubs, world.stadiums); }),
            text);
}

TEST(GlobalRules, MissingSectionReadsNothing) {
  CGlobalRules rules;
  CKLFile file;
  file.OpenReadFromMemory("%INDEX%OTHER\r\n1\r\n%INDEXEND%OTHER\r\n");
  EXPECT_FALSE(rules.ReadRules(file));
  EXPECT_EQ(rules, CGlobalRules{});
}

TEST(GlobalRules, OlderFilesLackShortNamesAndTheIntertotoCup) {
  const std::string longName = "Champions-Runde der Landesmeister";  // 33 characters
  const std::vector<std::string> lists = {
      "\"" + longName + "\",\"b\",\"c\",\"d\",\"e\"", "\"E0\",\"E1\",\"E2\",\"E3\",\"E4\"",
      "\"S0\",\"S1\",\"S2\",\"S3\",\"S4\"", "\"I0\",\"I1\",\"I2\",\"I3\",\"I4\""};

  // Revision 6: four long lists, no short lists; short names from the long ones.
  std::vector<std::string> lines = lists;
  lines.insert(lines.end(), kFourteenValues.begin(), kFourteenValues.end());
  CGlobalRules rules = ReadFromText(RulesText(0x20040006, lines));
  EXPECT_EQ(rules.CupName(kChampionsCup, 0, false), longName.substr(0, 29));
  EXPECT_EQ(rules.CupName(kChampionsCup, 0, true), longName.substr(0, 16));
  EXPECT_EQ(rules.CupName(kIntertotoCup, 3, true), "I3");
  EXPECT_EQ(rules.titleHolders[0], 1u);
  EXPECT_EQ(rules.friendlySubstitutions, 5);
  EXPECT_EQ(rules.spare, 99);

  // Revision 3: no Intertoto list either.
  lines.erase(lines.begin() + 3);
  rules = ReadFromText(RulesText(0x20040003, lines));
  EXPECT_EQ(rules.CupName(kSouthAmericanCup, 1, false), "S1");
  EXPECT_EQ(rules.CupName(kIntertotoCup, 1, false), "");
  EXPECT_EQ(rules.CupName(kIntertotoCup, 1, true), "");
  EXPECT_EQ(rules.matchRules[0], 1);
  EXPECT_EQ(rules.friendlySubstitutions, 5);

  // A file of an older edition reads with revision 0xFFFF: the Intertoto list is there, the
  // short names are not.
  lines.insert(lines.begin() + 3, lists[3]);
  rules = ReadFromText(RulesText(0x20030001, lines));
  EXPECT_EQ(rules.CupName(kIntertotoCup, 0, false), "I0");
  EXPECT_EQ(rules.CupName(kEuropeanCup, 2, true), "E2");
  EXPECT_EQ(rules.friendlySubstitutions, 5);
}

TEST(GlobalRules, MissingListLineRepeatsThePreviousList) {
  // A section that ends after two lists: every later list is split from the last line read.
  CGlobalRules rules = ReadFromText(RulesText(
      0x20040008, {"\"M0\",\"M1\",\"M2\",\"M3\",\"M4\"", "\"E0\",\"E1\",\"E2\",\"E3\",\"E4\""}));
  for (int language = 0; language < kRulesLanguages; ++language) {
    std::string expected = "E" + std::to_string(language);
    EXPECT_EQ(rules.CupName(kChampionsCup, language, false), "M" + std::to_string(language));
    for (int cup = kEuropeanCup; cup < kNamedCups; ++cup)
      EXPECT_EQ(rules.CupName(cup, language, false), expected);
    for (int cup = 0; cup < kNamedCups; ++cup)
      EXPECT_EQ(rules.CupName(cup, language, true), expected);
  }
  // Missing values read as 0.
  EXPECT_EQ(rules.friendlySubstitutions, 0);

  // Fewer than five texts on a line leave the other slots empty.
  rules = ReadFromText(RulesText(0x20040006, {"\"A\",\"B\"", "\"E\"", "\"S\"", "\"I\""}));
  EXPECT_EQ(rules.CupName(kChampionsCup, 1, false), "B");
  EXPECT_EQ(rules.CupName(kChampionsCup, 2, false), "");
  EXPECT_EQ(rules.CupName(kEuropeanCup, 0, true), "E");

  // A quote lost from a line: the rest of the line lands in one text, without its quote.
  rules = ReadFromText(RulesText(0x20040006, {"\"A\",\"B,\"C\"", "\"E\"", "\"S\"", "\"I\""}));
  EXPECT_EQ(rules.CupName(kChampionsCup, 1, false), "B,");
  EXPECT_EQ(rules.CupName(kChampionsCup, 2, false), "C'");
  EXPECT_EQ(rules.CupName(kChampionsCup, 4, false), "C'");
}

TEST(GlobalRules, ReferencesFollowTheSavedNumbering) {
  // Country 14 had clubs 3, 7 and 20; stadiums 2, 5 and 9. Saving numbers them 1, 2, 3.
  FakeClubs clubs;
  for (uint16_t n : {3, 7, 20}) clubs.Add(14, n);
  FakeStadiums stadiums;
  stadiums.numbers = {{14, {2, 5, 9}}};
  CGlobalRules rules;
  rules.titleHolders = {Club(14, 7), Club(14, 20) | kReserveTeamBit, Club(14, 8)};
  rules.finalVenues = {Venue(14, 9), Venue(14, 4), Venue(0, 1)};
  rules.furtherClubs = {Club(14, kAmateurClubNumber), Club(0, 3)};
  CGlobalRules back = ReadFromText(
      WriteToText([&](CKLFile& file) { rules.WriteRules(file, clubs, stadiums); }));
  EXPECT_EQ(back.titleHolders[0], Club(14, 2));
  EXPECT_EQ(back.titleHolders[1], Club(14, 3) | kReserveTeamBit);
  EXPECT_EQ(back.titleHolders[2], 0u);  // no such club
  EXPECT_EQ(back.finalVenues[0], Venue(14, 3));
  EXPECT_EQ(back.finalVenues[1], 0u);   // no such stadium
  EXPECT_EQ(back.finalVenues[2], 0u);
  EXPECT_EQ(back.furtherClubs[0], Club(14, kAmateurClubNumber));
  EXPECT_EQ(back.furtherClubs[1], 0u);
}

TEST(GlobalRules, ResolvingAfterLoad) {
  SampleWorld world;
  CGlobalRules rules;
  rules.titleHolders = {Club(14, 2), Club(14, 9), Club(207, 1)};
  rules.finalVenues = {Venue(14, 2), Venue(14, 3), Venue(207, 1)};
  rules.furtherClubs = {Club(0, 1), Club(45, kAmateurClubNumber)};
  rules.friendlySubstitutions = 9;
  rules.ResolveAfterLoad(world.clubs, world.stadiums);
  EXPECT_EQ(rules.titleHolders, (std::array<uint32_t, 3>{Club(14, 2), 0, 0}));
  EXPECT_EQ(rules.finalVenues, (std::array<uint32_t, 3>{Venue(14, 2), 0, 0}));
  EXPECT_EQ(rules.furtherClubs, (std::array<uint32_t, 2>{0, Club(45, kAmateurClubNumber)}));
  EXPECT_EQ(rules.friendlySubstitutions, 7);
  rules.friendlySubstitutions = -2;
  rules.ResolveAfterLoad(world.clubs, world.stadiums);
  EXPECT_EQ(rules.friendlySubstitutions, 0);
}

TEST(GlobalRules, TitleHolders) {
  const uint32_t a = Club(14, 1), b = Club(45, 1), c = Club(30, 1);
  CGlobalRules rules;
  rules.ChooseTitleHolder(kChampionsCup, a);
  rules.ChooseTitleHolder(kEuropeanCup, a);  // takes the title from the champions' cup
  EXPECT_EQ(rules.titleHolders, (std::array<uint32_t, 3>{0, a, 0}));
  rules.ChooseTitleHolder(kChampionsCup, a);
  EXPECT_EQ(rules.titleHolders, (std::array<uint32_t, 3>{a, 0, 0}));
  // The South American page leaves the European holders alone ...
  rules.ChooseTitleHolder(kEuropeanCup, b);
  rules.ChooseTitleHolder(kSouthAmericanCup, a);
  EXPECT_EQ(rules.titleHolders, (std::array<uint32_t, 3>{a, b, a}));
  // ... accepting settles it: the South American title stays.
  rules.ApplyTitleHolderExclusivity();
  EXPECT_EQ(rules.titleHolders, (std::array<uint32_t, 3>{0, b, a}));

  rules.titleHolders = {c, c, c};
  rules.ApplyTitleHolderExclusivity();
  EXPECT_EQ(rules.titleHolders, (std::array<uint32_t, 3>{0, 0, c}));
  rules.titleHolders = {a, b, b};
  rules.ApplyTitleHolderExclusivity();
  EXPECT_EQ(rules.titleHolders, (std::array<uint32_t, 3>{a, 0, b}));
  // Choosing "none" clears nothing else.
  rules.ChooseTitleHolder(kChampionsCup, 0);
  EXPECT_EQ(rules.titleHolders, (std::array<uint32_t, 3>{0, 0, b}));
}

TEST(GlobalRules, NamesKeepTheFieldWidthAndNoQuote) {
  CGlobalRules rules;
  rules.SetCupName(kEuropeanCup, 1, false, std::string(40, 'x'));
  rules.SetCupName(kEuropeanCup, 1, true, std::string(40, 'y'));
  EXPECT_EQ(rules.CupName(kEuropeanCup, 1, false).size(), 29u);
  EXPECT_EQ(rules.CupName(kEuropeanCup, 1, true).size(), 16u);
  // A double quote would break the stored list; it becomes an apostrophe.
  rules.SetCupName(kChampionsCup, 0, false, "Der \"Pott\"");
  EXPECT_EQ(rules.CupName(kChampionsCup, 0, false), "Der 'Pott'");
}

TEST(GlobalRules, RulesFile) {
  test::ScratchDir folder;
  SampleWorld world;
  CGlobalRules loaded = FilledRules();
  EXPECT_FALSE(LoadRulesFile(folder.path(), loaded));
  EXPECT_EQ(loaded, CGlobalRules{});

  CGlobalRules rules = FilledRules();
  EXPECT_FALSE(SaveRulesFile(folder.path(), rules, world.clubs, world.stadiums));
  EXPECT_TRUE(FileExists(JoinPath(folder.path(), "Rules.sav")));
  uint32_t version = 0;
  EXPECT_TRUE(LoadRulesFile(folder.path(), loaded, &version));
  EXPECT_EQ(loaded, rules);
  EXPECT_EQ(version, CKLFile::kWrittenVersion);

  EXPECT_TRUE(SaveRulesFile(folder.path() + "/missing/folder", rules, world.clubs, world.stadiums));
}

}  // namespace
}  // namespace torvale
