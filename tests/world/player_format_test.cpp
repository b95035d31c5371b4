#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

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
  EXPECT_EQ(FormatMoney(0), "0");
  EXPECT_EQ(FormatMoney(999), "999");
  EXPECT_EQ(FormatMoney(1000), "1.000");
  EXPECT_EQ(FormatMoney(1005), "1.005");
  EXPECT_EQ(FormatMoney(999999), "999.999");
  EXPECT_EQ(FormatMoney(1000000), "1.000.000");
  EXPECT_EQ(FormatMoney(1234567), "1.234.567");
  EXPECT_EQ(FormatMoney(2000000005), "2000.000.005");
  EXPECT_EQ(FormatMoney(-5000), "- 5.000");
  EXPECT_EQ(FormatMoney(-7), "- 7");
  EXPECT_EQ(FormatMoney(std::numeric_limits<int32_t>::min()), "- 2147.483.648");
  EXPECT_EQ(FormatMoney(std::numeric_limits<int64_t>::min()), "- 9223372036854.775.808");
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
  EXPECT_TRUE(MatchWildcard("Muster", "Muster"));
  EXPECT_TRUE(MatchWildcard("Muster", "M*"));
  EXPECT_TRUE(MatchWildcard("Muster", "*ster"));
  EXPECT_TRUE(MatchWildcard("Muster", "M?ster"));
  EXPECT_TRUE(MatchWildcard("Muster", "*"));
  EXPECT_TRUE(MatchWildcard("Muster", "M*s*r"));
  EXPECT_TRUE(MatchWildcard("abcbc", "a*bc"));   // the first "bc" is not the end
  EXPECT_TRUE(MatchWildcard("", ""));
  EXPECT_TRUE(MatchWildcard("", "**"));
  EXPECT_FALSE(MatchWildcard("", "?"));
  EXPECT_FALSE(MatchWildcard("Muster", ""));
  EXPECT_FALSE(MatchWildcard("Muster", "m*"));   // case matters
  EXPECT_FALSE(MatchWildcard("Muster", "Muste"));
  EXPECT_FALSE(MatchWildcard("Muster", "Muster?"));
  EXPECT_FALSE(MatchWildcard("ab", "a*b*c"));
  // No exponential backtracking on patterns with many stars.
  EXPECT_FALSE(MatchWildcard(std::string(5000, 'a'), "*a*a*a*a*a*a*a*a*a*a*a*b"));
}

}  // namespace
}  // namespace torvale
