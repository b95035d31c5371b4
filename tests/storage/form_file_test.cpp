#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "storage/form_chunk_file.h"
#include "storage/form_reader.h"
#include "storage/form_writer.h"
#include "storage/pack.h"
#include "support/file_bytes.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

using test::ReadBytes;
using test::ReadText;
using test::AsText;
using test::ListNames;
using test::ScratchDir;

std::vector<uint8_t> Payload(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> out(size);
  // Half text-like repetition, half noise: both the copy and the literal paths of the codec.
  for (size_t i = 0; i < size; ++i) out[i] = (i / 64) % 2 ? uint8_t(random()) : uint8_t('a' + (i % 7));
  return out;
}

void PutLe32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = static_cast<uint8_t>(v >> (8 * i));
}

std::vector<CFormChunk> ReadAll(const std::string& path) {
  CFormReader reader;
  std::vector<CFormChunk> chunks;
  if (!reader.Open(path)) return chunks;
  while (auto chunk = reader.ReadNextChunk()) chunks.push_back(std::move(*chunk));
  return chunks;
}

TEST(FormFile, EmptyFileIsJustTheHeaderAndYieldsNoChunk) {
  ScratchDir folder;
  const std::string path = folder.path() + "/empty.zdb";
  {
    CFormWriter writer;
    ASSERT_TRUE(writer.Open(path));
  }  // the destructor closes
  EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{'F', 'O', 'R', 'M', 8, 0, 0, 0}));
  CFormReader reader;
  ASSERT_TRUE(reader.Open(path));
  EXPECT_EQ(reader.Length(), 8u);
  EXPECT_FALSE(reader.ReadNextChunk());
  EXPECT_FALSE(reader.ReadNextChunk());
}

TEST(FormFile, ManyChunksReadBackIdentical) {
  ScratchDir folder;
  const std::string path = folder.path() + "/world.zdb";
  std::vector<CFormChunk> written;
  CFormWriter writer;
  ASSERT_TRUE(writer.Open(path));
  for (uint32_t i = 0; i < 250; ++i) {
    CFormChunk chunk;
    chunk.tagIndex = i % kFormTagCount;
    chunk.data = Payload(i == 17 ? 300000 : 1 + (i * 37) % 2000, i);
    ASSERT_TRUE(writer.WriteChunk(chunk.tagIndex, chunk.data.data(), chunk.data.size())) << i;
    written.push_back(std::move(chunk));
  }
  const uint64_t length = writer.Length();
  ASSERT_TRUE(writer.Close());
  EXPECT_EQ(std::filesystem::file_size(path), length);

  CFormReader reader;
  ASSERT_TRUE(reader.Open(path));
  uint32_t lastPosition = reader.Position();
  for (const CFormChunk& expected : written) {
    auto chunk = reader.ReadNextChunk();
    ASSERT_TRUE(chunk);
    EXPECT_EQ(chunk->tagIndex, expected.tagIndex);
    ASSERT_EQ(chunk->Size(), expected.Size());
    EXPECT_TRUE(chunk->data == expected.data);
    EXPECT_GT(reader.Position(), lastPosition);
    lastPosition = reader.Position();
  }
  EXPECT_FALSE(reader.ReadNextChunk());
  EXPECT_EQ(reader.Position(), reader.Length());

  // Chunks are stored as tag, packed length and an LZ block.
  const std::vector<uint8_t> bytes = ReadBytes(path);
  EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), std::string(4, '\0'));
  EXPECT_EQ(bytes[16], 0x10);
  EXPECT_EQ(bytes[17], 0xFB);
}

TEST(FormFile, WriterRefusesWhatItCannotWrite) {
  ScratchDir folder;
  const std::string path = folder.path() + "/a.zdb";
  CFormWriter writer;
  const uint8_t byte = 1;
  EXPECT_FALSE(writer.WriteChunk(kFormTagCountry, &byte, 1));  // nothing open
  EXPECT_FALSE(writer.Open(""));
  EXPECT_FALSE(writer.Open(folder.path() + "/missing/a.zdb"));
  ASSERT_TRUE(writer.Open(path));
  EXPECT_FALSE(writer.WriteChunk(kFormTagCountry, &byte, 0));
  EXPECT_FALSE(writer.WriteChunk(kFormTagCountry, nullptr, 1));
  EXPECT_FALSE(writer.WriteChunk(kFormTagCount, &byte, 1));
  EXPECT_FALSE(writer.WriteFileChunk(kFormTagCountry, 1, folder.path() + "/missing.sav"));
  EXPECT_FALSE(writer.WriteFileChunk(kFormTagCountry, 1, folder.path()));
  EXPECT_EQ(writer.Length(), 8u);
  EXPECT_TRUE(writer.Close());
  EXPECT_FALSE(writer.Close());
  EXPECT_EQ(std::filesystem::file_size(path), 8u);
}

