#include "competition/five_year_ranking.h"

#include <algorithm>
#include <charconv>

namespace torvale {

namespace {

// Hundredths as points with two decimals ("12.50").
std::string PointsText(uint32_t hundredths) {
  char buffer[32];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, hundredths / 100.0,
                                    std::chars_format::fixed, 2);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace

uint32_t FiveYearTotal(const SeasonPoints& points) {
  uint32_t total = 0;
  for (int season = 1; season < kRankingSeasons; ++season) total += points[static_cast<size_t>(season)];
  return total;
}

std::vector<FiveYearRankingRow> BuildFiveYearRanking(
    std::span<const FiveYearRankingCountry> countries) {
  std::vector<const FiveYearRankingCountry*> listed;
  for (const FiveYearRankingCountry& c : countries)
    if (c.country >= kFirstRankedCountry && c.country <= kLastRankedCountry && !c.excluded)
      listed.push_back(&c);
  // The list is built by inserting the countries in number order, each before the countries of
  // equal total: the higher number comes first among equals.
  std::sort(listed.begin(), listed.end(), [](const auto* a, const auto* b) {
    uint32_t ta = FiveYearTotal(a->points), tb = FiveYearTotal(b->points);
    return ta != tb ? ta > tb : a->country > b->country;
  });

  std::vector<FiveYearRankingRow> rows;
  rows.reserve(listed.size());
  for (const FiveYearRankingCountry* c : listed) {
    int rank = static_cast<int>(rows.size()) + 1;
    rows.push_back({rank, c->country, FiveYearTotal(c->points), FormatFiveYearRow(rank, c->name, c->points)});
  }
  return rows;
}

std::string FormatFiveYearRow(int rank, std::string_view name, const SeasonPoints& points) {
  // The row of "%i. %s\t%2.2f\t...\t%3.2f": the widths never matter with two decimals, and
  // the numbers keep their decimal point whatever locale the program runs in.
  std::string row = std::to_string(rank) + ". ";
  row += name;
  for (uint16_t season : points) {
    row += '\t';
    row += PointsText(season);
  }
  row += '\t';
  row += PointsText(FiveYearTotal(points));
  return row;
}

uint16_t ParseSeasonPoints(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  if (i < text.size() && text[i] == '-') return 0;
  uint32_t whole = 0;
  bool digits = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    digits = true;
    whole = std::min<uint32_t>(whole * 10 + static_cast<uint32_t>(text[i] - '0'), 100000);
  }
  uint32_t hundredths = 0;
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    ++i;
    int place = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++place) {
      digits = true;
      uint32_t d = static_cast<uint32_t>(text[i] - '0');
      if (place == 0) hundredths += d * 10;
      else if (place == 1) hundredths += d;
      else if (place == 2 && d >= 5) hundredths += 1;
    }
  }
  if (!digits) return 0;
  return static_cast<uint16_t>(std::min<uint32_t>(whole * 100 + hundredths, kMaxSeasonPoints));
}

std::string FormatSeasonPoints(uint16_t points) { return PointsText(points); }

}  // namespace torvale
