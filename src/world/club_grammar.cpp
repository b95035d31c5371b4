#include "world/club_grammar.h"

#include <array>
#include <span>

#include "platform/text_encoding.h"

namespace torvale {

namespace {

// One article of a language. Texts are UTF-8 here and turned into Windows-1252 on the way out.
struct Article {
  const char* label;    // on the editor's button
  const char* subject;  // at the start of a sentence, with its separator ("Der ", "L'")
  const char* after;    // after the language's preposition ("beim ", "à l'")
  bool plural;
};

constexpr Article kGerman[] = {
    {"der", "Der ", "beim ", false},      {"die", "Die ", "bei der ", false}, {"das", "Das ", "beim ", false},
    {"die (Pl.)", "Die ", "bei den ", true}, {"ohne", "", "bei ", false},
};
constexpr Article kEnglish[] = {
    {"the", "The ", "for the ", false},
    {"the (Pl.)", "The ", "for the ", true},
    {"ohne", "", "for ", false},
};
constexpr Article kFrench[] = {
    {"le", "Le ", "au ", false},          {"la", "La ", "à la ", false}, {"l'", "L'", "à l'", false},
    {"les", "Les ", "aux ", true},        {"ohne", "", "à ", false},
};
constexpr Article kSpanish[] = {
    {"el", "El ", "en el ", false},       {"la", "La ", "en la ", false}, {"los", "Los ", "en los ", true},
    {"las", "Las ", "en las ", true},     {"ohne", "", "en ", false},
};

struct Sentences {
  const char* subjectSingular;  // what follows the club as subject
  const char* subjectPlural;
  const char* beforePreposition;  // the sentence up to the prepositional phrase
  const char* end;
};

struct Grammar {
  std::span<const Article> articles;
  Sentences sentences;
};

constexpr Sentences kGermanSentences = {" ist Tabellenführer.", " sind Tabellenführer.", "Er spielt ", "."};
constexpr Sentences kEnglishSentences = {" is top of the league.", " are top of the league.", "He plays ", "."};
constexpr Sentences kFrenchSentences = {" est en tête du championnat.", " sont en tête du championnat.",
                                        "Il joue ", "."};
constexpr Sentences kSpanishSentences = {" es líder de la liga.", " son líderes de la liga.", "Juega ", "."};

// Language 4 has no grammar of its own in the game's tables; it shares the English one.
const Grammar& GrammarOf(int language) {
  static constexpr Grammar kGrammars[] = {
      {kGerman, kGermanSentences},
      {kEnglish, kEnglishSentences},
      {kFrench, kFrenchSentences},
      {kSpanish, kSpanishSentences},
  };
  if (language < 0 || language >= static_cast<int>(std::size(kGrammars))) return kGrammars[1];
  return kGrammars[language];
}

constexpr const char* kSentenceForms[] = {"Name", "Kurzname"};
constexpr int kSentenceFormCount = static_cast<int>(std::size(kSentenceForms));

const Article* ArticleOf(int language, int article) {
  const auto articles = GrammarOf(language).articles;
  if (article < 0 || article >= static_cast<int>(articles.size())) return nullptr;
  return &articles[static_cast<size_t>(article)];
}

uint8_t Next(uint8_t value, int count) {
  const int next = value + 1;
  return static_cast<uint8_t>(next >= count ? 0 : next);
}

}  // namespace

int ClubArticleCount(int language) { return static_cast<int>(GrammarOf(language).articles.size()); }

std::string ClubArticleLabel(int language, int article) {
  const Article* a = ArticleOf(language, article);
  return a ? Utf8ToCp1252(a->label) : "(" + std::to_string(article) + ")";
}

uint8_t NextClubArticle(int language, uint8_t article) { return Next(article, ClubArticleCount(language)); }

int ClubSentenceFormCount(int /*language*/) { return kSentenceFormCount; }

std::string ClubSentenceFormLabel(int language, int form) {
  if (form < 0 || form >= ClubSentenceFormCount(language)) return "(" + std::to_string(form) + ")";
  return Utf8ToCp1252(kSentenceForms[form]);
}

uint8_t NextClubSentenceForm(int language, uint8_t form) { return Next(form, ClubSentenceFormCount(language)); }

std::string ClubArticlePhrase(int language, int article, std::string_view text) {
  if (text.empty()) return {};
  const Article* a = ArticleOf(language, article);
  std::string label = a ? Utf8ToCp1252(a->label) : std::string();
  // The plural mark is the editor's note, not part of what the game says.
  if (const size_t mark = label.find(" ("); mark != std::string::npos) label.resize(mark);
  if (!a || *a->subject == '\0') return std::string(text);
  const bool elided = !label.empty() && label.back() == '\'';
  return label + (elided ? "" : " ") + std::string(text);
}

std::string ClubSentenceExample(int language, int example, int form, int article, std::string_view name,
                                std::string_view shortName) {
  const Grammar& grammar = GrammarOf(language);
  const std::string_view used = form == 1 && !shortName.empty() ? shortName : name;
  const Article* a = ArticleOf(language, article);
  if (example == 0) {
    const bool plural = a && a->plural;
    std::string subject = a ? Utf8ToCp1252(a->subject) : std::string();
    return subject + std::string(used) +
           Utf8ToCp1252(plural ? grammar.sentences.subjectPlural : grammar.sentences.subjectSingular);
  }
  // Without a known article the preposition stands alone: the phrase of the "no article" entry.
  const Article& prepositional = a ? *a : grammar.articles.back();
  return Utf8ToCp1252(grammar.sentences.beforePreposition) + Utf8ToCp1252(prepositional.after) +
         std::string(used) + Utf8ToCp1252(grammar.sentences.end);
}

}  // namespace torvale
