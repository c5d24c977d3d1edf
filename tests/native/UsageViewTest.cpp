#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "FakeFileSystem.h"
#include "app/UsageView.h"
#include "support/Numbers.h"

namespace {

std::vector<std::string> Texts(const std::vector<TPieLine>& lines) {
  std::vector<std::string> texts;
  for (const TPieLine& line : lines) texts.push_back(line.Text);
  return texts;
}

const TFolderData& Entry(const TFolderList& level, std::string_view name) {
  for (const TFolderData* entry : level.Entries())
    if (entry->Name() == name) return *entry;
  throw std::runtime_error("no entry " + std::string(name));
}

// C:\ with a free-space entry of 1 GiB, a file, and a sub-folder holding a file and
// an empty folder; clusters of 512 bytes.
class UsageView : public ::testing::Test {
 protected:
  UsageView() {
    fs.AddFile("C:\\Readme.TXT", 5);
    fs.AddFile("C:\\Windows\\System.DAT", 1536);
    fs.AddFolder("C:\\Windows\\Empty");
    root.Reset("C:\\");
    root.AddFile("(C: free space)", -1073741824.0, -1073741824.0);
    root.Scan(cancel, 512, false, nullptr, fs);
  }
  std::vector<std::string> Lines(const TFolderList& level, uint8_t units, uint8_t mode = kModeNominal) {
    return Texts(UsageLines(level, units, mode));
  }
  const TFolderList& Windows() { return *Entry(root, "\\Windows").SubList; }

