#include <gtest/gtest.h>

#include <filesystem>

#include "assets/big_archive.h"
#include "assets/big_writer.h"
#include "platform/text_encoding.h"
#include "support/file_bytes.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

using test::AsText;
using test::ListNames;
using test::ScratchDir;

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> Repetitive(size_t size) {
  std::vector<uint8_t> out(size);
  for (size_t i = 0; i < size; ++i) out[i] = static_cast<uint8_t>("ABCABCABD"[i % 9]);
  return out;
}

std::vector<BigWriterEntry> SampleEntries() {
  return {
      {"Badges\\Deutschland\\Badge180\\Hamburg.tga", Bytes("first entry"), false},
      {"Badges\\Deutschland\\Badge14\\Hamburg.tga", Repetitive(5000), true},
      {"readme.txt", Bytes("x"), false},
      {"Badges\\Deutschland\\Badge180\\HAMBURG.TGA", Bytes("same name, other case"), false},
  };
}

std::string Text(const char* utf8) { return Utf8ToCp1252(utf8); }

// The message with the file name in place of its "%s".
std::string Text(const char* utf8, const std::string& name) {
  std::string text = Text(utf8);
  return text.replace(text.find("%s"), 2, name);
}

void WriteArchive(const std::string& path, const std::vector<BigWriterEntry>& entries, BigWriteOptions options) {
  ASSERT_TRUE(WriteBigArchive(path, entries, options));
}

TEST(BigArchive, OpensWhatTheWriterMakesInEveryVariant) {
  ScratchDir folder;
  const std::vector<BigWriterEntry> entries = SampleEntries();
  for (bool bigEndian : {false, true})
    for (bool packWhole : {false, true}) {
      SCOPED_TRACE(testing::Message() << "big-endian " << bigEndian << ", packed " << packWhole);
      const std::string path = folder.path() + "/badges.big";
      WriteArchive(path, entries, {bigEndian, packWhole});
      CQZBig big;
      ASSERT_TRUE(big.Open(path, true)) << big.GetLastError();
      EXPECT_TRUE(big.IsReadOnly());
      ASSERT_EQ(big.GetEntryCount(), 4);
      for (int i = 0; i < 4; ++i) EXPECT_EQ(big.GetEntry(i).name, entries[size_t(i)].name);
      EXPECT_EQ(big.GetEntry(0).unpackedSize, 0u);
      EXPECT_EQ(big.GetEntry(1).unpackedSize, 5000u);
      EXPECT_LT(big.GetEntry(1).length, 5000u);
      EXPECT_EQ(big.GetEntry(0).recordPosition, 16u);

      EXPECT_EQ(big.ReadEntry(0, true), Bytes("first entry"));
      EXPECT_EQ(big.ReadEntry(1, true), Repetitive(5000));
      const auto stored = big.ReadEntry(1, false);
      ASSERT_TRUE(stored);
      EXPECT_EQ(stored->size(), big.GetEntry(1).length);
      EXPECT_EQ((*stored)[0], 0x10);
      EXPECT_EQ((*stored)[1], 0xFB);
      EXPECT_EQ(big.GetArchiveLength(), packWhole ? std::filesystem::file_size(big.ReadPath())
                                                  : std::filesystem::file_size(path));
      EXPECT_EQ(big.PackedPath().empty(), !packWhole);
    }
}

TEST(BigArchive, LooksNamesUpIgnoringLetterCaseAndFindsTheFirst) {
  ScratchDir folder;
  WriteArchive(folder.path() + "/a.big", SampleEntries(), {});
  CQZBig big;
  ASSERT_TRUE(big.Open(folder.path() + "/a.big", true));
  EXPECT_EQ(big.FindEntry("badges\\deutschland\\badge14\\hamburg.tga"), 1);
  EXPECT_EQ(big.FindEntry("BADGES\\DEUTSCHLAND\\BADGE180\\HAMBURG.TGA"), 0);
  EXPECT_EQ(big.ReadEntry("README.TXT", false), Bytes("x"));
  EXPECT_EQ(big.FindEntry("Badges/Deutschland/Badge14/Hamburg.tga"), -1);  // names keep their backslashes
  EXPECT_EQ(big.FindEntry(""), -1);
  EXPECT_FALSE(big.ReadEntry("missing", true));
  EXPECT_FALSE(big.ReadEntry(4, true));
  EXPECT_FALSE(big.ReadEntry(-1, true));
  EXPECT_TRUE(big.GetEntry(4).name.empty());
  EXPECT_TRUE(big.GetLastError().empty());  // the plain lookups report nothing

  EXPECT_EQ(big.FindEntryReported("missing.tga"), -1);
  EXPECT_EQ(big.GetLastError(), Text("Die Datei missing.tga konnte in dem BIG Archiv nicht gefunden werden"));
  EXPECT_EQ(big.FindEntryReported(""), -1);
  EXPECT_EQ(big.GetLastError(), Text("Es wurde kein Name angegeben"));
  EXPECT_EQ(big.FindEntryReported("README.txt"), 2);
}

