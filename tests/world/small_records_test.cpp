#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "storage/record_stream.h"
#include "world/fixed_text.h"
#include "world/record_result.h"
#include "world/small_records.h"
#include "world/stadium.h"

namespace torvale {
namespace {

// Writes a record with `write`, lets `edit` turn the text into an older edition's, then reads
// it back from a stream that claims `version`.
template <typename T, typename W, typename R>
T RoundTrip(const T& value, W write, R read, uint32_t version = CKLFile::kWrittenVersion,
            const std::function<void(std::string&)>& edit = {}) {
  CKLFile out;
  out.OpenWriteToMemory();
  EXPECT_TRUE(write(out, value));
  std::string text = out.TakeWritten();
  if (edit) edit(text);
  CKLFile in;
  in.OpenReadFromMemory(text);
  in.SetLoadedVersion(version);
  T back;
  EXPECT_TRUE(read(in, back));
  EXPECT_TRUE(in.AtEnd());
  return back;
}

CStadium SampleStadium() {
  CStadium s;
  SetFixedText(s.name, "Waldstadion");
  SetFixedText(s.town, "Kleinberg");
  s.extra = 9;
  s.typeByte = 0x80 | 7;
  for (int k = 0; k < kStandCount; ++k) {
    s.seats[k] = 1000 * (k + 1);
    s.standing[k] = 100 * (k + 1);
    s.vipSeats[k] = k;
  }
  s.seasonTicketBlocks = 0x81;
  s.guestBlocks = 0x02;
  return s;
}

TEST(SmallRecords, EveryRecordSurvivesWriteAndRead) {
  MANAGER m;
  SetFixedText(m.firstName, "Fünfzehnbuchsta");
  SetFixedText(m.surname, "Neunzehn-Buchstaben");
  SetFixedText(m.nickname, "Spitz");
  m.nationality = 14;
  m.birthDate = DATE::FromCivil(1961, 4, 30);
  for (uint8_t i = 0; i < 4; ++i) {
    m.abilities[i] = static_cast<uint8_t>(12 + i);
    m.languages[i] = static_cast<uint8_t>(200 + i);
  }
  m.nationalExperience = 6;
  m.internationalExperience = 4;
  EXPECT_EQ(RoundTrip(m, WriteManager, ReadManager), m);

  CReferee r;
  SetFixedText(r.firstName, "Anna");
  SetFixedText(r.surname, "Pfiff");
  r.character = kRefereeCoward;
  EXPECT_EQ(RoundTrip(r, WriteReferee, ReadReferee), r);

  CStaffMember st;
  SetFixedText(st.firstName, "Bo");
  SetFixedText(st.surname, "Doc");
  st.job = 11;
  st.qualification = 4;
  EXPECT_EQ(RoundTrip(st, WriteStaffMember, ReadStaffMember), st);

  CSponsor sp;
  SetFixedText(sp.name, "Brauerei", CSponsor::kNameChars);
  sp.value = -7;
  SetFixedText(sp.text1, "eins");
  SetFixedText(sp.text2, "zwei");
  EXPECT_EQ(RoundTrip(sp, WriteSponsor, ReadSponsor), sp);

  CPlayerPoolEntry pe;
  SetFixedText(pe.firstName, "Jan");
  SetFixedText(pe.surname, "Jung");
  SetFixedText(pe.thirdName, "Dritter");
  pe.nationality = 206;
  pe.ability = 3;
  pe.teamPart = 2;
  pe.preferredClub = 0x010E0005;
  EXPECT_EQ(RoundTrip(pe, WritePlayerPoolEntry, ReadPlayerPoolEntry), pe);

  EXPECT_EQ(RoundTrip(SampleStadium(), WriteStadium, ReadStadium), SampleStadium());

  RECORD rec{200, 3, 81000, "FC Irgendwo", 1998};
  EXPECT_EQ(RoundTrip(rec, WriteRecordResult, ReadRecordResult), rec);
}

TEST(SmallRecords, ReadersCutTextsAndLeaveDefaultsWhenMissing) {
  CKLFile in;
  in.OpenReadFromMemory(
      "%INDEX%SPONSOR\r\n12345678901234567890123456789012345\r\n"
      "%INDEXEND%SPONSOR\r\n");
  CSponsor s;
  ASSERT_TRUE(ReadSponsor(in, s));
  EXPECT_EQ(FixedText(s.name), "1234567890123456789012345678");
  CReferee r;
  EXPECT_FALSE(ReadReferee(in, r));
  EXPECT_EQ(r, CReferee());
}

TEST(SmallRecords, OldStadiumsDropTheirTextAndConvertTheType) {
  CStadium s = SampleStadium();
  // 0x2003 and files without a version: the extra byte was a text.
  for (uint32_t version : {0x2003FFFFu, 1u}) {
    const CStadium back = RoundTrip(s, WriteStadium, ReadStadium, version, [](std::string& text) {
      const std::string extraLine = "\r\nKleinberg\r\n9\r\n";
      text.replace(text.find(extraLine), extraLine.size(), "\r\nKleinberg\r\nalter Text\r\n");
    });
    EXPECT_EQ(back.extra, 0);
    EXPECT_EQ(back.typeByte, s.typeByte);
    EXPECT_EQ(back.seats[7], s.seats[7]);
    EXPECT_EQ(back.guestBlocks, s.guestBlocks);
  }
  // 0x2004 below low half 5: type 1-5 -> 1, 6-9 -> 2, others 0 (including the flag bit).
  struct Case { uint32_t version; uint8_t type; uint8_t expected; };
  for (Case c : {Case{0x20040000, 5, 1}, Case{0x20040001, 6, 2}, Case{0x20040004, 9, 2},
                 Case{0x20040004, 10, 0}, Case{0x20040004, 0x81, 0}, Case{0x20040005, 7, 7},
                 Case{0x20040008, 0x85, 0x85}, Case{0x2003FFFF, 7, 7}}) {
    CStadium t;
    t.typeByte = c.type;
    EXPECT_EQ(RoundTrip(t, WriteStadium, ReadStadium, c.version).typeByte, c.expected)
        << std::hex << c.version << " type " << int(c.type);
  }
}

TEST(SmallRecords, PoolEntryTeamPartOnlyFromVersion2004) {
  CPlayerPoolEntry e;
  SetFixedText(e.surname, "Jung");
  e.teamPart = 3;
  e.preferredClub = 77;
  for (uint32_t version : {1u, 0x2003FFFFu}) {
    const CPlayerPoolEntry back = RoundTrip(e, WritePlayerPoolEntry, ReadPlayerPoolEntry, version,
                                            [](std::string& text) {
                                              text.erase(text.rfind("3\r\n%INDEXEND"), 3);  // older files end after the club
                                            });
    EXPECT_EQ(back.teamPart, 0);
    EXPECT_EQ(back.preferredClub, 77);
  }
  EXPECT_EQ(RoundTrip(e, WritePlayerPoolEntry, ReadPlayerPoolEntry, 0x20040000).teamPart, 3);
}

TEST(SmallRecords, StadiumCapacityAndBlocks) {
  CStadium s;
  s.seats[kStandMain] = 10000;
  s.standing[kStandNorth] = 2000;
  EXPECT_EQ(s.Capacity(), 12000);
  s.seasonTicketBlocks = 1u << 2;
  s.guestBlocks = 1u << 3;
  EXPECT_TRUE(s.IsValid());
  s.guestBlocks |= 1u << 2;
  EXPECT_FALSE(s.IsValid());
  s.SetType(0x7F);
  s.SetTypeFlag(true);
  s.SetType(3);
  EXPECT_EQ(s.typeByte, 0x83);
}

TEST(SmallRecords, ShortNames) {
  CReferee r;
  SetFixedText(r.firstName, "Anna");
  SetFixedText(r.surname, "Pfiff");
  EXPECT_EQ(r.ShortName(), "Pfiff, A.");
  CPlayerPoolEntry e;
  SetFixedText(e.firstName, "Jan");
  SetFixedText(e.surname, "Jung");
  EXPECT_EQ(e.ShortName(), "Jung,J.");
  CStaffMember m;
  SetFixedText(m.firstName, "Bo");
  EXPECT_EQ(m.ShortName(), "Bo");
  SetFixedText(m.firstName, "");
  SetFixedText(m.surname, "Doc");
  EXPECT_EQ(m.ShortName(), "Doc");
}

TEST(RecordResults, ScoreTextsParseAndFormat) {
  RECORD r;
  ParseRecordScore("7:1", r);
  EXPECT_EQ(FormatRecordScore(r), "7:1");
  ParseRecordScore(" 4-2", r);
  EXPECT_EQ(r.goalsFor, 4);
  EXPECT_EQ(r.goalsAgainst, 2);
  ParseRecordScore("3-1:0", r);  // ":" wins over "-"
  EXPECT_EQ(r.goalsAgainst, 0);
  ParseRecordScore("999:-4", r);
  EXPECT_EQ(r.goalsFor, 255);
  EXPECT_EQ(r.goalsAgainst, 0);
  ParseRecordScore("5", r);
  EXPECT_EQ(FormatRecordScore(r), "5:0");
  ParseRecordScore("", r);
  EXPECT_EQ(FormatRecordScore(r), "");
  ParseRecordAttendance("81000", r);
  EXPECT_EQ(FormatRecordAttendance(r), "81000");
  ParseRecordAttendance("", r);
  EXPECT_EQ(FormatRecordAttendance(r), "");
}

}  // namespace
}  // namespace torvale
