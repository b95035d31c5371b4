#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "platform/path.h"
#include "storage/record_stream.h"
#include "support/file_bytes.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

namespace fs = std::filesystem;

// Files and folders in the scratch folder, to see that no temporary file stayed behind.
size_t EntryCount(const test::ScratchDir& folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()));
}

using test::ReadText;

std::vector<uint8_t> Bytes(const uint8_t* bytes, size_t count) { return {bytes, bytes + count}; }

// The next value of the stream, which must be there. Starts from 1, so that a read that
// leaves the value alone shows.
template <typename T>
T NextInt(CKLFile& in) {
  T value = 1;
  EXPECT_TRUE(in.ReadInt(value));
  return value;
}

uint32_t NextHex(CKLFile& in) {
  uint32_t value = 1;
  EXPECT_TRUE(in.ReadHex(value));
  return value;
}

TEST(RecordStream, WritesEveryPrimitiveInItsTextForm) {
  CKLFile out;
  ASSERT_TRUE(out.OpenWriteToMemory());
  const uint8_t bytes[] = {3, 0, 12};
  const char names[3][4] = {"a", "b", "c"};
  EXPECT_TRUE(WriteVersion(out));
  EXPECT_TRUE(out.BeginSection("CLUB7"));
  EXPECT_TRUE(out.WriteString("Text mit Blanks"));
  EXPECT_TRUE(out.WriteString(""));
  EXPECT_TRUE(out.WriteInt(int32_t{-2000000000}));
  EXPECT_TRUE(out.WriteInt(int16_t{-300}));
  EXPECT_TRUE(out.WriteInt(int8_t{-1}));
  EXPECT_TRUE(out.WriteInt(uint16_t{65535}));
  EXPECT_TRUE(out.WriteInt(uint8_t{255}));
  EXPECT_TRUE(out.WriteHex(0x1AF));
  EXPECT_TRUE(out.WriteHex(0));
  EXPECT_TRUE(out.WriteBool(5));
  EXPECT_TRUE(out.WriteBool(0));
  EXPECT_TRUE(out.WriteByteList(bytes, 3));
  EXPECT_TRUE(out.WriteByteLines(bytes, 2));
  EXPECT_TRUE(out.WriteByteLines(bytes, 0));
  EXPECT_TRUE(out.WriteQuotedList(&names[0][0], 3, 4));
  EXPECT_TRUE(out.EndSection("CLUB7"));
  EXPECT_EQ(out.TakeWritten(),
            "%INDEX%VERSION\r\n537133064\r\n%INDEXEND%VERSION\r\n"
            "%INDEX%CLUB7\r\nText mit Blanks\r\n\r\n-2000000000\r\n-300\r\n-1\r\n65535\r\n255\r\n"
            "1af\r\n0\r\n1\r\n0\r\n3,0,12\r\n3\r\n0\r\n\"a\",\"b\",\"c\"\r\n%INDEXEND%CLUB7\r\n");
}