TEST(BigArchive, ClosedArchiveSaysSoOnEveryLookup) {
  ScratchDir folder;
  WriteArchive(folder.path() + "/a.big", SampleEntries(), {});
  CQZBig big;
  const std::string notOpen = Text("BIG Archiv ist nicht geöffnet");
  EXPECT_EQ(big.FindEntry("readme.txt"), -1);
  EXPECT_EQ(big.GetLastError(), notOpen);

  ASSERT_TRUE(big.Open(folder.path() + "/a.big", false));
  EXPECT_FALSE(big.IsReadOnly());
  big.Close();
  EXPECT_TRUE(big.IsReadOnly());
  EXPECT_EQ(big.GetEntryCount(), 0);
  EXPECT_TRUE(big.GetEntry(0).name.empty());
  for (auto lookup : {+[](CQZBig& b) { return b.FindEntry("readme.txt") < 0; },
                      +[](CQZBig& b) { return b.FindEntryReported("readme.txt") < 0; },
                      +[](CQZBig& b) { return !b.ReadEntry(0, true); },
                      +[](CQZBig& b) { return !b.ReadEntry("readme.txt", false); }}) {
    CQZBig fresh;
    ASSERT_TRUE(fresh.Open(folder.path() + "/a.big", true));
    fresh.Close();
    EXPECT_TRUE(lookup(fresh));
    EXPECT_EQ(fresh.GetLastError(), notOpen);
  }
}

TEST(BigArchive, PackedArchiveUsesATemporaryCopyThatCloseRemoves) {
  ScratchDir folder;
  WriteArchive(folder.path() + "/packed.big", SampleEntries(), {false, true});
  {
    CQZBig big;
    ASSERT_TRUE(big.Open(folder.path() + "/packed.big", true));
    EXPECT_EQ(big.PackedPath(), folder.path() + "/packed.big");
    EXPECT_NE(big.ReadPath(), big.PackedPath());
    EXPECT_TRUE(std::filesystem::exists(big.ReadPath()));
    EXPECT_EQ(ListNames(folder.path()).size(), 2u);
    big.Close();
    EXPECT_EQ(ListNames(folder.path()), std::vector<std::string>{"packed.big"});

    ASSERT_TRUE(big.Open(folder.path() + "/packed.big", true));
    // Reopening on another archive, and destruction, clean up as well.
    WriteArchive(folder.path() + "/plain.big", SampleEntries(), {});
    ASSERT_TRUE(big.Open(folder.path() + "/plain.big", true));
    EXPECT_EQ(ListNames(folder.path()), (std::vector<std::string>{"packed.big", "plain.big"}));
    ASSERT_TRUE(big.Open(folder.path() + "/packed.big", true));
  }
  EXPECT_EQ(ListNames(folder.path()), (std::vector<std::string>{"packed.big", "plain.big"}));
}

// Builds an archive by hand so that single fields can be broken.
struct RawArchive {
  std::vector<uint8_t> bytes;
  void Be32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = static_cast<uint8_t>(v >> (24 - 8 * i));
  }
};

RawArchive OneEntryArchive() {
  RawArchive raw;
  raw.bytes = BuildBigArchive({{"a.txt", Bytes("hello"), false}}, {});
  return raw;
}

