#include <gtest/gtest.h>

#include "storage/record_stream.h"
#include "world/date.h"

namespace torvale {
namespace {

DATE ReadDateText(const std::string& lines, DATE start = DATE()) {
  CKLFile in;
  in.OpenReadFromMemory("%INDEX%DATE\r\n" + lines + "%INDEXEND%DATE\r\n");
  ReadDate(in, start);
  return start;
}

TEST(Date, ConvertsBothWaysOverTheWholeRange) {
  EXPECT_EQ(JdnFromCivil(2000, 1, 1), 2451545u);
  EXPECT_EQ(JdnFromCivil(1980, 1, 1), 2444240u);
  EXPECT_EQ(JdnFromCivil(2000, 3, 1) - JdnFromCivil(2000, 2, 28), 2u);  // 2000 is a leap year
  EXPECT_EQ(JdnFromCivil(1900, 3, 1) - JdnFromCivil(1900, 2, 28), 1u);  // 1900 is not
  for (uint32_t jdn = JdnFromCivil(1700, 1, 1); jdn <= JdnFromCivil(2100, 12, 31); ++jdn) {
    const CivilDate c = CivilFromJdn(jdn);
    ASSERT_EQ(JdnFromCivil(c.year, c.month, c.day), jdn);
    ASSERT_GE(c.day, 1);
    ASSERT_LE(c.month, 12);
  }
  const DATE d = DATE::FromCivil(2003, 7, 6);
  EXPECT_EQ(d.Day(), 6);
  EXPECT_EQ(d.Month(), 7);
  EXPECT_EQ(d.Year(), 2003);
  EXPECT_EQ(d.AddDays(26).Month(), 8);
  EXPECT_EQ(d.AddDays(-6).Month(), 6);
  EXPECT_LT(d, d.AddDays(1));
  EXPECT_EQ(CompareDates(d.AddDays(1), d), 1);
}

TEST(Date, AgeCountsWholeYears) {
  const DATE born = DATE::FromCivil(1980, 7, 6);
  EXPECT_EQ(born.AgeAt(DATE::FromCivil(2003, 7, 6)), 23);
  EXPECT_EQ(born.AgeAt(DATE::FromCivil(2003, 7, 5)), 22);
  EXPECT_EQ(DATE::FromCivil(1984, 2, 29).AgeAt(DATE::FromCivil(2003, 3, 1)), 19);
}

TEST(Date, ReadingRepairsAndRoundTrips) {
  EXPECT_EQ(ReadDateText("31\r\n2\r\n1999\r\n"), DATE::FromCivil(1999, 3, 3));
  EXPECT_EQ(ReadDateText("14\r\n5\r\n1650\r\n"), DATE::FromCivil(2000, 5, 14));
  EXPECT_EQ(ReadDateText("40\r\n13\r\n2101\r\n"), DATE::FromCivil(2000, 1, 1));
  EXPECT_EQ(ReadDateText("5\r\n"), DATE::FromCivil(2000, 1, 5));
  // A missing section leaves the date alone.
  CKLFile empty;
  empty.OpenReadFromMemory("");
  DATE kept = DATE::FromCivil(1990, 1, 1);
  EXPECT_FALSE(ReadDate(empty, kept));
  EXPECT_EQ(kept, DATE::FromCivil(1990, 1, 1));

  for (DATE d : {DATE::FromCivil(1975, 12, 31), DATE::FromCivil(2004, 2, 29), DATE()}) {
    CKLFile out;
    out.OpenWriteToMemory();
    WriteDate(out, d);
    CKLFile in;
    in.OpenReadFromMemory(out.TakeWritten());
    DATE back = DATE::FromCivil(2001, 1, 1);
    EXPECT_TRUE(ReadDate(in, back));
    EXPECT_EQ(back, d);  // "no date" stays no date
  }
}

}  // namespace
}  // namespace torvale
