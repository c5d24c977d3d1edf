#include <gtest/gtest.h>

#include <memory>

#include "FakeVersionSeams.h"
#include "VersionBlockBuilder.h"
#include "dialogs/VersionInfo.h"

namespace {

constexpr char kExe[] = "C:\\Program Files\\Velmora\\Velmora.exe";
using Pairs = std::vector<std::pair<std::string, std::string>>;

const StringTable kEnglishUK = {  // the predefined strings in TPreDef order, then one more
    "080904E4",
    {{"CompanyName", "Quillfen"}, {"FileDescription", "Disk usage"}, {"FileVersion", "1.0 beta"},
     {"InternalName", "VLM"}, {"LegalCopyright", "(C) Quillfen"}, {"LegalTrademarks", ""},
     {"OriginalFilename", "Velmora.exe"}, {"ProductName", "Velmora"}, {"ProductVersion", "1.0"},
     {"Comments", "2001 Jul 04"}, {"BuildFlags", "from the table"}, {"Web site", "www.example.org"}}};

class VersionInfo : public ::testing::Test {
 protected:
  void SetBlock(std::vector<StringTable> tables, std::vector<uint8_t> translation, uint32_t flags = 0) {
    const FixedFileInfo info{FixedFileInfo::kSignature, 0, 0x10002, 0x30004, 0x50006, 0x70008, 0, flags};
    source.Blocks[kExe] = Serialize(StandardBlock(info, tables, std::move(translation)));
  }

