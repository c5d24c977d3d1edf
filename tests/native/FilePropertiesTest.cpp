// What the file properties dialog shows of a file, from what the platform tells of it.
#include <gtest/gtest.h>

#include <tuple>

#include "FakeFileFacts.h"
#include "dialogs/FilePropertiesShown.h"

namespace {

constexpr uint32_t kArchive = 0x20, kHidden = 0x2, kReadOnly = 0x1, kCompressed = 0x800, kOffline = 0x1000,
                   kRecallOnDataAccess = 0x400000;

class FileProperties : public ::testing::Test {
 protected:
  FilePropertiesShown Show(const std::string& path) { return DescribeFile(path, facts, {}); }
  FakeFileFacts facts;
};

TEST_F(FileProperties, OfAFileFoundShowNameTypeLocationSizeTimesAndAttributes) {
  facts.Files["C:\\Data\\Report.TXT"] = {.Name = "Report.TXT",
                                        .ShortName = "REPORT~1.TXT",
                                        .Attributes = kArchive | kHidden,
                                        .Size = (uint64_t{5} << 32) + 1536,  // over 4 GB: both halves count
                                        .Created = 0,
                                        .Modified = 116444736000000000,  // 1970-01-01 00:00:00
                                        .Accessed = 116444736000000000 + 36000000000};
  const FilePropertiesShown shown = Show("C:\\Data\\Report.TXT");
  EXPECT_TRUE(shown.Found);
  EXPECT_EQ(shown.Caption, "Report.TXT properties");
  EXPECT_EQ(shown.Name, "Report.TXT");
  EXPECT_EQ(shown.ShortName, "REPORT~1.TXT");
  EXPECT_EQ(shown.Type, "TXT file");  // the shell gives no type
  EXPECT_EQ(shown.Location, "C:\\Data\\");
  EXPECT_EQ(shown.Size, "20.00 GB (21,474,838,016 bytes)");
  EXPECT_EQ(std::tuple(shown.Created, shown.Modified, shown.Accessed),
            std::tuple("(unknown)", "1970-Jan-01 00:00:00", "1970-Jan-01"));
  EXPECT_EQ(shown.Attributes, (TFileAttributes{.Hidden = true, .Archive = true}));
  EXPECT_FALSE(shown.CompressedSize);
  EXPECT_FALSE(shown.VersionTab);

  facts.Types["C:\\Data\\Report.TXT"] = "Text Document";
  facts.Files["C:\\Data\\Report.TXT"].ShortName.clear();
  facts.Versions["C:\\Data\\Report.TXT"] = {.Present = true, .Block = {}};  // there, but unreadable
  const FilePropertiesShown again = Show("C:\\Data\\Report.TXT");
  EXPECT_EQ(again.Type, "Text Document");
  EXPECT_EQ(again.ShortName, "Report.TXT");  // without a short name, the long one
  EXPECT_TRUE(again.VersionTab);  // with nothing on it
  EXPECT_FALSE(again.Version);
}

TEST_F(FileProperties, ACompressedFileShowsItsCompressedSizeWhenThePlatformHasIt) {
  facts.Files["C:\\z.bin"] = {.Name = "z.bin", .Attributes = kCompressed | kReadOnly, .Size = 1 << 20};
  FilePropertiesShown shown = Show("C:\\z.bin");
  EXPECT_EQ(shown.Attributes, (TFileAttributes{.ReadOnly = true, .Compressed = true}));
  EXPECT_FALSE(shown.CompressedSize);  // the size cannot be had: the box alone says it
  facts.CompressedSizes["C:\\z.bin"] = uint64_t{2} << 30;
  EXPECT_EQ(Show("C:\\z.bin").CompressedSize, "2,048.00 MB (2,147,483,648 bytes)");
}

TEST_F(FileProperties, AnOnlineOnlyFileIsNeverOpenedYetShowsTheRestAndSaysSo) {
  facts.Files["C:\\local.docx"] = {.Name = "local.docx", .Attributes = kArchive};
  EXPECT_FALSE(Show("C:\\local.docx").OnlineOnly);
  EXPECT_EQ(facts.VersionReads.size(), 1u);
  EXPECT_EQ(facts.ShellAttributes, (std::vector<std::optional<uint32_t>>{std::nullopt}));  // the file's own icon
  for (const uint32_t elsewhere : {kOffline, kRecallOnDataAccess}) {
    facts.VersionReads.clear();
    facts.ShellAttributes.clear();
    facts.Files["C:\\cloud.dll"] = {.Name = "cloud.dll", .Attributes = elsewhere | kArchive, .Size = 1536};
    facts.Versions["C:\\cloud.dll"] = {.Present = true};
    const FilePropertiesShown shown = Show("C:\\cloud.dll");
    EXPECT_TRUE(shown.OnlineOnly);
    EXPECT_TRUE(facts.VersionReads.empty());
    EXPECT_FALSE(shown.VersionTab);
    // The shell goes by the name and attributes: its type's icon, not the file's.
    EXPECT_EQ(facts.ShellAttributes, (std::vector<std::optional<uint32_t>>{elsewhere | kArchive}));
    EXPECT_EQ(std::tuple(shown.Size, shown.Type, shown.Attributes.Archive),
              std::tuple("1.50 KB (1,536 bytes)", "DLL file", true));
  }
}

}  // namespace