  FakeFileSystem fs;
  TFolderList root;
  bool cancel = false;
};

TEST_F(UsageView, LinesGiveValueThreeBlanksAndTheLowerCasedNameInEachUnitAndMeasure) {
  EXPECT_EQ(Lines(root, kUnitsBytes),
            (std::vector<std::string>{"-1073741824   (c: free space)", "  5   readme.txt", "1536   \\windows"}));
  EXPECT_EQ(Lines(root, kUnitsKB), (std::vector<std::string>{"-1048576.0   (c: free space)", "0.0   readme.txt",
                                                             "1.5   \\windows"}));
  EXPECT_EQ(Lines(root, kUnitsMB)[2], "0.00   \\windows");
  EXPECT_EQ(Lines(root, kUnitsGB), (std::vector<std::string>{"-1.000   (c: free space)", "0.000   readme.txt",
                                                             "0.000   \\windows"}));
  EXPECT_EQ(Lines(Windows(), kUnitsMB), (std::vector<std::string>{"0.00   ..", "0.00   system.dat", "0.00   \\empty"}));
  const auto lines = UsageLines(root, kUnitsBytes, kModeNominal);
  EXPECT_EQ(lines[1].Object, &Entry(root, "Readme.TXT"));
  // Other measures; a count keeps bytes in the total; unknown codes give nominal bytes.
  EXPECT_EQ(Lines(root, kUnitsBytes, kModeAllocated)[1], "512   readme.txt");
  EXPECT_EQ(Lines(root, kUnitsBytes, kModeSlack),
            (std::vector<std::string>{"  0   (c: free space)", "507   readme.txt", "  0   \\windows"}));
  EXPECT_EQ(Lines(root, kUnitsCount), (std::vector<std::string>{"  1   (c: free space)", "  1   readme.txt",
                                                                "  1   \\windows"}));
  EXPECT_EQ(Lines(Windows(), kUnitsCount)[0], "  0   ..");
  EXPECT_EQ(LevelTexts(root, kUnitsCount, kModeAllocated, {}).Panels[0], "2,048 bytes");
  EXPECT_EQ(Lines(root, 7, 9), Lines(root, kUnitsBytes, kModeNominal));
  EXPECT_EQ(LevelTexts(root, 200, 250, {}).Panels[0], "1,541 bytes");
}

TEST(UsageLines, NumbersAreStrsAndValuesWhatReadingThemGivesInEveryUnitAndMeasure) {
  // Sizes about every rounding step of the shown decimals (halves included), huge
  // ones, and a negative free-space entry: the numbers are written in integers, and
  // the chart sorts by the values, whose order of equal values reading the texts gave.
  TFolderList level("C:\\");
  level.AddFile("free", -1073741824.0 * 3 - 1, -1073741824.0);
  for (const double step : {1.0, 1024.0 / 20, 1048576.0 / 200, 1073741824.0 / 2000})
    for (int k = 0; k < 60; ++k)
      for (const double offset : {-1.0, 0.0, 1.0}) {
        const double size = std::floor(step * k) + offset;
        if (size >= 0) level.AddFile("f", size, size + 512);
      }
  level.AddFile("huge", 9007199254740991.0, 4503599627370497.0);
  level.AddFile("fraction", 2047.5, 4096);  // no value: the chart reads the text
  const double divisors[] = {1, 1024, 1048576, 1073741824, 1};
  for (uint8_t units = kUnitsBytes; units <= kUnitsCount; ++units)
    for (const uint8_t mode : {kModeNominal, kModeAllocated, kModeSlack})
      for (const TPieLine& line : UsageLines(level, units, mode)) {
        const auto& entry = *static_cast<const TFolderData*>(line.Object);
        const double amount = units == kUnitsCount    ? entry.FileCount
                              : mode == kModeAllocated ? entry.Allocated
                              : mode == kModeSlack     ? entry.Slack()
                                                       : entry.Nominal;
        const std::string number = Str(amount / divisors[units], 3, units == kUnitsCount ? 0 : units);
        ASSERT_TRUE(line.Text.starts_with(number + "   ")) << line.Text << " for " << number;
        const bool whole = amount == std::floor(amount);
        ASSERT_EQ(line.Value, whole ? ParsePieLine(line.Text).value().Value : std::optional<double>()) << line.Text;
      }
}

TEST_F(UsageView, StatusTextsUseTheLocale) {
  UsageTexts texts = LevelTexts(root, kUnitsKB, kModeNominal, {});
  EXPECT_EQ(texts.Panels, (std::array<std::string, 4>{"1.5 KB", "Files: 2", "Folders: 2", "C:\\...."}));
  EXPECT_EQ(texts.Caption, "Velmora - C:\\");
  EXPECT_EQ(texts.MaxPathCaption, "Max path: 21");
  EXPECT_EQ(texts.MaxPathHint, "Maximum characters in file name is 21 at C:\\Windows\\System.DAT");

  TFolderList big("D:\\");
  big.AddFile("huge", 1234567890123.0, 1234567890123.0);
  FormatSettings german;
  german.ThousandSeparator = ".";
  german.DecimalSeparator = ",";
  // AddFile totals count until the next scan resets them.
  EXPECT_EQ(LevelTexts(big, kUnitsBytes, kModeNominal, german).Panels[0], "1.234.567.890.123 bytes");
  EXPECT_EQ(LevelTexts(big, kUnitsMB, kModeNominal, german).Panels[0], "1.177.375,69 MB");
  EXPECT_EQ(LevelTexts(big, kUnitsGB, kModeNominal, {}).Panels[0], "1,149.781 GB");
}

TEST_F(UsageView, AnEmptyFolderShowsOnlyWayUpAndZeros) {
  const TFolderList& empty = *Entry(Windows(), "\\Empty").SubList;
  EXPECT_EQ(Lines(empty, kUnitsBytes), std::vector<std::string>{"  0   .."});
  const UsageTexts texts = LevelTexts(empty, kUnitsKB, kModeNominal, {});
  EXPECT_EQ(texts.Panels, (std::array<std::string, 4>{"0.0 KB", "Files: 0", "Folders: 0", "C:\\Windows\\Empty\\...."}));
  EXPECT_EQ(texts.MaxPathCaption, "Max path: 0");
}

TEST_F(UsageView, OpeningAnEntryGoesDownIntoFoldersAndElseUp) {
  const TFolderList& windows = Windows();
  EXPECT_EQ(LevelToOpen(&Entry(root, "\\Windows")), &windows);
  EXPECT_EQ(LevelToOpen(&Entry(windows, "System.DAT")), &root);
  EXPECT_EQ(LevelToOpen(&Entry(windows, "..")), &root);
  EXPECT_EQ(LevelToOpen(&Entry(root, "Readme.TXT")), nullptr);
  EXPECT_EQ(LevelToOpen(&Entry(root, "(C: free space)")), nullptr);
  EXPECT_EQ(LevelToOpen(nullptr), nullptr);
}

}  // namespace