  FakeVersionSource source;
  TvlxVersionInfoResource reader{source};
};

TEST_F(VersionInfo, ReadsOnLoadedThenOnEveryFilenameWriteAndOnForceEXEChanges) {
  source.InExecutable = false;
  reader.SetForceEXE(true);
  EXPECT_TRUE(source.Reads.empty());  // until loaded
  reader.Loaded();                    // forced: the executable
  reader.SetForceEXE(true);
  reader.SetForceEXE(false);  // the module that holds the reader
  reader.SetFilename("a.dll");
  reader.SetFilename("a.dll");
  source.InExecutable = true;
  reader.SetFilename("");
  EXPECT_EQ(source.Reads, (std::vector<std::string>{kExe, source.Module, "a.dll", "a.dll", kExe}));
}

TEST_F(VersionInfo, KeysTranslationsWithZerosFixedAndSearchesTheFirst) {
  SetBlock({{"040704E4", {{"ProductName", "Deutsch"}}}, kEnglishUK},
           TranslationBytes({{0x0407, 0}, {0, 0}, {0x0809, 0x04E4}}));
  reader.Loaded();
  EXPECT_EQ(reader.Translations(), (std::vector<std::string>{"040704E4", "040904E4", "080904E4"}));
  EXPECT_EQ(reader.ProductName(), "Deutsch");
  reader.SetTranslationIndex(2);
  EXPECT_EQ(reader.ProductName(), "Velmora");
  reader.SetTranslationIndex(7);  // out of range: "040904E4", which this block lacks
  EXPECT_EQ(reader.ProductName(), "");
  reader.ReadVersionInfo();
  EXPECT_EQ(reader.TranslationIndex(), 0);

  // Without a whole entry, or without a table, look-ups go to "040904E4".
  for (const int variant : {0, 1, 2}) {
    VersionNode root = StandardBlock({}, {{"040904E4", {{"ProductName", "US"}}}},
                                     variant == 0 ? std::vector<uint8_t>{9, 8, 7} : std::vector<uint8_t>{});
    if (variant == 2) root.Children.pop_back();
    source.Blocks[kExe] = Serialize(root);
    reader.ReadVersionInfo();
    EXPECT_TRUE(reader.Translations().empty());
    EXPECT_EQ(reader.ProductName(), "US") << variant;
  }
}

TEST_F(VersionInfo, ListsBuildFlagsInSetOrderIgnoringTheMask) {
  const std::pair<uint32_t, const char*> cases[] = {
      {0x3F, "Debug, Info Inferred, Patched, Pre-Release, Private, Special"},
      {0x21, "Debug, Special"}, {0x12, "Info Inferred, Pre-Release"}, {0xFFC0, ""}, {0, ""}};
  for (const auto& [flags, text] : cases) {
    SetBlock({}, {}, flags);  // the flags mask stays 0
    reader.ReadVersionInfo();
    EXPECT_EQ(reader.GetBuildFlags(), text) << flags;
  }
}

TEST_F(VersionInfo, VersionNumbersWithoutTableTextShowTheWords) {
  SetBlock({kEnglishUK}, TranslationBytes({{0x0809, 0x04E4}}));  // the words replace table text
  reader.Loaded();
  SetBlock({}, {});
  reader.ReadVersionInfo();
  const TVersionNumberInformation& file = reader.FileVersionNumber();
  EXPECT_EQ(file.AsString(), "1.2.3.4");
  EXPECT_EQ(reader.ProductVersionNumber().AsString(), "5.6.7.8");

  reader.SetFilename("plain.txt");  // no version data: not valid, though the words stay
  EXPECT_TRUE(!file.Valid() && file.AsString().empty() && file.Major() == 0);
  EXPECT_EQ(file.VersionMS(), 0x10002u);
  EXPECT_EQ(reader.FixedInfo().FileVersionMS(), 0u);
  EXPECT_EQ(reader.GetBuildFlags(), "");
}

TEST_F(VersionInfo, FillsLinkedLabelsAndListsTheRestInFixedOrder) {
  SetBlock({kEnglishUK}, TranslationBytes({{0x0809, 0x04E4}}), 0x01);
  FakeLabel version, copyright, product, description;
  FakeReportView list;
  TVersionInfoCaptions captions;
  captions.PreDefs[pdComments] = "Bemerkungen";
  TvlxVersionInfoResource linked(source, captions);
  linked.SetVersionLabel(&version);
  linked.SetCopyrightLabel(&copyright);
  linked.SetProductLabel(&product);
  linked.SetDescriptionLabel(&description);
  linked.SetVersionListView(&list);
  EXPECT_EQ(version.Caption, "(untouched)");  // still loading
  linked.Loaded();
  EXPECT_EQ(Pairs({{version.Caption, copyright.Caption}, {product.Caption, description.Caption}}),
            Pairs({{"1.0 beta", "(C) Quillfen"}, {"Velmora", "Disk usage"}}));
  EXPECT_TRUE(list.ReadOnlyReport);
  EXPECT_EQ(list.Columns, (std::vector<std::pair<std::string, int>>{{"Resource", -2}, {"Value", -2}}));
  // The four labelled members are gone; empty trademarks never show.
  EXPECT_EQ(list.Rows, (Pairs{{"Product Version", "1.0"}, {"Company Name", "Quillfen"}, {"Internal Name", "VLM"},
                              {"Original Filename", "Velmora.exe"}, {"Build Flags", "Debug"},
                              {"Bemerkungen", "2001 Jul 04"}}));

  linked.SetShowResource({pdComments, pdLegalTrademarks, pdProductName, pdFileVersion});
  EXPECT_EQ(list.Rows,
            (Pairs{{"Product Name", "Velmora"}, {"File Version", "1.0 beta"}, {"Bemerkungen", "2001 Jul 04"}}));

  linked.SetFilename("plain.txt");
  EXPECT_EQ(version.Caption + product.Caption, "");
  EXPECT_EQ(list.Columns.size(), 2u);
  EXPECT_TRUE(list.Rows.empty());
}

TEST_F(VersionInfo, ForgetsLinkedControlsThatGo) {
  auto label = std::make_unique<FakeLabel>();
  auto list = std::make_unique<FakeReportView>();
  reader.SetVersionLabel(label.get());
  reader.SetVersionListView(list.get());
  reader.SetVersionLabel(nullptr);
  EXPECT_FALSE(reader.ShowResource().Contains(pdFileVersion));  // unlinking does not put it back
  reader.SetProductLabel(label.get());
  label.reset();
  list.reset();
  EXPECT_EQ(reader.ProductLabel(), nullptr);
  EXPECT_EQ(reader.VersionListView(), nullptr);
  reader.Loaded();  // fills nothing that is gone
}

}  // namespace
