#include <gtest/gtest.h>

#include "exchange/kit_colours.h"
#include "exchange/text_data_file.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

class KitColours : public ::testing::Test {
 protected:
  void SetUp() override {
    list_.Load(dir_.MakeFile("TeamColour.txt", "2\n1\nWeiss,16777215\n7\nRot,255\n"));
  }
  test::ScratchDir dir_;
  CTeamColourTextFile list_{TeamColourFileSettings()};
};

TEST_F(KitColours, NumbersTheListNamesUseItsColourOthersAStableStandIn) {
  EXPECT_EQ(FindTeamColour(list_, 7), 1);
  EXPECT_FALSE(FindTeamColour(list_, 2).has_value());
  EXPECT_EQ(KitScreenColour(&list_, 7), 255u);
  EXPECT_EQ(KitColourName(&list_, 1), "Weiss");
  EXPECT_EQ(KitColourName(&list_, 40), "Farbe 40");
  EXPECT_EQ(KitScreenColour(&list_, 0), 0u);
  // Numbers the list lacks still differ from each other and stay the same from call to call.
  EXPECT_NE(KitScreenColour(&list_, 40), KitScreenColour(&list_, 41));
  EXPECT_EQ(KitScreenColour(&list_, 40), KitScreenColour(nullptr, 40));
}

TEST_F(KitColours, PreviewWordsAndChangeDetection) {
  KIT::Outfit outfit;
  outfit.shirtStyle = 12;
  outfit.shortsStyle = 3;
  outfit.socksStyle = 2;
  outfit.colours = {7, 1, 0, 0, 0, 9, 0, 0, 9, 1, 33, 0};
  const auto words = MakeKitPreviewWords(outfit, &list_);
  EXPECT_EQ(words[0], 12u);
  EXPECT_EQ(words[2], 2u);
  EXPECT_EQ(words[3], 255u);
  EXPECT_EQ(words[4], 0xFFFFFFu);
  EXPECT_EQ(words[8], KitScreenColour(&list_, 0));   // socks main: colour 6, not 5
  EXPECT_EQ(words[10], 0xFFFFFFu);                     // the shirt number: colour 9
  EXPECT_EQ(words[11], 33u);                           // passed as stored

  KitPreviewChanges changes;
  EXPECT_TRUE(changes.Changed(words, 0, 0));
  EXPECT_FALSE(changes.Changed(words, 0, 0));
  EXPECT_TRUE(changes.Changed(words, 0, 1));
  EXPECT_TRUE(changes.Changed(words, 2, 1));
  auto other = words;
  other[5] = 1;
  EXPECT_TRUE(changes.Changed(other, 2, 1));
  EXPECT_FALSE(changes.Changed(other, 2, 1));
  changes.Forget();
  EXPECT_TRUE(changes.Changed(other, 2, 1));
}

}  // namespace
}  // namespace torvale
