#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/name_generator.h"
#include "exchange/name_pool.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {


uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

TEST(NamePool, ResetLeavesABlankAtIndexZeroAndEnterCountsRepeats) {
  CNamePool pool(20, 20);
  pool.Reset();
  CNameList& list = pool.List(5 * 3 + 1);
  ASSERT_EQ(list.Size(), 1u);
  EXPECT_EQ(list.Name(0), " ");
  EXPECT_EQ(list.UseCount(0), 1u);

  EXPECT_EQ(list.Enter("", true), 0);
  EXPECT_EQ(list.UseCount(0), 1u);

  EXPECT_EQ(pool.EnterName(3, 1, "Lars", true), 1);
  EXPECT_EQ(pool.EnterName(3, 1, "Lars", true), 1);
  EXPECT_EQ(list.UseCount(1), 2u);
  // Without counting, the index is found but the use count stays.
  EXPECT_EQ(list.Enter("Lars", false), 1);
  EXPECT_EQ(list.UseCount(1), 2u);
  // A group outside the pool gets the blank instead of a stray write.
  EXPECT_EQ(pool.EnterName(64, 1, "Lars", true), 0);
  EXPECT_EQ(pool.EnterName(0, 5, "Lars", true), 0);
}

// Thousands of names (the index grows many times), near-identical names, and a file list
// holding a name twice: every name is found at its first position, absent names are not.
TEST(NamePool, FindsEveryNameAtItsFirstPositionAsTheListGrows) {
  CNameList list;
  list.AppendFromFile(1, "Doppel", 1);
  list.AppendFromFile(1, "Doppel", 1);
  EXPECT_EQ(list.Find("Doppel"), 0);
  std::vector<std::string> names;
  for (int i = 0; i < 5000; ++i) names.push_back("Name" + std::to_string(i) + (i % 2 ? "a" : ""));
  for (size_t i = 0; i < names.size(); ++i) ASSERT_EQ(list.Enter(names[i], true), static_cast<int>(i) + 2);
  for (size_t i = 0; i < names.size(); ++i) ASSERT_EQ(list.Find(names[i]), static_cast<int>(i) + 2) << names[i];
  EXPECT_EQ(list.Enter("Doppel", true), 0);
  EXPECT_EQ(list.UseCount(0), 2u);
  EXPECT_EQ(list.UseCount(1), 1u);
  for (const char* absent : {"Name", "Name1", "Name2a", "Doppe", "Doppell", "name3"})
    EXPECT_EQ(list.Find(absent), -1) << absent;
  list.Clear();
  EXPECT_EQ(list.Find("Name3"), -1);
  EXPECT_EQ(list.Enter("Name3", true), 0);
}

TEST(NamePool, AFullListRefusesNewNamesInsteadOfWrappingTheIndex) {
  CNameList list;
  list.Enter(" ", true);  // the blank at index 0, as in the pool
  for (size_t i = 1; i < CNameList::kMaxNames; ++i)
    ASSERT_EQ(list.Enter("N" + std::to_string(i), true), static_cast<int>(i));
  ASSERT_EQ(list.Size(), CNameList::kMaxNames);
  // Index 65536 would be written as 0 and 65537 as 1: another name. The blank it is.
  EXPECT_EQ(list.Enter("Zuviel", true), 0);
  EXPECT_EQ(list.Enter("N7", true), 7);  // names already there keep their index
  EXPECT_EQ(list.Refused(), 1u);
  EXPECT_EQ(list.Size(), CNameList::kMaxNames);
}