TEST(BigArchive, RefusesBrokenFilesWithTheirMessage) {
  ScratchDir folder;
  const std::string path = folder.path() + "/bad.big";
  const std::string invalid = Text("%s ist keine gültige BIG Datei", path);
  auto expectInvalid = [&](const std::vector<uint8_t>& bytes, const char* what) {
    folder.MakeFile("bad.big", AsText(bytes));
    CQZBig big;
    EXPECT_FALSE(big.Open(path, true)) << what;
    EXPECT_EQ(big.GetLastError(), invalid) << what;
    EXPECT_EQ(big.GetEntryCount(), 0) << what;
  };
  RawArchive good = OneEntryArchive();
  folder.MakeFile("bad.big", AsText(good.bytes));
  CQZBig check;
  ASSERT_TRUE(check.Open(path, true));
  check.Close();

  expectInvalid(std::vector<uint8_t>(good.bytes.begin(), good.bytes.begin() + 15), "shorter than 16 bytes");
  RawArchive magic = good;
  magic.bytes[3] = 'G';
  expectInvalid(magic.bytes, "wrong magic");
  RawArchive length = good;
  length.Be32(4, uint32_t(good.bytes.size() + 1));
  expectInvalid(length.bytes, "archive length beyond the file in both byte orders");
  RawArchive directory = good;
  directory.Be32(12, uint32_t(good.bytes.size() + 1));
  expectInvalid(directory.bytes, "directory longer than the file");
  RawArchive offsetZero = good;
  offsetZero.Be32(16, 0);
  expectInvalid(offsetZero.bytes, "entry at offset 0");
  RawArchive beyond = good;
  beyond.Be32(20, 6);
  expectInvalid(beyond.bytes, "entry running past the end");
  RawArchive wrapping = good;
  wrapping.Be32(20, 0xFFFFFFD4u);  // 48 + length is 4 in 32 bits
  expectInvalid(wrapping.bytes, "offset plus length wrapping around 32 bits");
  RawArchive count = good;
  count.Be32(8, 0xFFFFFFFFu);
  expectInvalid(count.bytes, "more records than the file can hold");
  RawArchive unterminated = good;
  unterminated.Be32(8, 1);
  unterminated.bytes.resize(16 + 8 + 3);  // the name is cut before its NUL
  unterminated.Be32(4, 0);
  unterminated.Be32(12, 27);
  expectInvalid(unterminated.bytes, "name without its end");

  CQZBig big;
  EXPECT_FALSE(big.Open("", true));
  EXPECT_EQ(big.GetLastError(), Text("Es wurde kein Name angegeben"));
  EXPECT_FALSE(big.Open(folder.path() + "/none.big", true));
  EXPECT_EQ(big.GetLastError(), Text("Die Datei %s kann nicht zum Lesen geöffnet werden", folder.path() + "/none.big"));
}

TEST(BigArchive, SomeFailuresCloseWithoutAMessage) {
  ScratchDir folder;
  const std::string path = folder.path() + "/silent.big";
  int shown = 0;
  CQZBig big;
  big.SetMessageSink([&](const std::string&) { ++shown; });

  // A name of 259 characters is one too many for the game's directory.
  RawArchive raw;
  raw.bytes = BuildBigArchive({{std::string(258, 'n'), Bytes("data"), false}}, {});
  ASSERT_FALSE(raw.bytes.empty());
  folder.MakeFile("silent.big", AsText(raw.bytes));
  ASSERT_TRUE(big.Open(path, true));  // 258 characters are still fine
  raw.bytes.insert(raw.bytes.begin() + 16 + 8, 'n');
  raw.Be32(4, uint32_t(raw.bytes.size()));  // the length field may be big-endian
  folder.MakeFile("silent.big", AsText(raw.bytes));
  EXPECT_FALSE(big.Open(path, true));
  EXPECT_EQ(big.GetEntryCount(), 0);
  EXPECT_EQ(shown, 0);

  // A packed archive whose stream is cut short.
  std::vector<uint8_t> packed = BuildBigArchive(SampleEntries(), {false, true});
  packed.resize(packed.size() / 2);
  folder.MakeFile("silent.big", AsText(packed));
  EXPECT_FALSE(big.Open(path, true));
  EXPECT_EQ(shown, 0);
  EXPECT_TRUE(big.GetLastError().empty());
  EXPECT_EQ(ListNames(folder.path()), std::vector<std::string>{"silent.big"});  // no temporary copy left
}

TEST(BigArchive, QuietArchiveKeepsItsMessagesToItself) {
  std::vector<std::string> shown;
  CQZBig big;
  big.SetMessageSink([&](const std::string& text) { shown.push_back(text); });
  big.FindEntry("x");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], Text("BIG Archiv ist nicht geöffnet"));
  big.SetQuiet(true);
  EXPECT_FALSE(big.Open("", true));
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_EQ(big.GetLastError(), Text("Es wurde kein Name angegeben"));
}

TEST(BigArchive, PackedEntryThatDoesNotUnpackIsNotRead) {
  ScratchDir folder;
  std::vector<uint8_t> broken = {0x10, 0xFB, 0x00, 0x01, 0x00, 0xE0, 'a'};  // promises 256 bytes
  WriteArchive(folder.path() + "/a.big", {{"broken", broken, false}}, {});
  CQZBig big;
  ASSERT_TRUE(big.Open(folder.path() + "/a.big", true));
  EXPECT_EQ(big.GetEntry(0).unpackedSize, 0u);  // shorter than 8 bytes: not marked as packed
  EXPECT_FALSE(big.ReadEntry(0, true));
  EXPECT_EQ(big.ReadEntry(0, false), broken);
}

}  // namespace
}  // namespace torvale
