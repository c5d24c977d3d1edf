#include <gtest/gtest.h>

#include "support/CommandLine.h"

TEST(FirstArgument, KeepsBackslashesAndDropsTheQuotesThatGroup) {
  // The Explorer verb on a drive: a backslash before the closing quote is no escape.
  EXPECT_EQ(FirstArgument(R"("C:\Program Files\Velmora.exe" "D:\")"), R"(D:\)");
  EXPECT_EQ(FirstArgument(R"(Velmora.exe   "C:\My Data\" second)"), R"(C:\My Data\)");
  EXPECT_EQ(FirstArgument(R"(Velmora.exe C:\a"b c"d)"), R"(C:\ab cd)");
  EXPECT_EQ(FirstArgument(R"("C:\Program Files\Velmora.exe")"), std::nullopt);
  EXPECT_EQ(FirstArgument("Velmora.exe \t "), std::nullopt);
}
