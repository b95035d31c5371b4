#include "world/language_list.h"

#include "platform/text_encoding.h"

namespace torvale {

namespace {

// Alphabetical, " keine" first so that it sorts before every language in the lists.
constexpr const char* kLanguageNames[kLanguageCount] = {
    " keine",
    "Afrik. Dialekt",
    "Albanisch",
    "Amharisch",
    "Arabisch",
    "Armenisch",
    "Aserbaidschanisch",
    "Bengalisch",
    "Birmanisch",
    "Bosnisch",
    "Bulgarisch",
    "Chinesisch",
    "Dänisch",
    "Deutsch",
    "Englisch",
    "Estnisch",
    "Färöisch",
    "Fidschianisch",
    "Finnisch",
    "Französisch",
    "Gälisch",
    "Georgisch",
    "Griechisch",
    "Haussa",
    "Hebräisch",
    "Hindi",
    "Indonesisch",
    "Isländisch",
    "Italienisch",
    "Japanisch",
    "Kasachisch",
    "Katalanisch",
    "Khmer",
    "Kirgisisch",
    "Koreanisch",
    "Kreolisch",
    "Kroatisch",
    "Kurdisch",
    "Lettisch",
    "Litauisch",
    "Luxemburgisch",
    "Madagassisch",
    "Malaiisch",
    "Maltesisch",
    "Maori",
    "Mazedonisch",
    "Mongolisch",
    "Nepalesisch",
    "Niederländisch",
    "Norwegisch",
    "Paschtu",
    "Persisch",
    "Polnisch",
    "Portugiesisch",
    "Rumänisch",
    "Russisch",
    "Samoanisch",
    "Schwedisch",
    "Serbisch",
    "Singhalesisch",
    "Slowakisch",
    "Slowenisch",
    "Somali",
    "Spanisch",
    "Suaheli",
    "Tadschikisch",
    "Tagalog",
    "Tamil",
    "Thailändisch",
    "Tongaisch",
    "Tschechisch",
    "Türkisch",
    "Turkmenisch",
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
