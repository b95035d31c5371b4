#include "world/club_editing.h"

#include <algorithm>
#include <cctype>

#include "platform/text_encoding.h"

namespace torvale {

int CorrectFoundingYear(int year) { return std::clamp(year, kFoundingYearMin, kFoundingYearMax); }

int32_t StartingAssetsAt(int position) {
  return (std::clamp(position, 0, kAssetsPositionMax) - kAssetsZeroPosition) * kAssetsStep;
}

int StartingAssetsPosition(int32_t amount) {
  // Round half away from zero to the nearest step, in 64 bits so the extremes cannot overflow.
  const int64_t a = amount;
  const int64_t half = kAssetsStep / 2;
  const int64_t steps = a >= 0 ? (a + half) / kAssetsStep : -((-a + half) / kAssetsStep);
  return static_cast<int>(std::clamp<int64_t>(steps + kAssetsZeroPosition, 0, kAssetsPositionMax));
}

std::vector<std::string> ClubFacilityLevelNames(ClubFacility facility) {
  static const std::vector<std::vector<const char*>> kNames = {
      // kClubCentre
      {"Einfache kleine Baracke", "Geschäftsstelle", "Kleines Bürogebäude", "Großes Bürogebäude",
       "Bürogebäude mit Brunnen"},
      // kFanMerchandise
      {"Kein Fanartikelverkauf", "Verkaufsstand am Stadion", "Kleiner Fanshop", "Großer Fanshop",
       "Fan-Kaufhaus mit Versand"},
      // kMedicalDepartment
      {"Am Geländer lehnende Sanitäter", "Kleine Arztpraxis", "Arztpraxis mit Massageraum",
       "Arztpraxis mit Psychol.-Zentrum", "Krankenzentrum mit OP"},
      // kYouthCentre
      {"Keine Jugendarbeit", "Bolzplatz", "Kleines Jugendzentrum", "Jugendzentrum mit Internat",
       "Nachwuchsleistungszentrum"},
      // kTrainingGround
      {"Öffentlicher Rasenplatz", "Eigener Trainingsplatz", "Trainingsgelände", "Trainingszentrum",
       "Hochleistungszentrum"},
      // kMedia
      {"Keine Medienabteilung", "Pressesprecher", "Pressestelle", "Medienabteilung", "Vereinsfernsehen"},
      // kResearch
      {"Keine Forschung", "Videoanalyse", "Scoutingbüro", "Analyseabteilung", "Forschungszentrum"},
  };
  std::vector<std::string> names;
  if (facility < 0 || facility >= kFacilityCount) return names;
  for (const char* name : kNames[static_cast<size_t>(facility)]) names.push_back(Utf8ToCp1252(name));
  return names;
}

namespace {

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool IsYear(std::string_view part, int& year) {
  if (part.size() != 4) return false;
  year = 0;
  for (char c : part) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    year = year * 10 + (c - '0');
  }
  return year >= kTitleYearMin && year <= kTitleYearMax;
}

}  // namespace

TitleListParse ParseTitleList(std::string_view text) {
  TitleListParse result;
  if (Trim(text).empty()) return result;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(',', start);
    const std::string_view part = Trim(text.substr(start, comma == std::string_view::npos ? std::string_view::npos
                                                                                            : comma - start));
    int year = 0;
    if (!IsYear(part, year)) {
      result.ok = false;
      result.badPart = part.empty() ? std::string(",") : std::string(part);
      result.years.clear();
      result.normalised.clear();
      return result;
    }
    if (!result.normalised.empty()) result.normalised += ',';
    result.normalised += std::to_string(year);
    result.years.push_back(year);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return result;
}

}  // namespace torvale
