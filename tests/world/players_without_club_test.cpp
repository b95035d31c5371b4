#include <gtest/gtest.h>

#include <string>

#include "platform/path.h"
#include "storage/record_stream.h"
#include "support/scratch_dir.h"
#include "support/test_world.h"
#include "world/club_id_mapper.h"
#include "world/players_without_club.h"

namespace torvale {
namespace {

using testing::PersonBuilder;
using testing::TestWorld;
using testing::WriteToText;

PersonBuilder Free(std::string_view surname, uint8_t nationality) {
  return PersonBuilder().Named("Jan", surname).Nationality(nationality).Born(1980, 5, 17).Talent(4);
}

// The persons' data without the id, which the reading world assigns anew.
PlayerFields WithoutId(const CPlayer& person) {
  PlayerFields fields = person;
  fields.id = 0;
  return fields;
}

TEST(PlayersWithoutClub, ThreePlayersComeBackAsNewPersons) {
  TestWorld source;
  CPlayersWithoutClub list(source.Persons());
  for (auto [name, nation] : {std::pair{"Abel", 14}, {"Berger", 45}, {"Czerny", 30}})
    EXPECT_TRUE(list.Add(source.AddPerson(Free(name, static_cast<uint8_t>(nation))).id));
  IdentityClubIdMapper clubs;
  std::string text = WriteToText([&](CKLFile& file) { EXPECT_TRUE(list.WriteWithout(file, clubs)); });
  EXPECT_NE(text.find("%INDEX%WITHOUT\r\n3\r\n%INDEX%PLAYER\r\n"), std::string::npos);

  // The reading world already has persons 1 and 2: the free players get fresh ids.
  TestWorld target;
  target.AddPerson(Free("Vorhanden", 14), 1);
  target.AddPerson(Free("Auch da", 14), 2);
  CPlayersWithoutClub back(target.Persons());
  CKLFile file;
  file.OpenReadFromMemory(text);
  ASSERT_TRUE(back.ReadWithout(file, target.ReadContext()));
  ASSERT_EQ(back.Count(), 3u);
  EXPECT_EQ(target.Persons().Count(), 5u);
  for (size_t i = 0; i < 3; ++i) {
    ASSERT_NE(back.At(i), nullptr);
    EXPECT_EQ(back.IdAt(i), 3 + i);
    EXPECT_EQ(WithoutId(*back.At(i)), WithoutId(*list.At(i)));
  }
  EXPECT_EQ(WriteToText([&](CKLFile& f) { back.WriteWithout(f, clubs); }), text);
}

TEST(PlayersWithoutClub, ListOperations) {
  TestWorld world;
  CPlayersWithoutClub list(world.Persons());
  uint32_t a = world.AddPerson(Free("A", 14)).id;
  uint32_t b = world.AddPerson(Free("B", 14)).id;
  uint32_t c = world.AddPerson(Free("C", 14)).id;
  EXPECT_FALSE(list.Add(999));  // no such person
  EXPECT_TRUE(list.Add(a));
  EXPECT_FALSE(list.Add(a));    // listed once only
  EXPECT_TRUE(list.Add(b));
  EXPECT_TRUE(list.Add(c));
  EXPECT_TRUE(list.Remove(b));
  EXPECT_FALSE(list.Remove(b));
  EXPECT_EQ(list.IdAt(1), c);
  EXPECT_FALSE(list.RemoveAt(2));
  EXPECT_TRUE(list.RemoveAt(0));
  EXPECT_EQ(list.Count(), 1u);
  EXPECT_EQ(list.At(1), nullptr);
  EXPECT_EQ(list.IdAt(1), 0u);

  // A listed person deleted from the world is neither counted nor written.
  EXPECT_TRUE(list.Add(a));
  world.Persons().RemovePlayer(c);
  EXPECT_EQ(list.At(0), nullptr);
  IdentityClubIdMapper clubs;
  std::string text = WriteToText([&](CKLFile& file) { list.WriteWithout(file, clubs); });
  EXPECT_NE(text.find("%INDEX%WITHOUT\r\n1\r\n"), std::string::npos);
}

TEST(PlayersWithoutClub, CountBeyondTheRecordsAndMissingSection) {
  TestWorld source;
  CPlayersWithoutClub list(source.Persons());
  list.Add(source.AddPerson(Free("Einzig", 14)).id);
  IdentityClubIdMapper clubs;
  std::string text = WriteToText([&](CKLFile& file) { list.WriteWithout(file, clubs); });
  // A damaged count must not make the reader create persons the file does not hold.
  size_t count = text.find("\r\n1\r\n%INDEX%PLAYER");
  ASSERT_NE(count, std::string::npos);
  text.replace(count, 5, "\r\n2000000000\r\n");

  TestWorld target;
  CPlayersWithoutClub back(target.Persons());
  CKLFile file;
  file.OpenReadFromMemory(text + "%INDEX%AFTER\r\n%INDEXEND%AFTER\r\n");
  ASSERT_TRUE(back.ReadWithout(file, target.ReadContext()));
  EXPECT_EQ(back.Count(), 1u);
  EXPECT_EQ(target.Persons().Count(), 1u);
  EXPECT_TRUE(file.FindSection("AFTER"));  // the reader left the section behind it

  CKLFile other;
  other.OpenReadFromMemory("%INDEX%RULES_AND_MISC\r\n%INDEXEND%RULES_AND_MISC\r\n");
  EXPECT_FALSE(back.ReadWithout(other, target.ReadContext()));
  EXPECT_EQ(back.Count(), 1u);
}

TEST(PlayersWithoutClub, WithoutFile) {
  test::ScratchDir folder;
  TestWorld source;
  CPlayersWithoutClub list(source.Persons());
  list.Add(source.AddPerson(Free("Datei", 14)).id);
  IdentityClubIdMapper clubs;

  TestWorld target;
  CPlayersWithoutClub back(target.Persons());
  EXPECT_FALSE(LoadWithoutFile(folder.path(), back, target.ReadContext()));
  EXPECT_FALSE(SaveWithoutFile(folder.path(), list, clubs));
  EXPECT_TRUE(FileExists(JoinPath(folder.path(), "Without.sav")));
  EXPECT_TRUE(LoadWithoutFile(folder.path(), back, target.ReadContext()));
  ASSERT_EQ(back.Count(), 1u);
  EXPECT_EQ(WithoutId(*back.At(0)), WithoutId(*list.At(0)));
  // Loading again replaces the list instead of appending to it.
  EXPECT_TRUE(LoadWithoutFile(folder.path(), back, target.ReadContext()));
  EXPECT_EQ(back.Count(), 1u);
  EXPECT_TRUE(SaveWithoutFile(folder.path() + "/missing/folder", list, clubs));

  // The rules file's version decides how the persons are read: revision 7 stored no notes.
  list.At(0)->notes = "Ablöse frei";
  EXPECT_FALSE(SaveWithoutFile(folder.path(), list, clubs));
  EXPECT_TRUE(LoadWithoutFile(folder.path(), back, target.ReadContext()));
  EXPECT_EQ(back.At(0)->notes, "Ablöse frei");
  EXPECT_TRUE(LoadWithoutFile(folder.path(), back, target.ReadContext(), 0x20040007));
  EXPECT_EQ(back.At(0)->notes, "");
}

}  // namespace
}  // namespace torvale
