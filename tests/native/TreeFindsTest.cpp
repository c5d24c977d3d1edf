#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "FakeFileSystem.h"
#include "app/TreeFinds.h"
#include "app/UsageView.h"

namespace {

// Names and the extension each is of; a folder holds each name at most once.
const std::pair<const char*, const char*> kNames[] = {
    {"a.txt", "txt"}, {"B.TXT", "txt"}, {"c.Txt", "txt"}, {"README", ""}, {".profile", ""}, {"x.", ""},
    {"a.tar.gz", "gz"}, {"Été.ÉTÉ", "été"}, {"été.été", "été"}, {"Ωμέγα.ΣΩ", "σω"}, {"ω.σω", "σω"},
    {"Файл.ДОК", "док"}, {"ЁЖ.Ёж", "ёж"}, {"Ÿ.ŸĲŁ", "ÿĳł"}, {"y.ÿĳł", "ÿĳł"}, {"Ｆ.ＰＮＧ", "ｐｎｇ"}, {"d", ""},
};

struct File {
  std::string Path;  // below the root
  double Nominal, Allocated;
  std::string Extension;
  double In(uint8_t mode) const {
    return mode == kModeNominal ? Nominal : mode == kModeAllocated ? Allocated : std::max(0.0, Allocated - Nominal);
  }
};

TEST(TreeFinds, OnePassFindsWhatSortingEveryFileFinds) {
  std::mt19937 random(24);
  FakeFileSystem fs;
  std::vector<std::string> folders{""};
  std::vector<File> files;
  for (int i = 0; i < 40; ++i) {
    // Folders named like files ("d", "a.txt") make paths whose order turns on the separator.
    const std::string parent = folders[random() % folders.size()];
    const std::string folder =
        parent + (i % 3 ? "d" + std::to_string(i % 5) : std::string(kNames[i % std::size(kNames)].first));
    if (std::find(folders.begin(), folders.end(), folder + "\\") != folders.end()) continue;
    fs.AddFolder("C:\\Data\\" + folder);
    folders.push_back(folder + "\\");
  }
  for (const std::string& folder : folders)
    for (const auto& [name, extension] : kNames) {
      const std::string path = folder + name;
      if (random() % 2 || std::find(folders.begin(), folders.end(), path + "\\") != folders.end()) continue;
      const uint64_t sizes[] = {0, 1, 512, 513, 4096}, allocated[] = {0, 512, 4096, 8192};  // ties, sparse
      File& file =
          files.emplace_back(File{path, double(sizes[random() % 5]), double(allocated[random() % 4]), extension});
      fs.AddFile("C:\\Data\\" + path, uint64_t(file.Nominal)).Allocated = uint64_t(file.Allocated);
    }
  TFolderList root;
  root.Reset("C:\\Data\\");
  root.AddFile("(C: free space)", -1e9, -1e9);
  bool cancel = false;
  root.Scan(cancel, 512, false, {}, fs);
  ASSERT_EQ(root.FileCount(), int32_t(files.size()));

  const std::optional<std::string> filters[] = {std::nullopt, "txt", "été", "", "none"};
  for (uint8_t mode : {kModeNominal, kModeAllocated, kModeSlack})
    for (size_t limit : {0, 1, 7, 1000})
      for (const std::optional<std::string>& only : filters) {
        SCOPED_TRACE(testing::Message() << int(mode) << " " << limit << " " << only.value_or("(all)"));
        const TreeFinds finds = FindInTree(root, {.Mode = mode, .Limit = limit, .Extension = only});
        std::vector<std::pair<double, std::string>> expected, found;
        std::map<std::string, std::pair<double, uint64_t>> tallies;
        double total = 0;
        for (const File& file : files) {
          total += file.In(mode);
          tallies[file.Extension].first += file.In(mode);
          ++tallies[file.Extension].second;
          if (!only || *only == file.Extension) expected.emplace_back(-file.In(mode), file.Path);
        }
        std::sort(expected.begin(), expected.end());
        expected.resize(std::min(limit, expected.size()));
        for (auto& [size, path] : expected) size = -size;
        for (const FoundFile& file : finds.Largest) found.emplace_back(file.Size, PathBelowRoot(*file.File));
        EXPECT_EQ(found, expected);

        std::vector<std::tuple<double, std::string, uint64_t>> types, foundTypes;
        for (const auto& [extension, tally] : tallies) types.emplace_back(-tally.first, extension, tally.second);
        std::sort(types.begin(), types.end());
        for (auto& type : types) std::get<0>(type) = -std::get<0>(type);
        for (const FileType& type : finds.Types) foundTypes.emplace_back(type.Size, type.Extension, type.Files);
        EXPECT_EQ(foundTypes, types);
        EXPECT_EQ(finds.Total, total);
      }
}

TEST(TreeFinds, ExtensionsFoldCaseAndNameTheirType) {
  const std::pair<const char*, const char*> cases[] = {
      {"Report.Final.PDF", "pdf"}, {"README", ""}, {".profile", ""}, {"x.", ""}, {"..x", "x"},
      {"ÀÞ.ÀÞ×Ø", "àþ×ø"}, {"Ĳ.ĲİıĸŉĹŽſ", "ĳİıĸŉĺžſ"}, {"a.ΆΑΣ", "Άασ"}, {"a.ЀЯ", "ѐя"}, {"a.\xff\xC3", "\xff\xC3"},
  };
  for (const auto& [name, extension] : cases) EXPECT_EQ(ExtensionOf(name), extension) << name;
  EXPECT_EQ(ExtensionText(""), "(no extension)");
  EXPECT_EQ(ExtensionText("pdf"), ".pdf");
}

// A tree read from a Linux export: "/srv/" holding "sub0.zip", "a.md" and "sub/f.txt".
class LinuxTree : public ScanPlatform {
 public:
  ListingOutcome ListFolder(const std::string& path, FolderListing& listing) override {
    if (path == "/srv/") {
      listing.Add({.Name = "sub0.zip", .Size = 3});
      listing.Add({.Name = "a.md", .Size = 3});
      listing.Add({.Name = "sub", .Attributes = kAttributeDirectory});
    }
    if (path == "/srv/sub/") listing.Add({.Name = "f.txt", .Size = 3});
    return ListingOutcome::Listed;
  }
  std::optional<uint64_t> CompressedFileSize(const std::string&) override { return {}; }
  void ProcessMessages() override {}
};

TEST(TreeFinds, TiesGoByPathWithALinuxRootsSeparatorAndByExtension) {
  LinuxTree platform;
  TFolderList root("/srv/");
  bool cancel = false;
  root.Scan(cancel, 1, false, {}, platform);
  // Three files tie for two places: '/' sorts before '0', where '\' would not.
  const TreeFinds finds = FindInTree(root, {.Limit = 2});
  std::vector<std::string> paths, types;
  for (const FoundFile& file : finds.Largest) paths.push_back(PathBelowRoot(*file.File));
  for (const FileType& type : finds.Types) types.push_back(type.Extension);
  EXPECT_EQ(paths, (std::vector<std::string>{"a.md", "sub/f.txt"}));
  EXPECT_EQ(types, (std::vector<std::string>{"md", "txt", "zip"}));
}

}  // namespace