TEST(FormFile, ArchiveAppearsOnlyWhenClosed) {
  ScratchDir folder;
  const std::string path = folder.path() + "/default.zdb";
  folder.MakeFile("default.zdb", "old archive");
  CFormWriter writer;
  ASSERT_TRUE(writer.Open(path));
  const std::vector<uint8_t> data = Payload(5000, 1);
  ASSERT_TRUE(writer.WriteChunk(kFormTagBadge, data.data(), data.size()));
  EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{'o', 'l', 'd', ' ', 'a', 'r', 'c', 'h', 'i', 'v', 'e'}));
  ASSERT_TRUE(writer.Close());
  EXPECT_EQ(ReadAll(path).size(), 1u);
  EXPECT_EQ(ListNames(folder.path()), std::vector<std::string>{"default.zdb"});  // no temporary file left
}

TEST(FormFile, FileChunkCarriesNumberAndFileBytes) {
  ScratchDir folder;
  folder.MakeFile("country14.sav", "%INDEX%VERSION\r\n");
  CFormWriter writer;
  ASSERT_TRUE(writer.Open(folder.path() + "/a.zdb"));
  ASSERT_TRUE(writer.WriteFileChunk(kFormTagCountry, 14, folder.path() + "/Country14.sav"));
  ASSERT_TRUE(writer.Close());
  const std::vector<CFormChunk> chunks = ReadAll(folder.path() + "/a.zdb");
  ASSERT_EQ(chunks.size(), 1u);
  EXPECT_EQ(chunks[0].tagIndex, kFormTagCountry);
  const std::string expected = std::string("\x0e\0\0\0", 4) + "%INDEX%VERSION\r\n";
  EXPECT_EQ(std::string(chunks[0].data.begin(), chunks[0].data.end()), expected);
}

// A file of three chunks, for breaking in different ways.
std::vector<uint8_t> ThreeChunkFile(ScratchDir& folder, std::vector<size_t>* chunkStarts) {
  CFormWriter writer;
  EXPECT_TRUE(writer.Open(folder.path() + "/three.zdb"));
  for (uint32_t i = 0; i < 3; ++i) {
    chunkStarts->push_back(writer.Length());
    const std::vector<uint8_t> data = Payload(100 + i, i);
    EXPECT_TRUE(writer.WriteChunk(kFormTagCountry, data.data(), data.size()));
  }
  EXPECT_TRUE(writer.Close());
  return ReadBytes(folder.path() + "/three.zdb");
}

TEST(FormFile, TruncatedOrMislabelledFilesBehaveAsTheGameExpects) {
  ScratchDir folder;
  std::vector<size_t> starts;
  const std::vector<uint8_t> good = ThreeChunkFile(folder, &starts);
  const std::string path = folder.path() + "/broken.zdb";
  CFormReader reader;

  std::vector<uint8_t> cut(good.begin(), good.end() - 5);
  folder.MakeFile("broken.zdb", AsText(cut));
  EXPECT_FALSE(reader.Open(path)) << "cut short, stored length still the old one";
  PutLe32(cut, 4, uint32_t(cut.size()));
  folder.MakeFile("broken.zdb", AsText(cut));
  EXPECT_EQ(ReadAll(path).size(), 2u) << "cut short with the length cut too: the chunks before the cut";

  for (int delta : {-1, 1}) {
    std::vector<uint8_t> off = good;
    PutLe32(off, 4, uint32_t(int64_t(good.size()) + delta));
    folder.MakeFile("broken.zdb", AsText(off));
    EXPECT_FALSE(reader.Open(path)) << "length one byte off";
  }
  std::vector<uint8_t> magic = good;
  magic[0] = 'f';
  folder.MakeFile("broken.zdb", AsText(magic));
  EXPECT_FALSE(reader.Open(path));
  folder.MakeFile("broken.zdb", AsText(std::vector<uint8_t>{'F', 'O', 'R', 'M', 7, 0, 0}));
  EXPECT_FALSE(reader.Open(path));
  EXPECT_FALSE(reader.Open(folder.path() + "/none.zdb"));
  EXPECT_FALSE(reader.ReadNextChunk());

  // A zero chunk length, and a chunk whose packed block is damaged, end the reading there.
  std::vector<uint8_t> zero = good;
  PutLe32(zero, starts[1] + 4, 0);
  folder.MakeFile("broken.zdb", AsText(zero));
  EXPECT_EQ(ReadAll(path).size(), 1u);
  std::vector<uint8_t> damaged = good;
  damaged[starts[1] + 9] = 0x00;  // not the packed-block marker
  folder.MakeFile("broken.zdb", AsText(damaged));
  ASSERT_TRUE(reader.Open(path));
  EXPECT_TRUE(reader.ReadNextChunk());
  EXPECT_FALSE(reader.ReadNextChunk());
  EXPECT_FALSE(reader.ReadNextChunk()) << "the reading stays ended";
}

