#include <gtest/gtest.h>

#include <filesystem>

#include "storage/form_chunk_file.h"
#include "support/file_bytes.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

using test::ReadBytes;
using test::AsText;
using test::ListNames;
using test::ScratchDir;

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

std::string Read(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadBytes(path);
  return {bytes.begin(), bytes.end()};
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
  EXPECT_EQ(Read(install.root.path() + "/db/Country14.sav"), "germany");
  ASSERT_TRUE(WriteChunkAsFile(Country(14, "replaced"), install.folders));
  EXPECT_EQ(Read(install.root.path() + "/db/Country14.sav"), "replaced");

  // Badge and picture folders are made as needed; backslashes separate like slashes.
  ASSERT_TRUE(WriteChunkAsFile(Named(kFormTagBadge, "GROUP/Badge180/X.TGA", "tga"), install.folders));
  EXPECT_EQ(Read(install.root.path() + "/badges/GROUP/Badge180/X.TGA"), "tga");
  ASSERT_TRUE(WriteChunkAsFile(Named(kFormTagPicture, "faces\\p1.tga", "face"), install.folders));
  EXPECT_EQ(Read(install.root.path() + "/picture/faces/p1.tga"), "face");
  FormChunkFolders slashed = install.folders;
  slashed.pictures += "/";
  ASSERT_TRUE(WriteChunkAsFile(Named(kFormTagPicture, "p2.tga", "face"), slashed));
  EXPECT_EQ(Read(install.root.path() + "/picture/p2.tga"), "face");

  // An existing file of another letter case is the one replaced, as on the game's file system.
  install.root.MakeFile("badges/other/badge14/x.tga", "old");
  ASSERT_TRUE(WriteChunkAsFile(Named(kFormTagBadge, "OTHER/Badge14/X.TGA", "new"), install.folders));
  EXPECT_EQ(Read(install.root.path() + "/badges/other/badge14/x.tga"), "new");
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
  EXPECT_EQ(Read(folder.path() + "/new/deeper/a"), "x");
}

}  // namespace
}  // namespace torvale
