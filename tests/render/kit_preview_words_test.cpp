#include <gtest/gtest.h>

#include "assets/render_host/kit_preview_words.h"
#include "exchange/text_data_file.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

TEST(KitPreviewWords, StylesPassAndColourNumbersBecomeScreenColoursOfTheClubList) {
  test::ScratchDir scratch;
  CTeamColourTextFile colours(TeamColourFileSettings());
  ASSERT_TRUE(colours.Load(scratch.MakeFile("TeamColour.txt", "3\n1\nWeiss,16777215\n7\nRot,255\n9\nBlau,16711680\n")));

  KIT::Outfit outfit;
  outfit.shirtStyle = 42;
  outfit.shortsStyle = 13;
  outfit.socksStyle = 4;
  // shirt 7, 1, 9 | shorts 9, 1, (7) | socks 1, 7, (9) | number 9, stored 55, (1)
  outfit.colours = {7, 1, 9, 9, 1, 7, 1, 7, 9, 9, 55, 1};
  const RendererKitWords kit = MakeKitPreviewWords(outfit, colours);

  EXPECT_EQ(kit.words[kKitShirtStyle], 42u);
  EXPECT_EQ(kit.words[kKitShortsStyle], 13u);
  EXPECT_EQ(kit.words[kKitSocksStyle], 4u);
  EXPECT_EQ(kit.words[kKitShirtMain], 255u);
  EXPECT_EQ(kit.words[kKitShirtSecond], 16777215u);
  EXPECT_EQ(kit.words[kKitShirtTrim], 16711680u);
  EXPECT_EQ(kit.words[kKitShortsMain], 16711680u);
  EXPECT_EQ(kit.words[kKitShortsSecond], 16777215u);
  EXPECT_EQ(kit.words[kKitSocksMain], 16777215u);
  EXPECT_EQ(kit.words[kKitSocksSecond], 255u);
  EXPECT_EQ(kit.words[kKitNumberColour], 16711680u);
  EXPECT_EQ(kit.words[kKitStoredWord], 55u);  // as stored, not looked up

  // A number the list does not know (a new club's 0, an old file's 63) shows grey.
  outfit.colours[0] = 0;
  outfit.colours[1] = 63;
  const RendererKitWords unknown = MakeKitPreviewWords(outfit, colours);
  EXPECT_EQ(unknown.words[kKitShirtMain], kUnknownClubColour);
  EXPECT_EQ(unknown.words[kKitShirtSecond], kUnknownClubColour);
}

}  // namespace
}  // namespace torvale
