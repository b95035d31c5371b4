#pragma once
// The 5-year ranking of the countries, which decides the international places. Every country
// keeps six seasons of points in hundredths (index 0 the last season, 5 six seasons ago); the
// ranking total is the sum of seasons 1-5, since the last season only counts from the next
// one on (the editor calls the total "Punkte für 1. Saison").

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace torvale {

constexpr int kRankingSeasons = 6;
// The change dialog's scroll bars run from 0.00 to 20.00 points.
constexpr uint16_t kMaxSeasonPoints = 2000;
// Countries the ranking lists (when not excluded).
constexpr int kFirstRankedCountry = 1;
constexpr int kLastRankedCountry = 205;

using SeasonPoints = std::array<uint16_t, kRankingSeasons>;

// What the ranking needs of one country; the world gathers it from its countries.
struct FiveYearRankingCountry {
  int country = 0;
  std::string name;  // in the current language
  SeasonPoints points = {};
  bool excluded = false;  // the country's ranking exclusion flag
};

struct FiveYearRankingRow {
  int rank = 0;  // from 1
  int country = 0;
  uint32_t total = 0;  // hundredths
  std::string text;    // the list row, columns separated by tabs
};

// Column headings of the ranking list, in Windows-1252.
inline constexpr std::array<std::string_view, 8> kFiveYearRankingColumns = {
    "Land", "Letztes Jahr", "-2 yrs", "-3 yrs.", "-4 yrs.", "-5 yrs.", "-6 yrs.",
    "Punkte 1. Saison"};
inline constexpr std::string_view kFiveYearTotalLabel = "Punkte f\xfcr 1. Saison";

// Seasons 1-5 added up.
uint32_t FiveYearTotal(const SeasonPoints& points);

// The ranking rows: countries 1-205 without the exclusion flag, by total descending; equal
// totals list the higher country number first, so countries without points come last with
// the highest number on top.
std::vector<FiveYearRankingRow> BuildFiveYearRanking(std::span<const FiveYearRankingCountry> countries);

// "rank. name", the six seasons and the total, each in points with two decimals.
std::string FormatFiveYearRow(int rank, std::string_view name, const SeasonPoints& points);

// The change dialog: a typed value in points ("12.5", "3,25"), a comma being a decimal point
// too, to hundredths, rounded at the third decimal and held to 0-20.00. Text that is no number
// gives 0.
uint16_t ParseSeasonPoints(std::string_view text);
// A value as the change dialog shows it ("12.50").
std::string FormatSeasonPoints(uint16_t points);

}  // namespace torvale
