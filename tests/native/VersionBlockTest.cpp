#include <gtest/gtest.h>

#include <functional>

#include "VersionBlockBuilder.h"
#include "dialogs/VersionBlock.h"

namespace {

constexpr char kCompany[] = "\\StringFileInfo\\080904E4\\CompanyName";
constexpr char kProduct[] = "\\StringFileInfo\\080904E4\\ProductName";
constexpr char kTranslation[] = "\\VarFileInfo\\Translation";

VersionNode Sample() {
  const FixedFileInfo info{FixedFileInfo::kSignature, 0x10000, 0x10002, 0x30004, 0x50006, 0x70008, 0x3F, 0x21};
  return StandardBlock(info, {{"080904E4", {{"CompanyName", "Quillfen"}, {"ProductName", "Velmora \xC3\xA4"}}}},
                       TranslationBytes({{0x0809, 0x04E4}}));
}

VersionNode& Table(VersionNode& root) { return root.Children[0].Children[0]; }

TEST(VersionBlock, ReadsTheFixedInfoValuesAndStringsToTheirFirstZeroWithKeysInAnyCase) {
  const std::vector<uint8_t> bytes = Serialize(Sample());
  const VersionBlock block(bytes);
  ASSERT_TRUE(block.FixedInfo());
  EXPECT_EQ(block.FixedInfo()->FileVersionLS, 0x30004u);
  EXPECT_EQ(block.FixedInfo()->FileFlags, 0x21u);
  const auto translation = block.Value(kTranslation);
  ASSERT_TRUE(translation);
  EXPECT_EQ(std::vector<uint8_t>(translation->begin(), translation->end()), TranslationBytes({{0x0809, 0x04E4}}));
  EXPECT_EQ(block.String(kProduct), "Velmora \xC3\xA4");
  EXPECT_EQ(block.String("stringfileinfo\\\\080904e4\\COMPANYNAME"), "Quillfen");
  for (const char* path : {"\\StringFileInfo\\040904E4\\CompanyName", "\\StringFileInfo\\080904E4\\Company",
                           "\\StringFileInfo\\080904E4\\CompanyName\\More"}) {
    EXPECT_FALSE(block.String(path)) << path;
  }
  // Text ends at its first zero or at the end of its value.
  VersionNode root = Sample();
  Table(root).Children[0] = TextNode("CompanyName", std::string("Quill\0fen", 9));
  Table(root).Children[1].Value.resize(Table(root).Children[1].Value.size() - 2);  // no terminator
  const std::vector<uint8_t> cut = Serialize(root);
  EXPECT_EQ(VersionBlock(cut).String(kCompany), "Quill");
  EXPECT_EQ(VersionBlock(cut).String(kProduct), "Velmora \xC3\xA4");
}

TEST(VersionBlock, EveryCutOfABlockYieldsNothing) {
  const std::vector<uint8_t> bytes = Serialize(Sample());
  for (size_t size = 0; size < bytes.size(); ++size) {
    const VersionBlock block{std::span(bytes).first(size)};
    EXPECT_FALSE(block.FixedInfo() || block.Value("\\") || block.String(kCompany) || block.Value(kTranslation))
        << size;
  }
}

TEST(VersionBlock, NodesThatLieYieldNothing) {
  struct Case {
    const char* name;
    std::function<void(VersionNode&)> spoil;
    bool fixedInfo, company, product, translation;
  };
  const auto string = [](VersionNode& root) -> VersionNode& { return Table(root).Children[0]; };
  const Case cases[] = {
      {"root past the end", [](VersionNode& root) { root.Length = 0xFFFF; }, false, false, false, false},
      {"root shorter than a header", [](VersionNode& root) { root.Length = 5; }, false, false, false, false},
      {"root value past the root", [](VersionNode& root) { root.ValueLength = 0xFFF0; }, false, false, false, false},
      {"string past its table", [&](VersionNode& root) { string(root).Length = 0x7FFF; }, true, false, false, true},
      {"table past its parent", [](VersionNode& root) { Table(root).Length = 0x1000; }, true, false, false, true},
      {"zero length", [&](VersionNode& root) { string(root).Length = 0; }, true, false, false, true},
      {"no key terminator", [&](VersionNode& root) { string(root).KeyTerminated = false; }, true, false, false, true},
      {"text past its node", [](VersionNode& root) { Table(root).Children[1].ValueLength = 200; }, true, true, false,
       true},
      {"binary past its node", [](VersionNode& root) { root.Children[1].Children[0].ValueLength = 9; }, true, true,
       true, false},
      {"fixed info cut short", [](VersionNode& root) { root.Value.resize(48); }, false, true, true, true},
      {"fixed info without signature", [](VersionNode& root) { root.Value[0] = 0; }, false, true, true, true},
  };
  for (const Case& test : cases) {
    VersionNode root = Sample();
    test.spoil(root);
    const std::vector<uint8_t> bytes = Serialize(root);
    const VersionBlock block(bytes);
    EXPECT_EQ(block.FixedInfo().has_value(), test.fixedInfo) << test.name;
    EXPECT_EQ(block.String(kCompany).has_value(), test.company) << test.name;
    EXPECT_EQ(block.String(kProduct).has_value(), test.product) << test.name;
    EXPECT_EQ(block.Value(kTranslation).has_value(), test.translation) << test.name;
  }
}

TEST(VersionBlock, ReadsAtAnOddAddressAndDownADeepChain) {
  std::vector<uint8_t> shifted = Serialize(Sample());
  shifted.insert(shifted.begin(), 0);
  EXPECT_EQ(VersionBlock(std::span(shifted).subspan(1)).String(kCompany), "Quillfen");

  VersionNode chain = TextNode("A", "bottom");
  std::string path;
  for (int level = 0; level < 3000; ++level) {  // 12 bytes a level: near the most a length allows
    chain = VersionNode{"A", {}, false, {std::move(chain)}};
    path += "\\A";
  }
  const std::vector<uint8_t> bytes = Serialize(chain);
  EXPECT_EQ(VersionBlock(bytes).String(path), "bottom");
  EXPECT_FALSE(VersionBlock(bytes).String(path + "\\A"));
  EXPECT_FALSE(VersionBlock(std::span(bytes).first(bytes.size() - 1)).String(path));
}

}  // namespace