TEST(RecordStream, LongByteListsRoundTrip) {
  std::vector<uint8_t> bytes(600);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
  CKLFile out;
  ASSERT_TRUE(out.OpenWriteToMemory());
  out.WriteByteList(bytes.data(), bytes.size());
  const std::string text = out.TakeWritten();
  EXPECT_TRUE(text.starts_with("0,7,14,21,28,35,42,49,56,63,70,77,84,91,98,105,112,"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);

  CKLFile in;
  ASSERT_TRUE(in.OpenReadFromMemory(text));
  std::vector<uint8_t> back(bytes.size());
  EXPECT_TRUE(in.ReadByteList(back.data(), back.size()));
  EXPECT_EQ(back, bytes);
}

TEST(RecordStream, ReadsEveryPrimitiveFromItsText) {
  CKLFile in;
  ASSERT_TRUE(in.OpenReadFromMemory(
      "  -12abc\n+7\nabc\n-1\n70000\n4294967295\n"  // ints
      "1aF\nG1\n123456789\n \t1aF\n"                // hex
      "7\n0\n"                                      // bools
      "1,2\n1,2,3,4,5\n300,-1\n"                    // byte lists
      "9\n8\n"                                      // byte lines
      "Zu langer Name\nganze Zeile\n\n"));          // strings
  EXPECT_EQ(NextInt<int32_t>(in), -12);
  EXPECT_EQ(NextInt<int32_t>(in), 7);
  EXPECT_EQ(NextInt<int32_t>(in), 0);
  EXPECT_EQ(NextInt<uint8_t>(in), 255);
  EXPECT_EQ(NextInt<int16_t>(in), static_cast<int16_t>(70000));
  EXPECT_EQ(NextInt<uint32_t>(in), 0xFFFFFFFFu);
  EXPECT_EQ(NextHex(in), 0x1AFu);
  EXPECT_EQ(NextHex(in), 0u);
  EXPECT_EQ(NextHex(in), 0x12345678u);
  EXPECT_EQ(NextHex(in), 0x1AFu) << "leading blanks are skipped";

  int flag = 0;
  EXPECT_TRUE(in.ReadBool(flag));
  EXPECT_EQ(flag, 1);
  EXPECT_TRUE(in.ReadBool(flag));
  EXPECT_EQ(flag, 0);

  uint8_t four[4] = {9, 9, 9, 9};
  EXPECT_TRUE(in.ReadByteList(four, 4));
  EXPECT_EQ(Bytes(four, 4), (std::vector<uint8_t>{1, 2, 0, 0}));
  EXPECT_TRUE(in.ReadByteList(four, 4));
  EXPECT_EQ(Bytes(four, 4), (std::vector<uint8_t>{1, 2, 3, 4}));
  uint8_t two[2] = {};
  EXPECT_TRUE(in.ReadByteList(two, 2));
  EXPECT_EQ(Bytes(two, 2), (std::vector<uint8_t>{44, 255}));
  EXPECT_TRUE(in.ReadByteLines(two, 2));
  EXPECT_EQ(Bytes(two, 2), (std::vector<uint8_t>{9, 8}));

  char name[8];
  std::memset(name, 'x', sizeof name);
  EXPECT_TRUE(in.ReadString(name));
  EXPECT_EQ(std::string(name, sizeof name), std::string("Zu lang\0", 8));
  EXPECT_TRUE(in.ReadString(name));
  EXPECT_EQ(std::string(name, sizeof name), std::string("ganze Z\0", 8));
  std::string text = "alt";
  EXPECT_TRUE(in.ReadString(text));
  EXPECT_EQ(text, "");
  EXPECT_TRUE(in.AtEnd());
}

// A value read that meets a section end (or the end of the data) must not consume it, so that
// the reader's FindSectionEnd still finds the end of the record.
TEST(RecordStream, EveryPrimitiveGivesItsNoValueResultWithoutMovingOn) {
  for (std::string stream : {"%INDEX%X\r\n%INDEXEND%X\r\n", "%INDEX%X\r\n;nur Kommentar\r\n%INDEXEND%X\r\n"}) {
    CKLFile in;
    ASSERT_TRUE(in.OpenReadFromMemory(stream));
    ASSERT_TRUE(in.FindSection("X"));
    int32_t i32 = 5;
    int8_t i8 = 5;
    uint32_t hex = 5;
    int flag = 5;
    uint8_t list[3] = {1, 2, 3};
    uint8_t lines[2] = {1, 2};
    char fixed[4] = "abc";
    std::string text = "alt";
    std::string_view raw;
    EXPECT_FALSE(in.ReadInt(i32));
    EXPECT_FALSE(in.ReadInt(i8));
    EXPECT_FALSE(in.ReadHex(hex));
    EXPECT_FALSE(in.ReadBool(flag));
    EXPECT_FALSE(in.ReadByteList(list, 3));
    EXPECT_FALSE(in.ReadByteLines(lines, 2));
    EXPECT_FALSE(in.ReadString(fixed));
    EXPECT_FALSE(in.ReadString(text));
    EXPECT_FALSE(in.ReadValueLine(raw));
    EXPECT_EQ(i32, 0);
    EXPECT_EQ(i8, 0);
    EXPECT_EQ(hex, 0u);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(Bytes(list, 3), (std::vector<uint8_t>{0, 0, 0}));
    EXPECT_EQ(Bytes(lines, 2), (std::vector<uint8_t>{0, 0}));
    EXPECT_STREQ(fixed, "abc");
    EXPECT_EQ(text, "alt");
    EXPECT_TRUE(in.FindSectionEnd("X"));
    // At the end of the data every read fails the same way.
    EXPECT_FALSE(in.ReadInt(i32));
    EXPECT_FALSE(in.ReadString(text));
    EXPECT_FALSE(in.FindSection("X"));
  }

  // Byte lines keep what they read before the section end and zero the rest.
  CKLFile in;
  ASSERT_TRUE(in.OpenReadFromMemory("5\n6\n%INDEXEND%X\n"));
  uint8_t lines[4] = {9, 9, 9, 9};
  EXPECT_FALSE(in.ReadByteLines(lines, 4));
  EXPECT_EQ(Bytes(lines, 4), (std::vector<uint8_t>{5, 6, 0, 0}));
  EXPECT_TRUE(in.FindSectionEnd("X"));

  // A closed stream neither reads nor writes.
  CKLFile closed;
  int32_t value = 3;
  EXPECT_FALSE(closed.ReadInt(value));
  EXPECT_FALSE(closed.WriteInt(1));
  EXPECT_FALSE(closed.BeginSection("A"));
  EXPECT_FALSE(WriteVersion(closed));
}

TEST(RecordStream, FindsSectionsOnlyBeforeTheNextSectionEnd) {
  CKLFile in;
  ASSERT_TRUE(in.OpenReadFromMemory(
      "%INDEX%A\n1\n%INDEXEND%A\n"
      "%INDEX%B\n2\n%INDEX%INNER\n3\n%INDEXEND%INNER\n4\n%INDEXEND%B\n"
      "%INDEX%AB\n%INDEXEND%AB\n%INDEX%c\n%INDEXEND%c\n%INDEX%C\n5\n%INDEXEND%C\n"));
  // B lies behind the end of A: not found, and A is still there to be read.
  EXPECT_FALSE(in.FindSection("B"));
  EXPECT_FALSE(in.FindSection("MISSING"));
  ASSERT_TRUE(in.FindSection("A"));
  EXPECT_EQ(NextInt<int32_t>(in), 1);
  EXPECT_TRUE(in.FindSectionEnd("A"));

  // A reader that knows only the first field of B resumes behind B's nested section.
  ASSERT_TRUE(in.FindSection("B"));
  EXPECT_EQ(NextInt<int32_t>(in), 2);
  EXPECT_FALSE(in.FindSection("OTHER"));  // stops at the end of INNER
  EXPECT_TRUE(in.FindSectionEnd("B"));

  // Names compare by whole line and letter case: "A" is not "AB", "C" is not "c".
  EXPECT_FALSE(in.FindSection("A"));
  EXPECT_TRUE(in.FindSection("AB"));
  EXPECT_TRUE(in.FindSectionEnd("AB"));
  // A section nobody asks for blocks the ones behind it until it is read.
  EXPECT_FALSE(in.FindSection("C"));
  EXPECT_TRUE(in.FindSection("c"));
  EXPECT_TRUE(in.FindSectionEnd("c"));
  EXPECT_TRUE(in.FindSection("C"));
  EXPECT_EQ(NextInt<int32_t>(in), 5);
  EXPECT_FALSE(in.FindSectionEnd("NEVER"));
  EXPECT_TRUE(in.AtEnd());
}

TEST(RecordStream, CommentsAreSkippedByValueReadsButNotByRawLines) {
  CKLFile in;
  ASSERT_TRUE(in.OpenReadFromMemory("1\n;Kommentar\n;%INDEXEND%X\n2\n"));
  EXPECT_EQ(NextInt<int32_t>(in), 1);
  EXPECT_EQ(NextInt<int32_t>(in), 2);

  ASSERT_TRUE(in.OpenReadFromMemory("1\n;Kommentar\n2\n"));
  std::string_view line;
  EXPECT_TRUE(in.ReadLine(line));
  EXPECT_TRUE(in.ReadLine(line));
  EXPECT_EQ(line, ";Kommentar");
}

TEST(RecordStream, VersionRules) {
  struct Case {
    std::string stream;
    uint32_t loaded;
    bool found;
  };
  const Case cases[] = {
      {"%INDEX%A\n%INDEXEND%A\n", 1, false},
      {"%INDEX%VERSION\n537067525\n%INDEXEND%VERSION\n", 0x2003FFFF, true},  // 0x20030005
      {"%INDEX%VERSION\n537133064\n%INDEXEND%VERSION\n", 0x20040008, true},
      {"%INDEX%VERSION\n537133065\n%INDEXEND%VERSION\n", 0x20040009, true},
      {"%INDEX%VERSION\n%INDEXEND%VERSION\n", 0x0000FFFF, true},
  };
  for (const Case& c : cases) {
    CKLFile in;
    ASSERT_TRUE(in.OpenReadFromMemory(c.stream));
    EXPECT_EQ(ReadVersion(in), c.found) << c.stream;
    EXPECT_EQ(in.LoadedVersion(), c.loaded) << c.stream;
    EXPECT_EQ(in.GetLoadedVersionMajor(), c.loaded >> 16);
    EXPECT_EQ(in.GetLoadedVersionMinor(), c.loaded & 0xFFFF);
  }
  // Without VERSION the following section is still there to be read.
  CKLFile in;
  ASSERT_TRUE(in.OpenReadFromMemory("%INDEX%A\n%INDEXEND%A\n"));
  ReadVersion(in);
  EXPECT_TRUE(in.FindSection("A"));
}

// The game's reader cut files at 5 MiB and lines at 1023 characters; ours must not lose data.
TEST(RecordStream, ReadsLongLinesAndLargeFilesWhole) {
  test::ScratchDir folder;
  const std::string path = JoinPath(folder.path(), "Country14.sav");
  const std::string longText(3 << 20, 'L');
  const int clubs = 40000;
  {
    CKLFile out;
    ASSERT_TRUE(out.OpenWrite(path));
    out.WriteString(longText);
    for (int club = 0; club < clubs; ++club) {
      out.BeginSection("CLUB" + std::to_string(club));
      out.WriteInt(club);
      out.WriteString("Ein Verein mit einem langen Namen, der Platz braucht");
      out.EndSection("CLUB" + std::to_string(club));
    }
    out.WriteInt(424242);
    ASSERT_TRUE(out.Close());
  }
  ASSERT_GT(fs::file_size(path), 6u << 20);

  CKLFile in;
  ASSERT_TRUE(in.OpenRead(path, "r"));
  std::string text;
  ASSERT_TRUE(in.ReadString(text));
  EXPECT_EQ(text, longText);
  int32_t value = 0;
  for (int club = 0; club < clubs; ++club) {
    ASSERT_TRUE(in.FindSection("CLUB" + std::to_string(club)));
    ASSERT_TRUE(in.ReadInt(value));
    ASSERT_EQ(value, club);
    ASSERT_TRUE(in.FindSectionEnd("CLUB" + std::to_string(club)));
  }
  EXPECT_EQ(NextInt<int32_t>(in), 424242);
}

TEST(RecordStream, AcceptsLineFeedsOnlyAndALastLineWithoutLineFeed) {
  test::ScratchDir folder;
  const std::string path = JoinPath(folder.path(), "lf.sav");
  ASSERT_TRUE(WriteWholeFile(path, "%INDEX%A\n12\nName\n%INDEXEND%A\n7"));
  CKLFile in;
  ASSERT_TRUE(in.OpenRead(path));
  int32_t value = 0;
  std::string text;
  ASSERT_TRUE(in.FindSection("A"));
  EXPECT_EQ(NextInt<int32_t>(in), 12);
  EXPECT_TRUE(in.ReadString(text));
  EXPECT_EQ(text, "Name");
  EXPECT_TRUE(in.FindSectionEnd("A"));
  // A one-character last line without line feed still counts.
  EXPECT_EQ(NextInt<int32_t>(in), 7);
  EXPECT_FALSE(in.ReadInt(value));

  // A last line ending in a lone carriage return loses only that.
  ASSERT_TRUE(in.OpenReadFromMemory("Ende\r"));
  EXPECT_TRUE(in.ReadString(text));
  EXPECT_EQ(text, "Ende");
  ASSERT_TRUE(in.OpenReadFromMemory(""));
  EXPECT_FALSE(in.ReadString(text));
  EXPECT_FALSE(in.OpenRead(JoinPath(folder.path(), "missing.sav")));
  folder.MakeDir("Country5.sav");
  EXPECT_FALSE(in.OpenRead(JoinPath(folder.path(), "Country5.sav")));
}

// Line ends are searched several bytes at a time: every length around those steps, with
// Windows-1252 letters (high bytes) and both kinds of line end, must come back whole.
TEST(RecordStream, FindsLineEndsAtEveryLength) {
  std::vector<std::string> lines;
  std::string data;
  for (size_t length = 0; length <= 40; ++length) {
    std::string line;
    for (size_t i = 0; i < length; ++i) line.push_back(i % 3 == 1 ? '\x8A' : static_cast<char>('a' + i % 26));
    data += line + (length % 2 ? "\r\n" : "\n");
    lines.push_back(line);
  }
  CKLFile in;
  ASSERT_TRUE(in.OpenReadFromMemory(data));
  std::string text;
  for (const std::string& line : lines) {
    ASSERT_TRUE(in.ReadString(text));
    EXPECT_EQ(text, line) << line.size();
  }
  EXPECT_FALSE(in.ReadString(text));
}

TEST(RecordStream, WritesReplaceTheFileOnlyWhenComplete) {
  test::ScratchDir folder;
  const std::string path = JoinPath(folder.path(), "Rules.sav");
  ASSERT_TRUE(WriteWholeFile(path, "alt\r\n"));
  {
    CKLFile out;
    ASSERT_TRUE(out.OpenWrite(path, "w"));
    out.WriteInt(1);
    EXPECT_EQ(ReadText(path), "alt\r\n");  // the old file stays until the new one is complete
    EXPECT_TRUE(out.Close());
  }
  EXPECT_EQ(ReadText(path), "1\r\n");
  EXPECT_EQ(EntryCount(folder), 1u);

  // A folder that cannot hold files: nothing opened, nothing created.
  CKLFile out;
  EXPECT_FALSE(out.OpenWrite(JoinPath(path, "Country1.sav")));
  EXPECT_FALSE(out.WriteInt(1));
  EXPECT_FALSE(out.OpenWrite(JoinPath(folder.path(), "fehlt/Country1.sav")));
  EXPECT_EQ(EntryCount(folder), 1u);

  // A writer torn down by an exception has incomplete records: the old file stays.
  try {
    CKLFile torn;
    ASSERT_TRUE(torn.OpenWrite(path));
    torn.WriteInt(2);
    throw std::runtime_error("abgebrochen");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(ReadText(path), "1\r\n");
  EXPECT_EQ(EntryCount(folder), 1u);
}

// Exits with 0 when Close reports the failed write.
[[noreturn]] void WriteUntilTheDiskIsFull(const std::string& path) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{64 * 1024, 64 * 1024};
  setrlimit(RLIMIT_FSIZE, &limit);
  CKLFile out;
  if (!out.OpenWrite(path)) std::_Exit(2);
  for (int i = 0; i < 200000; ++i) out.WriteString("Zeile, die den Platz aufbraucht");
  std::_Exit(out.Close() ? 3 : 0);
}

// The disk filling up while a file is written: Close reports it, the old file is unchanged and
// no temporary file is left behind. The file size limit stands in for a full disk, in a child
// process so that the limit does not outlive the test.
TEST(RecordStreamDeathTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  test::ScratchDir folder;
  const std::string path = JoinPath(folder.path(), "Country1.sav");
  ASSERT_TRUE(WriteWholeFile(path, "alt\r\n"));
  EXPECT_EXIT(WriteUntilTheDiskIsFull(path), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadText(path), "alt\r\n");
  EXPECT_EQ(EntryCount(folder), 1u);
}

// Texts that would read back as a comment, a section line or several lines get blanks, so the
// fields behind them stay in place.
TEST(RecordStream, TextsCannotShiftTheFollowingFields) {
  const std::string risky[] = {";kein Kommentar", "%INDEXEND%PLAYER", "zwei\r\nZeilen", "drei\nvier\rfuenf", "%"};
  const std::string readBack[] = {" ;kein Kommentar", " %INDEXEND%PLAYER", "zwei  Zeilen", "drei vier fuenf", " %"};
  CKLFile out;
  ASSERT_TRUE(out.OpenWriteToMemory());
  out.BeginSection("PLAYER");
  for (const std::string& text : risky) {
    out.WriteString(text);
    out.WriteInt(99);
  }
  char unterminated[4] = {'a', 'b', 'c', 'd'};
  out.WriteString(unterminated);
  const char languages[2][8] = {"Say \"Hi", "zwei"};
  out.WriteQuotedList(&languages[0][0], 2, 8);
  out.WriteComment("mehr\nZeilen");
  out.WriteInt(77);
  out.EndSection("PLAYER");

  CKLFile in;
  ASSERT_TRUE(in.OpenReadFromMemory(out.TakeWritten()));
  ASSERT_TRUE(in.FindSection("PLAYER"));
  for (const std::string& expected : readBack) {
    std::string text;
    EXPECT_TRUE(in.ReadString(text));
    EXPECT_EQ(text, expected);
    EXPECT_EQ(NextInt<int32_t>(in), 99);
  }
  std::string text;
  EXPECT_TRUE(in.ReadString(text));
  EXPECT_EQ(text, "abcd");
  EXPECT_TRUE(in.ReadString(text));
  const char* position = text.c_str();
  char slot[8];
  EXPECT_TRUE(CKLFile::ExtractDelimited(position, '"', slot, sizeof slot));
  EXPECT_STREQ(slot, "Say 'Hi");
  EXPECT_TRUE(CKLFile::ExtractDelimited(position, '"', slot, sizeof slot));
  EXPECT_STREQ(slot, "zwei");
  EXPECT_EQ(NextInt<int32_t>(in), 77);
  EXPECT_TRUE(in.FindSectionEnd("PLAYER"));
}

TEST(RecordStream, ExtractDelimited) {
  const char* text = "\"Deutschland\",\"Germany\",rest";
  const char* position = text;
  char buffer[6];
  EXPECT_TRUE(CKLFile::ExtractDelimited(position, '"', buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Deuts");
  EXPECT_TRUE(CKLFile::ExtractDelimited(position, '"', buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Germa");
  const char* before = position;
  EXPECT_FALSE(CKLFile::ExtractDelimited(position, '"', buffer, sizeof buffer));
  EXPECT_STREQ(buffer, ",rest");
  EXPECT_EQ(position, before);
  // A NUL delimiter is never found inside the text; the search must not run past its end.
  EXPECT_FALSE(CKLFile::ExtractDelimited(position, '\0', buffer, sizeof buffer));
  EXPECT_STREQ(buffer, ",rest");
}

}  // namespace
}  // namespace torvale
