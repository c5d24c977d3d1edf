#include <gtest/gtest.h>

#include "app/ExportCommand.h"
#include "support/CommandLine.h"

TEST(FirstArgument, KeepsBackslashesAndDropsTheQuotesThatGroup) {
  // The Explorer verb on a drive: a backslash before the closing quote is no escape.
  EXPECT_EQ(FirstArgument(R"("C:\Program Files\Velmora.exe" "D:\")"), R"(D:\)");
  EXPECT_EQ(FirstArgument(R"(Velmora.exe   "C:\My Data\" second)"), R"(C:\My Data\)");
  EXPECT_EQ(FirstArgument(R"(Velmora.exe C:\a"b c"d)"), R"(C:\ab cd)");
  EXPECT_EQ(FirstArgument(R"("C:\Program Files\Velmora.exe")"), std::nullopt);
  EXPECT_EQ(FirstArgument("Velmora.exe \t "), std::nullopt);
}

TEST(ExportCommand, AsksForAFileOfAKnownFormatAndAtMostOneFolder) {
  EXPECT_EQ(Arguments(R"(Velmora.exe /export "C:\out\tree.JSON" D:\)"),
            (std::vector<std::string>{"/export", R"(C:\out\tree.JSON)", R"(D:\)"}));
  const auto parsed = [](const std::string& line) { return ParseExportCommand(Arguments(line)); };
  EXPECT_EQ(parsed(R"(Velmora.exe D:\data)"), std::nullopt);
  EXPECT_EQ(parsed("Velmora.exe"), std::nullopt);
  const auto json = parsed(R"(Velmora.exe /EXPORT C:\out\tree.JSON D:\)");
  const auto csv = parsed(R"(Velmora.exe -export "C:\my.folder\tree.csv")");
  ASSERT_TRUE(json && csv && std::holds_alternative<ExportCommand>(*json) &&
              std::holds_alternative<ExportCommand>(*csv));
  EXPECT_EQ(std::pair(std::get<ExportCommand>(*json).Format, std::get<ExportCommand>(*json).Folder),
            std::pair(TreeFormat::NcduJson, std::string(R"(D:\)")));
  EXPECT_EQ(std::pair(std::get<ExportCommand>(*csv).Format, std::get<ExportCommand>(*csv).Folder),
            std::pair(TreeFormat::Csv, std::string()));
  for (const char* wrong : {"Velmora.exe /export", R"(Velmora.exe /export C:\tree.txt)",
                            R"(Velmora.exe /export C:\tree.csv\x)", "Velmora.exe /export a.csv b c"}) {
    const auto error = parsed(wrong);
    EXPECT_TRUE(error && std::holds_alternative<CommandError>(*error)) << wrong;
  }
}