TEST(FormFile, ForgedLengthsAllocateNothingLarge) {
  ScratchDir folder;
  // One country chunk after a FORM header with the right total length.
  auto readChunk = [&](std::vector<uint8_t> file) {
    file.insert(file.begin(), {'F', 'O', 'R', 'M', 0, 0, 0, 0, 'C', 'O', 'U', 'N'});
    PutLe32(file, 4, uint32_t(file.size()));
    folder.MakeFile("forged.zdb", AsText(file));
    return ReadAll(folder.path() + "/forged.zdb");
  };
  // A chunk claiming more packed bytes than the file holds.
  EXPECT_TRUE(readChunk({0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0xFB, 0, 0, 1, 0xFD, 'x'}).empty());
  // A seven-byte block claiming 4 GiB - 1 unpacked bytes.
  EXPECT_TRUE(readChunk({7, 0, 0, 0, 0x90, 0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFC}).empty());
  // A block that honestly says what its commands produce is fine: one literal 'a' carried by
  // a copy of 7 bytes from distance 1, then the end command.
  const std::vector<CFormChunk> chunks = readChunk({9, 0, 0, 0, 0x10, 0xFB, 0, 0, 8, 0x11, 0x00, 'a', 0xFC});
  ASSERT_EQ(chunks.size(), 1u);
  EXPECT_EQ(std::string(chunks[0].data.begin(), chunks[0].data.end()), "aaaaaaaa");
}

TEST(FormFile, TagsOutsideTheTableReadAsIndexZero) {
  ScratchDir folder;
  CFormWriter writer;
  ASSERT_TRUE(writer.Open(folder.path() + "/tags.zdb"));
  const uint8_t data[] = {1, 2, 3};
  ASSERT_TRUE(writer.WriteChunk(kFormTagKit, data, 3));
  ASSERT_TRUE(writer.WriteChunk(kFormTagPicture, data, 3));
  ASSERT_TRUE(writer.Close());
  std::vector<uint8_t> bytes = ReadBytes(folder.path() + "/tags.zdb");
  EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "KIT ");
  bytes[8] = 'X';  // "XIT " is no tag of ours
  folder.MakeFile("tags.zdb", AsText(bytes));
  const std::vector<CFormChunk> chunks = ReadAll(folder.path() + "/tags.zdb");
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_EQ(chunks[0].tagIndex, kFormTagNone);
  EXPECT_EQ(chunks[1].tagIndex, kFormTagPicture);

  const uint8_t kit[4] = {'K', 'I', 'T', ' '};
  const uint8_t lowerCase[4] = {'c', 'o', 'u', 'n'};
  EXPECT_EQ(FormTagIndex(kit), kFormTagKit);
  EXPECT_EQ(FormTagIndex(lowerCase), kFormTagNone);
}

// ---------------------------------------------------------------- chunks as files

CFormChunk Named(uint32_t tag, const std::string& name, const std::string& content) {
  CFormChunk chunk;
  chunk.tagIndex = tag;
  chunk.data.assign(name.begin(), name.end());
  chunk.data.push_back(0);
  chunk.data.insert(chunk.data.end(), content.begin(), content.end());
  return chunk;
}

CFormChunk Country(uint32_t number, const std::string& content) {
  CFormChunk chunk;
  chunk.tagIndex = kFormTagCountry;
  for (int i = 0; i < 4; ++i) chunk.data.push_back(static_cast<uint8_t>(number >> (8 * i)));
  chunk.data.insert(chunk.data.end(), content.begin(), content.end());
  return chunk;
}


struct Install {
  ScratchDir root;
  FormChunkFolders folders{root.path() + "/db", root.path() + "/badges", root.path() + "/picture"};
  Install() {
    std::filesystem::create_directories(folders.database);
    std::filesystem::create_directories(folders.badges);
  }
};

