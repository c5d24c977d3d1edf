#include <gtest/gtest.h>

#include "support/Numbers.h"

namespace {

TEST(FixedDigits, RoundsHalvesAwayFromZeroOnTheExactValue) {
  EXPECT_EQ(FixedDigits(999.5, 0), "1000");
  EXPECT_EQ(FixedDigits(0.25, 1), "0.3");
  EXPECT_EQ(FixedDigits(0.0019, 3), "0.002");
  EXPECT_EQ(FixedDigits(-2.5, 0), "3");
  // 1.005 is stored as 1.00499999999999989...: not a half, so it rounds down.
  EXPECT_EQ(FixedDigits(1.005, 2), "1.00");
  EXPECT_EQ(FixedDigits(1e20, 0), "100000000000000000000");
}

TEST(Val, AcceptsOnlyPlainDecimalNumbers) {
  EXPECT_EQ(Val("-20"), -20);
  EXPECT_EQ(Val("+1.5e3"), 1500);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("2E-2"), 0.02);
  for (const char* bad : {"12abc", "", "-", "abc", "1,234", " 12", "12 ", "1e", "1e+", ".", "$FF", "1e999"})
    EXPECT_FALSE(Val(bad).has_value()) << bad;
}

TEST(StrToInt, TakesDecimalAndDollarHexWithin32Bits) {
  EXPECT_EQ(StrToInt("-17"), -17);
  EXPECT_EQ(StrToInt("+4"), 4);
  EXPECT_EQ(StrToInt("$E0E0FF"), 0xE0E0FF);
  EXPECT_EQ(StrToInt("$00e0e0ff"), 0xE0E0FF);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
  for (const char* bad : {"", "zz", "$", "$G", "12a", "2147483648", "-2147483649", "$100000000", " 1", "0x10"})
    EXPECT_FALSE(StrToInt(bad).has_value()) << bad;
}

}  // namespace
