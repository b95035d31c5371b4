#include <gtest/gtest.h>

#include <random>

#include <string>
#include <vector>

#include "support/test_world.h"
#include "world/fixed_text.h"
#include "world/person_table.h"
#include "world/player.h"

namespace torvale {
namespace {

using testing::PersonBuilder;
using testing::TestWorld;

TEST(Player, ShortName) {
  EXPECT_EQ(PersonBuilder().Named("Max", "Muster").Get().ShortName(), "Muster, M.");
  EXPECT_EQ(PersonBuilder().Named("", "Muster").Get().ShortName(), "Muster");
  EXPECT_EQ(PersonBuilder().Named("Max", "").Get().ShortName(), "Max");
  EXPECT_EQ(PersonBuilder().Named("", "").Get().ShortName(), "");
}

TEST(Player, SpecialCountCountsEditedAbilitiesAndCharacter) {
  CPlayer p;
  p.abilities.fill(1);
  EXPECT_EQ(p.SpecialCount(), 0);
  p.abilities[0] = 0;   // counts
  p.abilities[1] = 2;   // counts
  p.abilities[2] = 10;  // counts
  p.character[4] = 0;   // counts
  p.character[5] = 7;   // counts
  EXPECT_EQ(p.SpecialCount(), 5);
  // A new person: every ability 4, every character value normal.
  EXPECT_EQ(CPlayer{}.SpecialCount(), 16);
}

TEST(Player, LanguageSlotsStayFreeOfRepeatsAndGaps) {
  CPlayer p;
  p.languages = {3, 0, 0, 0};
  EXPECT_TRUE(p.SetLanguage(1, 5));
  EXPECT_EQ((LanguageSlots{3, 5, 0, 0}), p.languages);
  // Already spoken earlier: refused.
  EXPECT_FALSE(p.SetLanguage(1, 3));
  EXPECT_FALSE(p.SetLanguage(2, 5));
  EXPECT_FALSE(p.SetLanguage(2, -1));
  EXPECT_FALSE(p.SetLanguage(4, 9));
  EXPECT_EQ((LanguageSlots{3, 5, 0, 0}), p.languages);
  // A slot behind a gap moves up.
  EXPECT_TRUE(p.SetLanguage(3, 7));
  EXPECT_EQ((LanguageSlots{3, 5, 7, 0}), p.languages);
  // The new mother tongue was a foreign language: the later copy goes, the rest moves up.
  EXPECT_TRUE(p.SetLanguage(0, 7));
  EXPECT_EQ((LanguageSlots{7, 5, 0, 0}), p.languages);
  // Clearing a slot closes the gap.
  EXPECT_TRUE(p.SetLanguage(0, 0));
  EXPECT_EQ((LanguageSlots{5, 0, 0, 0}), p.languages);
}

TEST(Player, AtMostTwoCharacterValuesDifferFromNormal) {
  CPlayer p;
  EXPECT_TRUE(p.SetCharacter(kLeadership, 10));
  EXPECT_TRUE(p.SetCharacter(kNerves, 0));
  EXPECT_FALSE(p.SetCharacter(kImage, 5));
  EXPECT_EQ(p.character[kImage], kCharacterNormal);
  // Changing one of the two unusual values, or setting one back, is fine.
  EXPECT_TRUE(p.SetCharacter(kNerves, 8));
  EXPECT_TRUE(p.SetCharacter(kLeadership, kCharacterNormal));
  EXPECT_TRUE(p.SetCharacter(kImage, 5));
}

TEST(Player, ClampedBodyAndSeasonSpecial) {
  CPlayer p;
  p.height = 140;
  p.weight = 200;
  EXPECT_EQ(p.ClampedHeight(), 150);
  EXPECT_EQ(p.ClampedWeight(), 150);
  p.height = 230;
  p.weight = 40;
  EXPECT_EQ(p.ClampedHeight(), 220);
  EXPECT_EQ(p.ClampedWeight(), 50);

  p.nationalTeamStatus = kNationalTeamRetired | kNationalTeamCurrent;
  p.SetSeasonSpecial(5);
  EXPECT_EQ(p.SeasonSpecial(), 5);
  EXPECT_EQ(p.nationalTeamStatus, 0x17);
  p.SetSeasonSpecial(9);  // only three bits
  EXPECT_EQ(p.SeasonSpecial(), 1);
  EXPECT_EQ(p.nationalTeamStatus & 0x03, 0x03);
}

// The free-id search remembers the run of taken ids it walked; it must still answer exactly
// what a walk from (count + 1) would, whatever was filed or removed in between.
TEST(PersonTable, FreeIdSearchAgreesWithAPlainWalkThroughRepeatedIdsAndRemovals) {
  TestWorld world;
  CPersonTable& table = world.Persons();
  auto plainWalk = [&table] {
    uint32_t id = static_cast<uint32_t>(table.Count()) + 1;
    while (table.FindPlayer(id)) ++id;
    return id;
  };
  // A file's ids from 500 on, then persons that all repeat one id: each needs a free id.
  for (uint32_t id = 500; id < 900; ++id) ASSERT_NE(table.CreatePlayer(id, false), nullptr);
  std::minstd_rand random(7);
  for (int i = 0; i < 2000; ++i) {
    const uint32_t expected = plainWalk();
    ASSERT_EQ(table.NextFreePlayerId(), expected) << "person " << i;
    EXPECT_EQ(table.CreatePlayer(600, true)->id, expected);
    if (i % 97 == 0) {
      // Removing inside the remembered run opens a gap the next search must find.
      const uint32_t victim = 400 + static_cast<uint32_t>(random() % 1500);
      table.RemovePlayer(victim);
    }
  }
}

TEST(PersonTable, CreateRegistersOrRefusesTakenIds) {
  TestWorld world;
  world.SetFirstLanguage(14, 2);
  CPersonTable& table = world.Persons();
  CPlayer* first = table.CreatePlayer(7, true);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->id, 7u);
  EXPECT_EQ(table.FindPlayer(7), first);
  SetFixedText(first->surname, "Erster");

