#include "world/language_list.h"

#include "platform/text_encoding.h"

namespace torvale {

namespace {

// Alphabetical, " keine" first so that it sorts before every language in the lists.
constexpr const char* kLanguageNames[kLanguageCount] = {
    " keine",
    "Afrik. Dialekt",
    "Albanisch",
    "Arabisch",
    "Armenisch",
    "Aserbaidschanisch",
    "Bengalisch",
    "Bosnisch",
    "Bulgarisch",
    "Chinesisch",
    "Dänisch",
    "Deutsch",
    "Englisch",
    "Estnisch",
    "Färöisch",
    "Finnisch",
    "Französisch",
    "Gälisch",
    "Georgisch",
    "Griechisch",
    "Hebräisch",
    "Hindi",
    "Indonesisch",
    "Isländisch",
    "Italienisch",
    "Japanisch",
    "Kasachisch",
    "Katalanisch",
    "Koreanisch",
    "Kreolisch",
    "Kroatisch",
    "Lettisch",
    "Litauisch",
    "Luxemburgisch",
    "Malaiisch",
    "Maltesisch",
    "Mazedonisch",
    "Niederländisch",
    "Norwegisch",
    "Persisch",
    "Polnisch",
    "Portugiesisch",
    "Rumänisch",
    "Russisch",
    "Schwedisch",
    "Serbisch",
    "Slowakisch",
    "Slowenisch",
    "Spanisch",
    "Suaheli",
    "Thailändisch",
    "Tschechisch",
    "Türkisch",
    "Ukrainisch",
    "Ungarisch",
    "Urdu",
    "Usbekisch",
    "Vietnamesisch",
};

}  // namespace

std::string LanguageName(int n) {
  if (n < 0 || n >= kLanguageCount) return {};
  return Utf8ToCp1252(kLanguageNames[n]);
}

}  // namespace torvale
