#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "exchange/text_data_file.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

// A data folder with its language subfolder "ger", where the tables live.
class TextDataFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text) { return folder_.MakeFile("ger/" + name, text); }
  std::string Missing() const { return folder_.path() + "/ger/missing.txt"; }

  test::ScratchDir folder_;
};

using Entries = std::vector<std::pair<uint32_t, std::string>>;

// Every entry of a loaded table as id and text.
Entries EntriesOf(const CBaseTextFile& file) {
  Entries entries;
  for (int i = 0; i < file.Count(); ++i) entries.emplace_back(file.GetId(i), std::string(file.GetText(i)));
  return entries;
}

TEST_F(TextDataFileTest, FacesHaveALeadingNoneEntryAndIdsAfterTheText) {
  CBaseTextFile faces(FaceFileSettings());
  EXPECT_TRUE(faces.Load(Write("faceIDs.txt", "2\r\nGesicht A\r\n17\r\nGesicht B\r\n23\r\n")));
  EXPECT_EQ(EntriesOf(faces), (Entries{{0, " nicht vorhanden"}, {17, "Gesicht A"}, {23, "Gesicht B"}}));
  EXPECT_TRUE(faces.ContainsId(23));
  EXPECT_FALSE(faces.ContainsId(24));
}

TEST_F(TextDataFileTest, ShoesTakeTheIdFirstAndKeepLongTextsShort) {
  CBaseTextFile shoes(ShoeFileSettings());
  const std::string longText(300, 'x');
  shoes.Load(Write("shoe.txt", "2\n3\nModel A\nabc\n" + longText + "\n"));
  // The malformed number reads as 0.
  EXPECT_EQ(EntriesOf(shoes), (Entries{{3, "Model A"}, {0, std::string(128, 'x')}}));
}

TEST_F(TextDataFileTest, MissingFilesGiveNumberedDefaults) {
  CBaseTextFile faces(FaceFileSettings());
  EXPECT_FALSE(faces.Load(Missing()));
  ASSERT_EQ(faces.Count(), 1000);
  EXPECT_EQ(faces.GetId(0), 0u);
  EXPECT_EQ(faces.GetText(0), "");  // the default text, not the none text
  EXPECT_EQ(faces.GetId(999), 999u);
  EXPECT_TRUE(faces.ContainsId(999));
  EXPECT_FALSE(faces.ContainsId(1000));

  CTeamColourTextFile colours(TeamColourFileSettings());
  colours.Load(Write("TeamColour.txt", "1\n1\nRot,5\n"));
  colours.Load(Missing());
  ASSERT_EQ(colours.Count(), 30);
  EXPECT_EQ(colours.GetId(0), 0u);
  EXPECT_EQ(colours.GetColour(1), 0u);
  EXPECT_EQ(colours.GetId(29), 29u);
}

TEST_F(TextDataFileTest, CountsBeyondTheCapacityOrTheFileAreCut) {
  std::string text = "9\n";
  for (int i = 1; i <= 9; ++i) text += std::to_string(100 + i) + "\nSchuh " + std::to_string(i) + "\n";
  CBaseTextFile shoes(ShoeFileSettings());
  shoes.Load(Write("shoe.txt", text));
  EXPECT_EQ(shoes.Count(), 5);
  EXPECT_TRUE(shoes.ContainsId(105));
  EXPECT_FALSE(shoes.ContainsId(106));

  // With the none entry one place is taken: 500 - 1 entries from the file at most.
  std::string speech = "600\n";
  for (int i = 1; i <= 600; ++i) speech += std::to_string(i) + "\nSatz\n";
  CBaseTextFile speeches(ClubSpeechFileSettings());
  speeches.Load(Write("clubSpeechIDs.txt", speech));
  EXPECT_EQ(speeches.Count(), 500);
  EXPECT_EQ(speeches.GetId(499), 499u);
  EXPECT_FALSE(speeches.ContainsId(500));

  // A file shorter than its count keeps only the entries it has.
  CBaseTextFile shortFile(ShoeFileSettings());
  shortFile.Load(Write("shoe.txt", "4\n1\nA\n2\nB\n"));
  EXPECT_EQ(shortFile.Count(), 2);

  // An empty list contains only the id 0.
  CBaseTextFile empty(ShoeFileSettings());
  EXPECT_TRUE(empty.ContainsId(0));
  EXPECT_FALSE(empty.ContainsId(1));
  empty.Load(Write("shoe.txt", "0\n"));
  EXPECT_EQ(empty.Count(), 0);
  EXPECT_TRUE(empty.ContainsId(0));
}

TEST_F(TextDataFileTest, TeamColoursSplitOffTheColourNumber) {
  CTeamColourTextFile colours(TeamColourFileSettings());
  colours.Load(Write("TeamColour.txt", "4\r\n1\r\nColour A,255\r\n2\r\nBlau\r\n3\r\n,,,\r\n4\r\n\r\n"));
  EXPECT_EQ(EntriesOf(colours), (Entries{{1, "Colour A"}, {2, "Blau"}, {3, ",,,"}, {4, ""}}));
  EXPECT_EQ(colours.GetColour(0), 255u);
  EXPECT_EQ(colours.GetColour(1), 0u);
  EXPECT_EQ(colours.GetColour(2), 0u);
}

TEST_F(TextDataFileTest, StadiumModelsAndTheWholeSetOfTables) {
  Write("StadiumList.txt", "; models\r\n3\r\nArena\r\n4\r\n1\r\n;x\r\nKessel\r\n7\r\n0\r\n");
  Write("shoe.txt", "1\n7\nSchuh\n");
  Write("TeamColour.txt", "1\n9\nGelb,3\n");
  CTextDataTables tables;
  tables.Load(folder_.path());
  EXPECT_EQ(tables.shoes.GetId(0), 7u);
  EXPECT_EQ(tables.faces.Count(), 1000);  // missing: defaults
  EXPECT_EQ(tables.speeches.Count(), 500);
  EXPECT_EQ(tables.teamColours.GetColour(0), 3u);
  EXPECT_EQ(tables.secondTeamColours.GetText(0), "Gelb");
  const auto& models = tables.stadiumModels.Models();
  ASSERT_EQ(models.size(), 2u);  // the count promised three
  EXPECT_EQ(models[0].name, "Arena");
  EXPECT_EQ(models[0].model, 4);
  EXPECT_TRUE(models[0].flag);
  EXPECT_EQ(models[1].name, "Kessel");
  EXPECT_EQ(tables.stadiumModels.FindModel(7), 1);
  EXPECT_EQ(tables.stadiumModels.FindModel(5), -1);

  CStadiumList none;
  EXPECT_FALSE(none.Load(Missing()));
  EXPECT_TRUE(none.Models().empty());
}

}  // namespace
}  // namespace torvale
