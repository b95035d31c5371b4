#include <gtest/gtest.h>

#include <string>

#include "platform/text_encoding.h"
#include "world/club_editing.h"
#include "world/club_grammar.h"

namespace torvale {
namespace {

TEST(ClubGrammar, ArticleButtonsCycleBackToTheFirstInEveryLanguage) {
  for (int language = 0; language < 4; ++language) {
    const int count = ClubArticleCount(language);
    ASSERT_GE(count, 3) << language;
    uint8_t article = 0;
    for (int press = 0; press < count; ++press) article = NextClubArticle(language, article);
    EXPECT_EQ(article, 0) << language;
    uint8_t form = 0;
    for (int press = 0; press < ClubSentenceFormCount(language); ++press)
      form = NextClubSentenceForm(language, form);
    EXPECT_EQ(form, 0) << language;
  }
  // A number from a file beyond the table restarts at the first choice and is still shown.
  EXPECT_EQ(NextClubArticle(1, 9), 0);
  EXPECT_EQ(ClubArticleLabel(1, 9), "(9)");
  EXPECT_EQ(ClubArticleLabel(1, 0), "the");
}

TEST(ClubGrammar, ExamplesFollowArticleNumberAndSentenceForm) {
  EXPECT_EQ(ClubArticlePhrase(0, 0, "FC Köln"), "der FC Köln");
  EXPECT_EQ(ClubArticlePhrase(0, 3, "Kickers"), "die Kickers");  // the plural mark is not spoken
  EXPECT_EQ(ClubArticlePhrase(2, 2, "Olympique"), "l'Olympique");
  EXPECT_EQ(ClubArticlePhrase(0, 4, "Hertha BSC"), "Hertha BSC");
  EXPECT_EQ(ClubArticlePhrase(0, 0, ""), "");

  EXPECT_EQ(ClubSentenceExample(0, 1, 0, 0, "FC Beispiel", "Beispiel"), "Er spielt beim FC Beispiel.");
  EXPECT_EQ(ClubSentenceExample(0, 0, 1, 3, "Kickers Beispiel", "Kickers"),
            Utf8ToCp1252("Die Kickers sind Tabellenführer."));
  EXPECT_EQ(ClubSentenceExample(1, 0, 0, 2, "Arsenal", ""), "Arsenal is top of the league.");
  EXPECT_EQ(ClubSentenceExample(2, 1, 0, 3, "Verts", ""), "Il joue aux Verts.");
  // The short-name form falls back to the name when there is no short name.
  EXPECT_EQ(ClubSentenceExample(3, 1, 1, 0, "Real Beispiel", ""), "Juega en el Real Beispiel.");
}

TEST(ClubEditing, FoundingYearAndAssetsStayOnTheirGrid) {
  EXPECT_EQ(CorrectFoundingYear(1750), 1800);
  EXPECT_EQ(CorrectFoundingYear(2010), 2003);
  EXPECT_EQ(CorrectFoundingYear(1904), 1904);

  EXPECT_EQ(StartingAssetsAt(0), -20000000);
  EXPECT_EQ(StartingAssetsAt(200), 0);
  EXPECT_EQ(StartingAssetsAt(700), 50000000);
  EXPECT_EQ(StartingAssetsPosition(-20000000), 0);
  EXPECT_EQ(StartingAssetsPosition(0), 200);
  EXPECT_EQ(StartingAssetsPosition(149999), 201);
  EXPECT_EQ(StartingAssetsPosition(150000), 202);
  EXPECT_EQ(StartingAssetsPosition(-150000), 198);
  EXPECT_EQ(StartingAssetsPosition(INT32_MIN), 0);
  EXPECT_EQ(StartingAssetsPosition(INT32_MAX), 700);
}

TEST(ClubEditing, FacilityLevelsNameEveryLevelTheClubCheckKnows) {
  for (int f = 0; f < kFacilityCount; ++f)
    EXPECT_EQ(ClubFacilityLevelNames(static_cast<ClubFacility>(f)).size(), 5u) << f;
  EXPECT_EQ(ClubFacilityLevelNames(kClubCentre)[1], Utf8ToCp1252("Geschäftsstelle"));
  EXPECT_EQ(ClubFacilityLevelNames(kMedicalDepartment)[0], Utf8ToCp1252("Am Geländer lehnende Sanitäter"));
}

TEST(ClubEditing, TitleListsAreReadOrReported) {
  auto parsed = ParseTitleList(" 1950, 1951 ,2001");
  EXPECT_TRUE(parsed.ok);
  EXPECT_EQ(parsed.normalised, "1950,1951,2001");
  EXPECT_EQ(parsed.years.size(), 3u);
  EXPECT_TRUE(ParseTitleList("").ok);
  EXPECT_TRUE(ParseTitleList("  ").ok);

  for (const auto& [text, bad] : std::initializer_list<std::pair<const char*, const char*>>{
           {"1950;1951", "1950;1951"}, {"1950,,1951", ","}, {"1950,", ","}, {"195", "195"},
           {"1950,1799", "1799"}, {"1950,abcd", "abcd"}, {"1950 1951", "1950 1951"}}) {
    parsed = ParseTitleList(text);
    EXPECT_FALSE(parsed.ok) << text;
    EXPECT_EQ(parsed.badPart, bad) << text;
  }
}

}  // namespace
}  // namespace torvale
