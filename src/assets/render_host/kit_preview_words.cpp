#include "assets/render_host/kit_preview_words.h"

#include "exchange/text_data_file.h"

namespace torvale {

uint32_t ClubColourToScreen(uint32_t colourNumber, const CTeamColourTextFile& colours) {
  for (int i = 0; i < colours.Count(); ++i)
    if (colours.GetId(i) == colourNumber) return colours.GetColour(i) & 0x00FFFFFF;
  return kUnknownClubColour;
}

RendererKitWords MakeKitPreviewWords(const KIT::Outfit& outfit, const CTeamColourTextFile& colours) {
  // Colour-number index of each screen-colour word, kKitShirtMain .. kKitNumberColour.
  static constexpr int kColourSource[] = {0, 1, 2, 3, 4, 6, 7, 9};
  static constexpr int kStoredSource = 10;

  RendererKitWords kit;
  kit.words[kKitShirtStyle] = outfit.shirtStyle;
  kit.words[kKitShortsStyle] = outfit.shortsStyle;
  kit.words[kKitSocksStyle] = outfit.socksStyle;
  for (int i = 0; i < 8; ++i)
    kit.words[kKitShirtMain + i] = ClubColourToScreen(outfit.colours[kColourSource[i]], colours);
  kit.words[kKitStoredWord] = outfit.colours[kStoredSource];
  return kit;
}

}  // namespace torvale
