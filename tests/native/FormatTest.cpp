#include <gtest/gtest.h>

#include <stdexcept>

#include "support/Format.h"
#include "support/Numbers.h"
#include "support/Strings.h"
#include "support/Utf8.h"

namespace {

FormatSettings German() {
  FormatSettings settings;
  settings.ThousandSeparator = ".";
  settings.DecimalSeparator = ",";
  settings.ShortMonthNames[2] = "Mär";
  return settings;
}

TEST(Format, GroupsNumbersWithTheLocaleSeparators) {
  EXPECT_EQ(Format("%1.n bytes", {1000000.0}), "1,000,000 bytes");
  EXPECT_EQ(Format("%.2n", {1.5}), "1.50");
  EXPECT_EQ(Format("%.0n", {999.5}), "1,000");
  EXPECT_EQ(Format("%1.3n GB", {0.0019}), "0.002 GB");
  EXPECT_EQ(Format("%1.1n KB", {1234567.0 / 1024}), "1,205.6 KB");
  EXPECT_EQ(Format("Files: %1.n", {int64_t{1234}}), "Files: 1,234");
  EXPECT_EQ(Format("%1.n", {-1234.0}), "-1,234");
  EXPECT_EQ(Format("%1.2n", {-0.001}), "0.00");
  EXPECT_EQ(Format("%1.1n", {1234567.25}, German()), "1.234.567,3");
  FormatSettings noGrouping;
  noGrouping.ThousandSeparator = "";
  EXPECT_EQ(Format("%1.n", {1234567.0}, noGrouping), "1234567");
}

TEST(Format, FillsTextIntegerHexAndWidths) {
  EXPECT_EQ(Format("%s....", {std::string("C:\\Data\\")}), "C:\\Data\\....");
  EXPECT_EQ(Format("%d and %d", {int64_t{-5}, int64_t{42}}), "-5 and 42");
  EXPECT_EQ(Format("%.4x", {int64_t{0x1A}}), "001A");
  EXPECT_EQ(Format("%.4x", {int64_t{0x12345}}), "12345");
  EXPECT_EQ(IntToHex(-1, 4), "FFFFFFFF");
  EXPECT_EQ(Format("%8.2n|", {1.0}), "    1.00|");
  EXPECT_EQ(Format("100%%", {}), "100%");
}

TEST(Format, RejectsMissingAndMistypedArguments) {
  EXPECT_THROW(Format("%s", {}), std::invalid_argument);
  EXPECT_THROW(Format("%d", {1.5}), std::invalid_argument);
  EXPECT_THROW(Format("%q", {int64_t{1}}), std::invalid_argument);
  EXPECT_THROW(Format("%1.", {1.0}), std::invalid_argument);
}

TEST(Strings, TrimAndCaseTouchOnlyWhatTheySay) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(LowerCase("Readme.TXT \xC3\x84"), "readme.txt \xC3\x84");  // Ä stays
  EXPECT_EQ(UpperCase("abc-\xC3\xA4z"), "ABC-\xC3\xA4Z");
}

TEST(Utf8, CountsAndConvertsToUtf16AndBackReplacingWhatIsMalformed) {
  const std::string text = "a\xC3\xA4\xE6\x97\xA5\xF0\x9F\x98\x80";
  EXPECT_EQ(Utf16Length(text), 1 + 1 + 1 + 2);
  EXPECT_EQ(FirstCharacters("\xC3\xA4:\\rest", 3), "\xC3\xA4:\\");
  EXPECT_EQ(FirstCharacters("C:", 3), "C:");
  EXPECT_EQ(Utf8ToUtf16(text), (std::u16string{u'a', 0xE4, 0x65E5, 0xD83D, 0xDE00}));
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
  // A stray continuation, a cut sequence, an overlong form, an encoded surrogate.
  EXPECT_EQ(Utf8ToUtf16("\x80x\xE6\x97"), (std::u16string{0xFFFD, u'x', 0xFFFD, 0xFFFD}));
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF\xED\xA0\x80"), (std::u16string{0xFFFD, 0xFFFD, 0xFFFD}));
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'b', 0xDC00}), "\xEF\xBF\xBD" "b" "\xEF\xBF\xBD");
}

}  // namespace
