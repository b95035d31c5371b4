#include <gtest/gtest.h>

#include "assets/badge_chunks.h"
#include "assets/badge_lookup.h"
#include "assets/badge_path.h"
#include "assets/badge_sets.h"
#include "assets/big_archive.h"
#include "assets/big_writer.h"
#include "assets/tga_image.h"
#include "assets/tga_writer.h"
#include "platform/text_encoding.h"
#include "storage/form_chunk_file.h"
#include "storage/form_reader.h"
#include "storage/form_writer.h"
#include "support/file_bytes.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

using test::AsText;
using test::ListNames;
using test::ScratchDir;

std::vector<uint8_t> SolidTga(int size, uint8_t shade) {
  TgaImage image;
  image.width = image.height = size;
  image.pixels.assign(size_t(size) * size_t(size) * 3, shade);
  return EncodeTga(image, true);
}

uint32_t DibWidth(const std::vector<uint8_t>& dib) {
  return dib.size() < 22 ? 0 : dib[18] | (dib[19] << 8) | (dib[20] << 16) | (uint32_t(dib[21]) << 24);
}

// A badge folder and a badge archive side by side, as in an installation.
struct BadgeInstall {
  ScratchDir root;
  CQZBig archive;
  BadgeRoots roots{root.path() + "/badges", &archive};

  void AddFile(const std::string& badgePath, int size, uint8_t shade = 0x40) {
    std::string relative = "badges/" + badgePath;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    root.MakeFile(relative, AsText(SolidTga(size, shade)));
  }
  // Every size of `badgePath` except `skip` (0: none) goes into the archive, packed.
  static void AddToArchive(std::vector<BigWriterEntry>& entries, const std::string& badgePath, int skip = 0) {
    for (int size : kBadgeSizes)
      if (size != skip) entries.push_back({BadgeArchiveName(BadgePathForSize(badgePath, size)), SolidTga(size, 0xC0), true});
  }
  void OpenArchive(const std::vector<BigWriterEntry>& entries) {
    ASSERT_TRUE(WriteBigArchive(root.path() + "/badges.big", entries, {}));
    ASSERT_TRUE(archive.Open(root.path() + "/badges.big", true));
  }
};

TEST(BadgePath, TemplatesAndSizeNames) {
  EXPECT_EQ(MakeBadgeTemplate("group\\Badge180\\x.tga"), "GROUP/Badge%d/X.TGA");
  EXPECT_EQ(MakeBadgeTemplate("a\\badge180\\badge180.tga"), "A/Badge%d/Badge%d.TGA");
  EXPECT_EQ(MakeBadgeTemplate(""), "");
  EXPECT_EQ(FormatBadgeTemplate("GROUP/Badge%d/X.TGA", 48), "GROUP/Badge48/X.TGA");
  EXPECT_EQ(FormatBadgeTemplate("100%S/Badge%d/%N.TGA", 14), "100%S/Badge14/%N.TGA");  // no printf surprises

  EXPECT_EQ(BadgePathForSize("Grp\\BADGE180\\Badge180.tga", 74), "Grp\\Badge74\\Badge180.tga");
  EXPECT_EQ(BadgePathForSize("Grp\\Badge18\\x.tga", 74), "");
  EXPECT_EQ(BadgeDisplayName("Grp\\Badge180\\St. Pauli.tga"), "St. Pauli");
}