  // Taken or 0 with registration: a fresh id.
  CPlayer* second = table.CreatePlayer(7, true);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->id, 2u);
  CPlayer* third = table.CreatePlayer(0, true);
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->id, 3u);
  // Without registration a taken id would replace the person that has it.
  EXPECT_EQ(table.CreatePlayer(7, false), nullptr);
  EXPECT_EQ(table.CreatePlayer(0, false), nullptr);
  EXPECT_EQ(std::string(FixedText(table.FindPlayer(7)->surname)), "Erster");
  EXPECT_EQ(table.Count(), 3u);

  EXPECT_EQ(table.FindPlayer(99), nullptr);
  EXPECT_TRUE(table.RemovePlayer(3));
  EXPECT_FALSE(table.RemovePlayer(3));
  EXPECT_EQ(table.FindPlayer(3), nullptr);
}

// Look-ups by id agree with the table through growth, far ids, ids filed before the persons
// below them, and removals.
TEST(PersonTable, FindsEveryPersonByIdHoweverTheIdsCame) {
  TestWorld world;
  CPersonTable& table = world.Persons();
  const uint32_t far = 0x7FFFFFF0u;
  std::vector<uint32_t> ids = {3000, far, 1};
  for (uint32_t id = 2; id < 2500; ++id) ids.push_back(id);
  ids.push_back(2800);  // inside the range the index grew over before it was filed
  for (uint32_t id : ids) ASSERT_NE(table.CreatePlayer(id, false), nullptr) << id;
  for (uint32_t id : {10u, 2000u, 3000u, far}) EXPECT_TRUE(table.RemovePlayer(id));
  ASSERT_NE(table.CreatePlayer(2000, false), nullptr);
  for (uint32_t id : {0u, 1u, 10u, 11u, 2000u, 2499u, 2500u, 2800u, 3000u, 5000u, far, far + 1}) {
    auto it = table.Persons().find(id);
    const CPlayer* expected = it == table.Persons().end() ? nullptr : it->second.get();
    EXPECT_EQ(table.FindPlayer(id), expected) << id;
    if (expected) {
      EXPECT_EQ(expected->id, id);
    }
  }
  for (const auto& [id, person] : table.Persons()) ASSERT_EQ(table.FindPlayer(id), person.get()) << id;
}

TEST(PersonTable, NewPersonsGetTheDefaults) {
  TestWorld world;
  world.SetFirstLanguage(14, 2);
  CPersonTable& table = world.Persons();
  table.CreatePlayer(1, true);
  CPlayer* p = table.CreatePlayer(2, true);
  ASSERT_NE(p, nullptr);
  // Placeholder names count the persons, the new one included.
  EXPECT_EQ(std::string(FixedText(p->firstName)), "Vorname 2");
  EXPECT_EQ(std::string(FixedText(p->surname)), "Nachname 2");
  EXPECT_EQ(p->World(), &table);

  // Defaults: the country's first language is the mother tongue.
  p->InitDefaults(kRoleCoach, 14);
  EXPECT_EQ(p->id, 2u);
  EXPECT_EQ((LanguageSlots{2, 0, 0, 0}), p->languages);
}

}  // namespace
}  // namespace torvale
