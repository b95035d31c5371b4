#pragma once
// How the game puts a club into its sentences, per database language: the article in front of
// the club's name and its fans' names, and the sentence form, which says whether the commentary
// and the news use the full name or the short name. The club stores only the numbers; these
// tables give the numbers their meaning, their wrap-around when the editor cycles them, and
// the example phrases the editor shows so the user hears what the game will say.

#include <cstdint>
#include <string>
#include <string_view>

namespace torvale {

// The article choices of a language ("der", "die", ..., the last one "no article").
int ClubArticleCount(int language);
// The button text of an article choice (Windows-1252); "(n)" for a number the language lacks,
// so a value from a file is still shown rather than hidden.
std::string ClubArticleLabel(int language, int article);
// The next choice, back to the first after the last (and for any number out of range).
uint8_t NextClubArticle(int language, uint8_t article);

// Sentence forms: 0 the full name, 1 the short name.
int ClubSentenceFormCount(int language);
std::string ClubSentenceFormLabel(int language, int form);
uint8_t NextClubSentenceForm(int language, uint8_t form);

// "der FC Beispiel": the article (if any) in front of the text; empty for an empty text.
std::string ClubArticlePhrase(int language, int article, std::string_view text);

// The example sentences of the preview: 0 the club as subject ("Der FC Beispiel ist
// Tabellenführer."), 1 after a preposition ("Er spielt beim FC Beispiel."). The sentence form
// picks the full or the short name (the full name when the short name is empty).
constexpr int kClubSentenceExamples = 2;
std::string ClubSentenceExample(int language, int example, int form, int article, std::string_view name,
                                std::string_view shortName);

}  // namespace torvale
