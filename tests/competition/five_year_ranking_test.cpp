#include <gtest/gtest.h>

#include <vector>

#include "competition/five_year_ranking.h"

namespace torvale {
namespace {

FiveYearRankingCountry Country(int number, SeasonPoints points, bool excluded = false) {
  return {number, "Land " + std::to_string(number), points, excluded};
}

std::vector<int> Order(const std::vector<FiveYearRankingRow>& rows) {
  std::vector<int> order;
  for (const FiveYearRankingRow& row : rows) order.push_back(row.country);
  return order;
}

TEST(FiveYearRanking, OrderTiesAndExclusions) {
  std::vector<FiveYearRankingCountry> countries = {
      Country(1, {300, 0, 0, 0, 0, 0}),      // only the last season: its total is 0
      Country(3, {0, 400, 400, 0, 0, 0}),
      Country(7, {}),
      Country(9, {}),
      Country(10, {0, 900, 0, 0, 0, 0}, true),  // excluded from the ranking
      Country(14, {0, 100, 100, 100, 100, 100}),
      Country(45, {999, 500, 0, 0, 0, 0}),
      Country(205, {0, 0, 0, 0, 0, 1}),
      Country(206, {0, 1000, 0, 0, 0, 0}),      // beyond the ranked countries
  };
  std::vector<FiveYearRankingRow> rows = BuildFiveYearRanking(countries);
  // Equal totals (14 and 45: 5.00) list the higher number first; the countries without
  // points come last, again the higher number first.
  EXPECT_EQ(Order(rows), (std::vector<int>{3, 45, 14, 205, 9, 7, 1}));
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].rank, static_cast<int>(i) + 1);
  EXPECT_EQ(rows[0].total, 800u);
  EXPECT_EQ(rows[1].text, "2. Land 45\t9.99\t5.00\t0.00\t0.00\t0.00\t0.00\t5.00");
  EXPECT_EQ(rows.back().text, "7. Land 1\t3.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00");
  EXPECT_TRUE(BuildFiveYearRanking({}).empty());
}

TEST(FiveYearRanking, TypedPoints) {
  EXPECT_EQ(ParseSeasonPoints("12.5"), 1250);
  EXPECT_EQ(ParseSeasonPoints("3,25"), 325);
  EXPECT_EQ(ParseSeasonPoints(" 7"), 700);
  EXPECT_EQ(ParseSeasonPoints(",5"), 50);
  EXPECT_EQ(ParseSeasonPoints("0.005"), 1);
  EXPECT_EQ(ParseSeasonPoints("0.0049"), 0);
  EXPECT_EQ(ParseSeasonPoints("19.999"), 2000);
  EXPECT_EQ(ParseSeasonPoints("25"), kMaxSeasonPoints);
  EXPECT_EQ(ParseSeasonPoints("99999999999"), kMaxSeasonPoints);
  EXPECT_EQ(ParseSeasonPoints("-3"), 0);
  EXPECT_EQ(ParseSeasonPoints("abc"), 0);
  EXPECT_EQ(ParseSeasonPoints(""), 0);
  EXPECT_EQ(FormatSeasonPoints(1250), "12.50");
  EXPECT_EQ(FormatSeasonPoints(5), "0.05");
}

}  // namespace
}  // namespace torvale