TEST(BadgeLookup, CompletenessLooksInTheFolderThenTheArchive) {
  BadgeInstall install;
  const std::string full = "Deutschland\\Badge180\\Hamburg.tga";
  const std::string mixed = "Deutschland\\Badge180\\Bremen.tga";
  const std::string broken = "Deutschland\\Badge180\\Kiel.tga";
  for (int size : kBadgeSizes) install.AddFile(BadgePathForSize(full, size), size);
  for (int size : {180, 74, 48}) install.AddFile(BadgePathForSize(mixed, size), size);
  for (int size : {180, 74, 14}) install.AddFile(BadgePathForSize(broken, size), size);
  std::vector<BigWriterEntry> entries;
  entries.push_back({BadgeArchiveName(BadgePathForSize(mixed, 14)), SolidTga(14, 1), false});
  install.OpenArchive(entries);

  EXPECT_TRUE(IsBadgeComplete(install.roots, full));
  EXPECT_TRUE(IsBadgeComplete(install.roots, "deutschland\\badge180\\HAMBURG.TGA"));
  EXPECT_TRUE(IsBadgeComplete(install.roots, mixed)) << "the 14-pixel image from the archive";
  EXPECT_FALSE(IsBadgeComplete(install.roots, broken)) << "no 48-pixel image anywhere";
  EXPECT_FALSE(IsBadgeComplete(install.roots, "Deutschland\\Badge74\\Hamburg.tga"));
  EXPECT_FALSE(IsBadgeComplete(install.roots, ""));

  // Without an open archive only the folder counts, and nothing is reported per lookup.
  int messages = 0;
  install.archive.SetMessageSink([&](const std::string&) { ++messages; });
  install.archive.Close();
  EXPECT_TRUE(IsBadgeComplete(install.roots, full));
  EXPECT_FALSE(IsBadgeComplete(install.roots, mixed));
  EXPECT_EQ(messages, 0);

  const std::vector<std::string> lines =
      MissingBadgeLines(install.roots, {{"Hamburger SV", full}, {"Werder", mixed}, {"Ohne", ""}});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], Utf8ToCp1252("Der Verein Werder benutzt ein nicht vorhandenes Wappen mit dem Dateinamen "
                                   "Deutschland\\Badge180\\Bremen.tga."));
}

TEST(BadgeLookup, ImagesComeFromTheFolderBeforeTheArchive) {
  BadgeInstall install;
  const std::string both = "Spanien\\Badge180\\Madrid.tga";
  const std::string archiveOnly = "Spanien\\Badge180\\Sevilla.tga";
  const std::string brokenInFolder = "Spanien\\Badge180\\Bilbao.tga";
  install.AddFile(both, 2);
  install.root.MakeFile("badges/Spanien/Badge180/Bilbao.tga", "not an image");
  std::vector<BigWriterEntry> entries;
  for (const std::string& path : {both, archiveOnly, brokenInFolder})
    entries.push_back({BadgeArchiveName(path), SolidTga(3, 0x80), true});
  install.OpenArchive(entries);

  EXPECT_EQ(DibWidth(LoadBadgeImage(install.roots, both)), 2u);
  EXPECT_EQ(DibWidth(LoadBadgeImage(install.roots, "spanien/badge180/MADRID.TGA")), 2u);
  EXPECT_EQ(DibWidth(LoadBadgeImage(install.roots, archiveOnly)), 3u) << "unpacked from the archive";
  EXPECT_EQ(DibWidth(LoadBadgeImage(install.roots, brokenInFolder)), 3u) << "an unreadable file falls back";
  EXPECT_TRUE(LoadBadgeImage(install.roots, "Spanien\\Badge180\\Cadiz.tga").empty());
  EXPECT_TRUE(LoadBadgeImage(install.roots, "").empty());
  EXPECT_TRUE(LoadBadgeImage(install.roots, "Spanien\\Badge180").empty()) << "a folder, not an image";
  EXPECT_EQ(ReadBadgeFile(install.roots, archiveOnly), SolidTga(3, 0x80));
  EXPECT_EQ(ReadBadgeFile(install.roots, both), SolidTga(2, 0x40));
}

TEST(BadgeChunks, ExportedSizesImportIntoAnotherBadgeFolder) {
  BadgeInstall install;
  const std::string badge = "Italien\\Badge180\\Roma.tga";
  for (int size : {180, 48, 14}) install.AddFile(BadgePathForSize(badge, size), size, uint8_t(size));
  CFormWriter writer;
  ASSERT_TRUE(writer.Open(install.root.path() + "/export.zdb"));
  EXPECT_EQ(CBadge(install.roots.folder, MakeBadgeTemplate(badge)).WriteChunks(writer), 3);
  EXPECT_EQ(CBadge(install.roots.folder, MakeBadgeTemplate("")).WriteChunks(writer), 0);
  ASSERT_TRUE(writer.Close());

  CFormReader reader;
  ASSERT_TRUE(reader.Open(install.root.path() + "/export.zdb"));
  ScratchDir elsewhere;
  const FormChunkFolders folders{elsewhere.path() + "/db", elsewhere.path() + "/badges", elsewhere.path() + "/picture"};
  std::vector<std::string> names;
  while (auto chunk = reader.ReadNextChunk()) {
    EXPECT_EQ(chunk->tagIndex, kFormTagBadge);
    names.emplace_back(reinterpret_cast<const char*>(chunk->data.data()));
    EXPECT_TRUE(WriteChunkAsFile(*chunk, folders));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"ITALIEN/Badge180/ROMA.TGA", "ITALIEN/Badge48/ROMA.TGA",
                                             "ITALIEN/Badge14/ROMA.TGA"}));
  const BadgeRoots imported{folders.badges, nullptr};
  EXPECT_EQ(ReadBadgeFile(imported, "Italien\\Badge48\\Roma.tga"), SolidTga(48, 48));
  EXPECT_FALSE(IsBadgeComplete(imported, badge));  // the 74-pixel image never existed
}