TEST(NamePool, SerialisesNamesWithIndexAndUseCount) {
  CNameList list;
  list.Enter(" ", true);
  list.Enter("Erik", true);
  list.Enter("Erik", true);
  ASSERT_EQ(list.SerializedSize(), 35u);
  std::vector<uint8_t> bytes(list.SerializedSize());
  uint8_t* end = list.Serialize(bytes.data());
  EXPECT_EQ(end, bytes.data() + bytes.size());
  EXPECT_EQ(U32At(bytes, 0), 2u);   // names
  EXPECT_EQ(U32At(bytes, 4), 0u);   // none from a file
  EXPECT_EQ(U32At(bytes, 8), 0u);
  EXPECT_EQ(U32At(bytes, 12), 0u);  // index 0, " ", use count 1
  EXPECT_EQ(bytes[16], ' ');
  EXPECT_EQ(bytes[17], 0);
  EXPECT_EQ(U32At(bytes, 18), 1u);
  EXPECT_EQ(U32At(bytes, 22), 1u);  // index 1, "Erik", use count 2
  EXPECT_EQ(std::string(reinterpret_cast<char*>(&bytes[26]), 4), "Erik");
  EXPECT_EQ(bytes[30], 0);
  EXPECT_EQ(U32At(bytes, 31), 2u);
}

TEST(NamePool, LoadsNameFilesByGroupStartingAtGroupOne) {
  test::ScratchDir folder;
  std::string path = folder.MakeFile("pool.txt",
                              "Anna\r\n\r\n%11\r\nSabine\r\nSabine\r\n"
                              "%99\r\nNobody\r\n%12\r\nAVeryLongNameThatGoesOnAndOnPastThirtyOne\n");
  CNamePool pool(7, 9);
  pool.Reset();
  pool.LoadFile(kPoolFemaleFirstNames, path);
  const CNameList& group1 = pool.List(1 * 5 + 0);
  ASSERT_EQ(group1.Size(), 2u);
  EXPECT_EQ(group1.Name(1), "Anna");
  EXPECT_EQ(group1.Tag(), 7u);
  EXPECT_EQ(group1.FileNameCount(), 2u);
  // File names are taken over whole, duplicates included.
  EXPECT_EQ(pool.List(11 * 5).Size(), 3u);
  EXPECT_EQ(pool.List(12 * 5).Name(1), "AVeryLongNameThatGoesOnAndOnPas");

  pool.LoadFile(kPoolSurnames, path);
  EXPECT_EQ(pool.List(1 * 5 + 4).Tag(), 9u);
  pool.LoadFile(kPoolSurnames, "");
  pool.LoadFile(kPoolSurnames, path + ".missing");
  EXPECT_EQ(pool.List(1 * 5 + 4).Size(), 2u);
}

TEST(NameGenerator, GroupsNamesAndFallsBackToGroupZero) {
  test::ScratchDir folder;
  std::string path = folder.MakeFile("male.txt", "  Otto \r\nKarl\r\n%11\r\nJens\r\nUwe\r\n%\r\nLate\r\n");
  CNameGenerator generator;
  ASSERT_TRUE(generator.LoadList(NameListKind::kMaleFirstNames, path));
  EXPECT_EQ(generator.Count(NameListKind::kMaleFirstNames, 0), 3u);  // "%" alone is group 0
  EXPECT_EQ(generator.Count(NameListKind::kMaleFirstNames, 11), 2u);

  for (int i = 0; i < 50; ++i) {
    auto german = generator.DrawName(NameListKind::kMaleFirstNames, 11);
    ASSERT_TRUE(german);
    EXPECT_TRUE(*german == "Jens" || *german == "Uwe");
    auto other = generator.DrawName(NameListKind::kMaleFirstNames, 44);
    ASSERT_TRUE(other);
    EXPECT_TRUE(*other == "Otto" || *other == "Karl" || *other == "Late");
  }
  EXPECT_FALSE(generator.DrawName(NameListKind::kSurnames, 11));
  EXPECT_FALSE(generator.LoadList(NameListKind::kSurnames, path + ".missing"));
}

TEST(NameGenerator, DrawIndexSpansTheGroup) {
  EXPECT_EQ(CNameGenerator::DrawIndex(0, 5), 0u);
  EXPECT_EQ(CNameGenerator::DrawIndex(32767, 5), 4u);  // r × count / 32767 would be 5
  EXPECT_EQ(CNameGenerator::DrawIndex(16383, 2), 0u);
  EXPECT_EQ(CNameGenerator::DrawIndex(16384, 2), 1u);
}

}  // namespace
}  // namespace torvale