TEST(FormChunkFile, EachKindLandsInItsFolder) {
  Install install;
  ASSERT_TRUE(WriteChunkAsFile(Country(14, "germany"), install.folders));
  EXPECT_EQ(ReadText(install.root.path() + "/db/Country14.sav"), "germany");
  ASSERT_TRUE(WriteChunkAsFile(Country(14, "replaced"), install.folders));
  EXPECT_EQ(ReadText(install.root.path() + "/db/Country14.sav"), "replaced");

  // Badge and picture folders are made as needed; backslashes separate like slashes.
  ASSERT_TRUE(WriteChunkAsFile(Named(kFormTagBadge, "GROUP/Badge180/X.TGA", "tga"), install.folders));
  EXPECT_EQ(ReadText(install.root.path() + "/badges/GROUP/Badge180/X.TGA"), "tga");
  ASSERT_TRUE(WriteChunkAsFile(Named(kFormTagPicture, "faces\\p1.tga", "face"), install.folders));
  EXPECT_EQ(ReadText(install.root.path() + "/picture/faces/p1.tga"), "face");
  FormChunkFolders slashed = install.folders;
  slashed.pictures += "/";
  ASSERT_TRUE(WriteChunkAsFile(Named(kFormTagPicture, "p2.tga", "face"), slashed));
  EXPECT_EQ(ReadText(install.root.path() + "/picture/p2.tga"), "face");

  // An existing file of another letter case is the one replaced, as on the game's file system.
  install.root.MakeFile("badges/other/badge14/x.tga", "old");
  ASSERT_TRUE(WriteChunkAsFile(Named(kFormTagBadge, "OTHER/Badge14/X.TGA", "new"), install.folders));
  EXPECT_EQ(ReadText(install.root.path() + "/badges/other/badge14/x.tga"), "new");
  EXPECT_EQ(ListNames(install.root.path() + "/badges/other/badge14"), std::vector<std::string>{"x.tga"});
}

TEST(FormChunkFile, RefusesChunksThatCannotBeWrittenSafely) {
  Install install;
  EXPECT_FALSE(WriteChunkAsFile(Country(0, "x"), install.folders));
  EXPECT_FALSE(WriteChunkAsFile(Country(207, "x"), install.folders));
  EXPECT_FALSE(WriteChunkAsFile(Country(14, ""), install.folders)) << "a country file without content";
  CFormChunk shortCountry;
  shortCountry.tagIndex = kFormTagCountry;
  shortCountry.data = {14, 0};
  EXPECT_FALSE(WriteChunkAsFile(shortCountry, install.folders));
  for (uint32_t tag : {kFormTagNone, kFormTagClub, kFormTagPlayer, kFormTagKit})
    EXPECT_FALSE(WriteChunkAsFile(Named(tag, "a.tga", "x"), install.folders)) << tag;

  for (const char* name : {"", "../escape.tga", "GROUP/../../escape.tga", "/tmp/escape.tga", "\\escape.tga",
                           "C:escape.tga", "c:\\escape.tga", "GROUP//X.TGA", "GROUP/./X.TGA"})
    EXPECT_FALSE(WriteChunkAsFile(Named(kFormTagBadge, name, "x"), install.folders)) << name;
  EXPECT_FALSE(WriteChunkAsFile(Named(kFormTagBadge, "GROUP/EMPTY.TGA", ""), install.folders));
  CFormChunk unterminated;
  unterminated.tagIndex = kFormTagPicture;
  unterminated.data = {'a', '.', 't', 'g', 'a'};
  EXPECT_FALSE(WriteChunkAsFile(unterminated, install.folders));

  // A folder inside the badge folder that is a link to somewhere else is not followed.
  ScratchDir outside;
  std::filesystem::create_directory_symlink(outside.path(), install.folders.badges + "/link");
  EXPECT_FALSE(WriteChunkAsFile(Named(kFormTagBadge, "link/Badge180/X.TGA", "x"), install.folders));
  EXPECT_FALSE(WriteChunkAsFile(Named(kFormTagBadge, "LINK/X.TGA", "x"), install.folders));
  EXPECT_TRUE(ListNames(outside.path()).empty());
  EXPECT_EQ(ListNames(install.root.path()), (std::vector<std::string>{"badges", "db"}));
}

TEST(FormChunkFile, DataFileNeedsPathDataAndFolders) {
  ScratchDir folder;
  const uint8_t byte = 'x';
  EXPECT_FALSE(WriteChunkDataFile("", &byte, 1, true));
  EXPECT_FALSE(WriteChunkDataFile(folder.path() + "/a", nullptr, 1, true));
  EXPECT_FALSE(WriteChunkDataFile(folder.path() + "/a", &byte, 0, true));
  EXPECT_FALSE(WriteChunkDataFile(folder.path() + "/new/a", &byte, 1, false));
  EXPECT_TRUE(WriteChunkDataFile(folder.path() + "/new/deeper/a", &byte, 1, true));
  EXPECT_EQ(ReadText(folder.path() + "/new/deeper/a"), "x");
}

}  // namespace
}  // namespace torvale