TEST(BadgeSets, GroupsFromFolderAndArchiveMatchCountriesByEightCharacters) {
  BadgeInstall install;
  install.AddFile("Deutschland\\Badge180\\Hamburg.tga", 1);
  install.AddFile("Deutschland\\Badge180\\Bremen.TGA", 1);
  install.AddFile("DEUTSCHLAND_alt\\badge180\\Altona.tga", 1);
  install.AddFile("Eigene Vereine\\Badge180\\Mein Verein.tga", 1);
  install.AddFile(".hidden\\Badge180\\x.tga", 1);
  install.root.MakeFile("badges/Leer/Badge180/notes.txt", "no image");
  install.root.MakeFile("badges/Leer/Badge74/x.tga", "only another size");
  std::vector<BigWriterEntry> entries;
  BadgeInstall::AddToArchive(entries, "Deutschland\\Badge180\\Hamburg.tga");  // also in the folder
  BadgeInstall::AddToArchive(entries, "Deutschland\\Badge180\\Berlin.tga");
  BadgeInstall::AddToArchive(entries, "Espana\\Badge180\\Madrid.tga");
  BadgeInstall::AddToArchive(entries, "Eigene Vereine 2\\Badge180\\Zweiter.tga");
  entries.push_back({"Badges\\lose.tga", SolidTga(1, 0), false});
  entries.push_back({"Badges\\Deutschland\\Badge180\\readme.txt", {}, false});
  install.OpenArchive(entries);

  std::vector<std::string> countries(207);
  countries[14] = "Deutschland";
  countries[45] = "Spanien";
  countries[60] = "Espanol-Land";  // shares no 8 characters with "Espana"
  const std::vector<BadgeGroup> groups = CollectBadgeSets(install.roots, countries);

  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[0].name, "Deutschland");
  EXPECT_EQ(groups[0].country, 14);
  EXPECT_EQ(groups[0].folders, (std::vector<std::string>{"Deutschland", "DEUTSCHLAND_alt"}));
  EXPECT_EQ(groups[0].badges, (std::vector<std::string>{"Deutschland\\Badge180\\Bremen.TGA",
                                                        "Deutschland\\Badge180\\Hamburg.tga",
                                                        "DEUTSCHLAND_alt\\badge180\\Altona.tga",
                                                        "Deutschland\\Badge180\\Berlin.tga"}));
  EXPECT_EQ(groups[1].name, "Eigene Vereine");
  EXPECT_EQ(groups[1].country, 0);
  EXPECT_EQ(groups[1].badges, (std::vector<std::string>{"Eigene Vereine\\Badge180\\Mein Verein.tga",
                                                        "Eigene Vereine 2\\Badge180\\Zweiter.tga"}));
  EXPECT_EQ(groups[2].name, "Espana");
  EXPECT_EQ(groups[2].badges, std::vector<std::string>{"Espana\\Badge180\\Madrid.tga"});

  const BadgeSelection current = FindBadgeSelection(groups, "deutschland_ALT\\Badge180\\altona.TGA");
  EXPECT_EQ(current.group, 0);
  EXPECT_EQ(current.badge, 2);
  EXPECT_EQ(FindBadgeSelection(groups, "Eigene Vereine\\Badge180\\Fehlt.tga").badge, -1);
  EXPECT_EQ(FindBadgeSelection(groups, "Eigene Vereine\\Badge180\\Fehlt.tga").group, 1);
  EXPECT_EQ(FindBadgeSelection(groups, "").group, -1);
  EXPECT_EQ(FindBadgeSelection(groups, "Nirgends\\Badge180\\x.tga").group, -1);

  install.archive.Close();
  const std::vector<BadgeGroup> folderOnly = CollectBadgeSets(install.roots, countries);
  ASSERT_EQ(folderOnly.size(), 2u);
  EXPECT_EQ(folderOnly[0].badges.size(), 3u);
}

}  // namespace
}  // namespace torvale
