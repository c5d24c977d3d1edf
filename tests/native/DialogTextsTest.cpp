#include <gtest/gtest.h>

#include "VersionBlockBuilder.h"
#include "dialogs/AboutTexts.h"
#include "dialogs/FilePropertyTexts.h"
#include "support/FilePaths.h"

namespace {

TEST(FilePropertyTexts, KeysTheFirstTranslationEntry) {
  const std::pair<std::vector<uint8_t>, std::optional<std::string>> cases[] = {
      {{}, std::nullopt}, {{0x09}, std::nullopt}, {{0x09, 0x04}, "04090000"}, {{0x09, 0x04, 0xE4}, std::nullopt},
      {TranslationBytes({{0x0809, 0x04E4}}), "080904E4"}, {TranslationBytes({{0, 0}, {0x0809, 0x04E4}}), "00000000"},
      {TranslationBytes({{0xABCD, 0x00EF}}), "ABCD00EF"}};
  for (const auto& [value, key] : cases) EXPECT_EQ(TranslationKey(value), key) << value.size();
}

TEST(FilePropertyTexts, VersionPageTakesLabelsAndNonEmptyOthersInFixedOrder) {
  VersionNode root = StandardBlock({}, {{"04090000", {{"ProductVersion", "2.0"}, {"InternalName", ""},
                                                      {"Comments", "Note"}, {"FileVersion", "2.0.1"},
                                                      {"CompanyName", "Quillfen"}, {"Other", "not listed"}}}},
                                   {0x09, 0x04});
  const std::vector<uint8_t> bytes = Serialize(root);
  const std::optional<VersionPageTexts> texts = ReadVersionPageTexts(VersionBlock(bytes));
  ASSERT_TRUE(texts);
  std::vector<std::pair<std::string, std::string>> labels, others;
  for (const VersionItem& item : texts->Labels) labels.emplace_back(item.Key, item.Value);
  for (const VersionItem& item : texts->Others) others.emplace_back(item.Key, item.Value);
  EXPECT_EQ(labels, (decltype(labels){{"LegalCopyright", ""}, {"FileDescription", ""}, {"FileVersion", "2.0.1"}}));
  EXPECT_EQ(others, (decltype(others){{"Comments", "Note"}, {"CompanyName", "Quillfen"}, {"ProductVersion", "2.0"}}));

  root.Children.pop_back();  // no translation table
  EXPECT_FALSE(ReadVersionPageTexts(VersionBlock(Serialize(root))));
  EXPECT_FALSE(ReadVersionPageTexts(VersionBlock()));
}

TEST(FilePropertyTexts, SizesChangeUnitAtEachThreshold) {
  const std::pair<uint64_t, const char*> sizes[] = {
      {0, "0 bytes (0 bytes)"}, {1023, "1,023 bytes (1,023 bytes)"}, {1024, "1.00 KB (1,024 bytes)"},
      {1536, "1.50 KB (1,536 bytes)"}, {1048575, "1,024.00 KB (1,048,575 bytes)"},
      {1048576, "1.00 MB (1,048,576 bytes)"}, {1073741824, "1.00 GB (1,073,741,824 bytes)"},
      {5905580032, "5.50 GB (5,905,580,032 bytes)"}};
  for (const auto& [bytes, text] : sizes) EXPECT_EQ(FileSizeText(bytes), text);
  const std::pair<uint64_t, const char*> compressed[] = {
      {1023, "1023 bytes (1,023 bytes)"}, {1024, "1.00 KB (1,024 bytes)"},
      {2147483648, "2,048.00 MB (2,147,483,648 bytes)"}, {5368709120, "5,120.00 MB (5,368,709,120 bytes)"}};
  for (const auto& [bytes, text] : compressed) EXPECT_EQ(CompressedSizeText(bytes), text);
  FormatSettings german;
  german.ThousandSeparator = ".";
  EXPECT_EQ(CompressedSizeText(1000, german), "1000 bytes (1.000 bytes)");
}

TEST(FilePropertyTexts, FileTimesAreUtcFromTheEpochOn) {
  const std::pair<uint64_t, const char*> times[] = {
      {0, "(unknown)"}, {1, "1601-Jan-01 00:00:00"}, {10000000, "1601-Jan-01 00:00:01"},
      {94353120000000000 - 10000000, "1899-Dec-29 23:59:59"}, {94353120000000000, "1899-Dec-30 00:00:00"},
      {116444736000000000, "1970-Jan-01 00:00:00"}, {125963012960000000 + 9999999, "2000-Feb-29 12:34:56"},
      {2650467743990000000, "9999-Dec-31 23:59:59"}, {0x7FFFFFFFFFFFFFFF, "30828-Sep-14 02:48:05"}};
  for (const auto& [fileTime, text] : times) EXPECT_EQ(FormatFileTime(fileTime), text);
  FormatSettings german;
  german.ShortMonthNames[2] = "M\xC3\xA4r";
  EXPECT_EQ(FormatFileDate(126284475090000000, german), "2001-M\xC3\xA4r-07");
  EXPECT_EQ(FormatFileDate(0), "(unknown)");
}

TEST(FilePropertyTexts, TypeFallsBackToTheExtensionAndLocationIsTheFolder) {
  EXPECT_EQ(FileTypeText("", "C:\\a\\archive.tar.Gz"), "GZ file");
  EXPECT_EQ(FileTypeText("", "C:\\a.b\\Makefile"), " file");
  EXPECT_EQ(FileTypeText("", "C:\\a\\name."), " file");
  EXPECT_EQ(ExtractFilePath("C:\\Data\\a.txt"), "C:\\Data\\");
  EXPECT_EQ(ExtractFilePath("C:a.txt"), "C:");
  EXPECT_EQ(ExtractFilePath("a.txt"), "");
}

TEST(AboutTexts, CaptionVersionLineAndWebAddress) {
  EXPECT_EQ(AboutCaption("Velmora"), "About Quillfen's Velmora");
  EXPECT_EQ(AboutVersionLine("C:\\Program Files\\App\\APP.EXE", "1.2.3.4", "C"), "APP.EXE, V1.2.3.4, C");
  EXPECT_EQ(AboutVersionLine("Z:\\work\\Velmora.exe", "", ""), "Velmora.exe, V, ");
  const std::pair<const char*, std::optional<std::string>> addresses[] = {
      {"", std::nullopt}, {"www.example.org", "http://www.example.org"}, {"http://x.org", "http://x.org"},
      {"see http://x", "see http://x"}, {"HTTP://x", "http://HTTP://x"}, {"https://x", "http://https://x"}};
  for (const auto& [text, opened] : addresses) EXPECT_EQ(WebAddressToOpen(text), opened) << text;
}

}  // namespace
