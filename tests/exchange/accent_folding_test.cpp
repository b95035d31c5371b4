#include "exchange/accent_folding.h"

#include <gtest/gtest.h>

#include "platform/text_encoding.h"

namespace torvale {
namespace {

std::string W(std::string_view utf8) { return Utf8ToCp1252(utf8); }

TEST(AccentFolding, LettersFoldToTheirBase) {
  EXPECT_EQ(FoldAccents(W("ÀÁÂÃÄÅ Ç ÈÉÊË ÌÍÎÏ Ð Ñ ÒÓÔÕÖØ ÙÚÛÜ ÝŸ Š Ž")),
            "AAAAAA C EEEE IIII D N OOOOOO UUUU YY S Z");
  EXPECT_EQ(FoldAccents(W("àáâãäå ç èéêë ìíîï ñ òóôõöø ùúûü ýÿ š ž")),
            "aaaaaa c eeee iiii n oooooo uuuu yy s z");
  EXPECT_EQ(FoldAccents(W("× ¡ ¢ ¿")), "x i c ?");
}

TEST(AccentFolding, QuotesDashAndLigatures) {
  EXPECT_EQ(FoldAccents(W("‘’“”`´‚„–")), "''\"\"'',\"-");
  EXPECT_EQ(FoldAccents(W("Œœ Æ ß æ")), "CEce AE ss ae");
}

TEST(AccentFolding, EverythingElseStays) {
  // Characters the lists have no plain form for, and the whole ASCII range except the grave
  // accent.
  const std::string kept = W("ð þ Þ ÷ « » € ¤ µ ‹ —");
  EXPECT_EQ(FoldAccents(kept), kept);
  for (int c = 0; c < 0x80; ++c) {
    if (c == '`') continue;
    const std::string one(1, static_cast<char>(c));
    EXPECT_EQ(FoldAccents(one), one) << c;
  }
}

TEST(AccentFolding, ComparisonFoldsBothSidesAndKeepsCase) {
  EXPECT_TRUE(FoldedEqual(W("Œrjan Ærø"), "CErjan AEro"));
  EXPECT_TRUE(FoldedEqual("CErjan AEro", W("Œrjan Ærø")));
  EXPECT_TRUE(FoldedEqual(W("Großkreutz"), "Grosskreutz"));
  EXPECT_FALSE(FoldedEqual(W("Müller"), "muller"));
  EXPECT_FALSE(FoldedEqual(W("Ærø"), "AEr"));
  EXPECT_FALSE(FoldedEqual(W("Œ"), "C"));
}

}  // namespace
}  // namespace torvale
