#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "world/player_format.h"

namespace torvale {
namespace {

TEST(PlayerFormat, HeightAndWeightInImperialUnits) {
  EXPECT_EQ(FormatHeightImperial(183), "6'0");
  EXPECT_EQ(FormatHeightImperial(150), "4'11");
  EXPECT_EQ(FormatHeightImperial(220), "7'2");
  EXPECT_EQ(FormatWeightImperial(75), "11st 11lbs");
  EXPECT_EQ(FormatWeightImperial(63), "9st 12lbs");
  EXPECT_EQ(FormatWeightImperial(6), "0st 13lbs");
  // Less than a whole pound over the stones: the stones alone.
  EXPECT_EQ(FormatWeightImperial(127), "20st");
  EXPECT_EQ(FormatWeightImperial(0), "0st");
}

TEST(PlayerFormat, MoneyWithThousandsDots) {
  const std::pair<int64_t, const char*> cases[] = {
      {0, "0"},           {999, "999"},           {1000, "1.000"},         {1005, "1.005"},
      {999999, "999.999"}, {1000000, "1.000.000"}, {2000000005, "2000.000.005"},
      {-5000, "- 5.000"},  {-7, "- 7"},            {std::numeric_limits<int32_t>::min(), "- 2147.483.648"},
      {std::numeric_limits<int64_t>::min(), "- 9223372036854.775.808"}};
  for (auto [value, text] : cases) EXPECT_EQ(FormatMoney(value), text) << value;
}

TEST(PlayerFormat, CleanName) {
  std::string name = "  Jo\tKim  ";
  EXPECT_TRUE(CleanName(name));
  EXPECT_EQ(name, "Jo Kim");
  EXPECT_FALSE(CleanName(name));

  name = "Jo\r\n\r\nKim";
  EXPECT_TRUE(CleanName(name));
  EXPECT_EQ(name, "Jo Kim");
  name = " \t\r\n ";
  EXPECT_TRUE(CleanName(name));
  EXPECT_EQ(name, "");

  char buffer[16] = " Ann   Lee ";
  EXPECT_TRUE(CleanName(buffer));
  EXPECT_STREQ(buffer, "Ann Lee");
  EXPECT_EQ(buffer[10], '\0');  // the old tail is cleared
  // A buffer filled to the last byte without a terminator is read within its size.
  char full[4] = {'a', ' ', ' ', 'b'};
  EXPECT_TRUE(CleanName(full));
  EXPECT_STREQ(full, "a b");
}

TEST(PlayerFormat, MatchWildcard) {
  struct Case {
    const char* text;
    const char* pattern;
    bool matches;
  };
  for (const Case& c : {Case{"Muster", "Muster", true}, {"Muster", "M*", true}, {"Muster", "*ster", true},
                        {"Muster", "M?ster", true},     {"Muster", "*", true},  {"Muster", "M*s*r", true},
                        {"abcbc", "a*bc", true},  // the first "bc" is not the end
                        {"", "", true},                 {"", "**", true},       {"", "?", false},
                        {"Muster", "", false},          {"Muster", "m*", false},  // case matters
                        {"Muster", "Muste", false},     {"Muster", "Muster?", false}, {"ab", "a*b*c", false}})
    EXPECT_EQ(MatchWildcard(c.text, c.pattern), c.matches) << c.text << " ~ " << c.pattern;
  // No exponential backtracking on patterns with many stars.
  EXPECT_FALSE(MatchWildcard(std::string(5000, 'a'), "*a*a*a*a*a*a*a*a*a*a*a*b"));
}

}  // namespace
}  // namespace torvale
