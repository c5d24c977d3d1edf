#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "DeepFileSystem.h"
#include "FakeFileSystem.h"
#include "scan/FolderList.h"

namespace {

constexpr uint32_t kHidden = 0x2;
constexpr uint32_t kSystem = 0x4;
constexpr uint32_t kTagSymbolicLink = 0xA000000C;
constexpr uint32_t kTagMountPoint = 0xA0000003;
constexpr uint32_t kTagCloudFiles = 0x9000601A;

std::vector<std::string> Names(const TFolderList& level) {
  std::vector<std::string> names;
  for (const TFolderData* entry : level.Entries()) names.emplace_back(entry->Name());
  return names;
}

const TFolderData& Entry(const TFolderList& level, std::string_view name) {
  for (const TFolderData* entry : level.Entries())
    if (entry->Name() == name) return *entry;
  throw std::runtime_error("no entry " + std::string(name));
}

const TFolderList& Sub(const TFolderList& level, std::string_view name) { return *Entry(level, name).SubList; }

// Every level's totals equal the sums of the entries it holds (the free-space entry
// and ".." aside), all the way down.
void ExpectConsistent(const TFolderList& root) {
  std::vector<const TFolderList*> pending{&root};
  while (!pending.empty()) {
    const TFolderList& level = *pending.back();
    pending.pop_back();
    double nominal = 0, allocated = 0, slack = 0;
    int32_t files = 0, folders = 0;
    for (const TFolderData* entry : level.Entries()) {
      if (entry->Name() == ".." || entry->Nominal < 0) continue;
      nominal += entry->Nominal;
      allocated += entry->Allocated;
      slack += entry->Slack();
      files += entry->FileCount;
      if (entry->SubList) {
        folders += 1 + entry->SubList->FolderCount();
        pending.push_back(entry->SubList);
      }
    }
    SCOPED_TRACE(level.Path());
    EXPECT_EQ(level.NominalTotal(), nominal);
    EXPECT_EQ(level.AllocatedTotal(), allocated);
    EXPECT_EQ(level.SlackTotal(), slack);
    EXPECT_EQ(level.FileCount(), files);
    EXPECT_EQ(level.FolderCount(), folders);
  }
}

class FolderScan : public ::testing::Test {
 protected:
  void ScanRoot(std::string path, int32_t clusterSize = 4096, bool compressed = false) {
    root.Reset(std::move(path));
    root.Scan(cancel, clusterSize, compressed, [this](const std::string& text) { progress.push_back(text); }, fs);
  }

  FakeFileSystem fs;
  TFolderList root;
  bool cancel = false;
  std::vector<std::string> progress;
};

TEST_F(FolderScan, ListsEntriesInSearchOrderWithFoldersAsBackslashNames) {
  fs.AddFile("C:\\Data\\b.txt", 10);
  fs.AddFolder("C:\\Data\\Windows");
  fs.AddFile("C:\\Data\\A.TXT", 20);
  fs.AddFile("C:\\Data\\Windows\\x.dll", 30);
  ScanRoot("C:\\Data\\");

  EXPECT_EQ(Names(root), (std::vector<std::string>{"b.txt", "\\Windows", "A.TXT"}));
  const TFolderList& windows = Sub(root, "\\Windows");
  EXPECT_EQ(Names(windows), (std::vector<std::string>{"..", "x.dll"}));
  EXPECT_EQ(windows.Path(), "C:\\Data\\Windows\\");
  EXPECT_EQ(windows.Parent(), &root);
  const TFolderData& up = *windows.Entries()[0];
  EXPECT_TRUE(up.OwnerList == &windows && up.FileCount == 0 && up.Nominal == 0 && up.SubList == nullptr);
  EXPECT_EQ(up.ParentLevel(), &root);
  EXPECT_EQ(Entry(root, "b.txt").ParentLevel(), nullptr);
}

TEST_F(FolderScan, TotalsCountSizesClustersAndSlackAtEveryLevel) {
  fs.AddFile("C:\\T\\empty.txt", 0);
  fs.AddFile("C:\\T\\one.txt", 1);
  fs.AddFile("C:\\T\\.hidden", 4096, kHidden);
  fs.AddFile("C:\\T\\Sub\\sys.bin", 5000, kSystem);
  fs.AddFile("C:\\T\\Sub\\Deeper\\big.iso", 5368709120ull);
  ScanRoot("C:\\T\\");

  EXPECT_EQ(Entry(root, "empty.txt").Allocated, 0);
  EXPECT_EQ(std::pair(Entry(root, "one.txt").Allocated, Entry(root, "one.txt").Slack()), std::pair(4096.0, 4095.0));
  EXPECT_EQ(Entry(root, ".hidden").FileCount, 1);
  const TFolderData& sub = Entry(root, "\\Sub");
  EXPECT_EQ(std::tuple(sub.Nominal, sub.Allocated, sub.Slack(), sub.FileCount),
            std::tuple(5000 + 5368709120.0, 8192 + 5368709120.0, 3192.0, 2));
  EXPECT_EQ(root.FileCount(), 5);
  EXPECT_EQ(root.FolderCount(), 2);
  ExpectConsistent(root);
}

TEST_F(FolderScan, LongestPathIsTheFirstLongestFileInUtf16Units) {
  fs.AddFolder("C:\\T\\a-very-long-folder-name-without-files");
  fs.AddFile("C:\\T\\Sub\\abcd", 1);  // C:\T\Sub\abcd: 13
  fs.AddFile("C:\\T\\Sub\\wxyz", 1);  // as long, met later
  fs.AddFile("C:\\T\\abc", 1);
  ScanRoot("C:\\T\\");
  EXPECT_EQ(root.LongestPath(), "C:\\T\\Sub\\abcd");
  EXPECT_EQ(root.LongestPathLength(), 13);

  // "日本語" is three UTF-16 units (nine UTF-8 bytes); the emoji takes a surrogate pair.
  FakeFileSystem unicode;
  unicode.AddFile("C:\\U\\\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", 1);
  unicode.AddFile("C:\\U\\\xF0\x9F\x98\x80", 1);
  TFolderList level("C:\\U\\");
  level.Scan(cancel, 4096, false, nullptr, unicode);
  EXPECT_EQ(level.LongestPathLength(), 8);
  EXPECT_EQ(level.LongestPath(), "C:\\U\\\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
}

TEST_F(FolderScan, UnreadableFolderShowsAsEmptyLevelAndMarksEveryLevelAboveIt) {
  fs.AddFile("C:\\T\\A\\Secret\\hidden-from-us.txt", 100);
  fs.AddFile("C:\\T\\A\\open.txt", 7);
  fs.AddFile("C:\\T\\B\\open.txt", 7);
  fs.AddFolder("C:\\T\\A\\Secret").Listing = ListingOutcome::AccessDenied;
  ScanRoot("C:\\T\\");
  const TFolderList& a = Sub(root, "\\A");
  EXPECT_EQ(Names(Sub(a, "\\Secret")), std::vector<std::string>{".."});
  EXPECT_EQ(Entry(a, "\\Secret").Nominal, 0);
  EXPECT_EQ(std::pair(root.FileCount(), root.FolderCount()), std::pair(2, 3));
  // The folder that failed says so itself; each level above holds less than the disk.
  EXPECT_TRUE(Sub(a, "\\Secret").ReadError() && !Sub(a, "\\Secret").ReadErrorBelow());
  EXPECT_TRUE(!a.ReadError() && a.ReadErrorBelow() && !root.ReadError() && root.ReadErrorBelow());
  EXPECT_FALSE(Sub(root, "\\B").ReadError() || Sub(root, "\\B").ReadErrorBelow());

  fs.AddFolder("C:\\T\\A\\Secret").Listing = ListingOutcome::Listed;  // a scan again starts clean
  ScanRoot("C:\\T\\");
  EXPECT_FALSE(root.ReadErrorBelow() || Sub(root, "\\A").ReadErrorBelow());
  EXPECT_EQ(root.FileCount(), 3);
}

TEST_F(FolderScan, ReparsePointsThatLeadElsewhereAreCountedButNotEntered) {
  fs.AddFolder("C:\\T\\Loop", kAttributeDirectory | kAttributeReparsePoint).ReparseTag = kTagSymbolicLink;
  fs.AddFile("C:\\T\\Loop\\inside", 1);
  fs.AddFolder("C:\\T\\Mount", kAttributeDirectory | kAttributeReparsePoint).ReparseTag = kTagMountPoint;
  fs.AddFolder("C:\\T\\Untagged", kAttributeDirectory | kAttributeReparsePoint);  // as Wine lists links
  fs.AddFolder("C:\\T\\Cloud", kAttributeDirectory | kAttributeReparsePoint).ReparseTag = kTagCloudFiles;
  fs.AddFile("C:\\T\\Cloud\\synced.doc", 50);
  ScanRoot("C:\\T\\");

  for (const char* name : {"\\Loop", "\\Mount", "\\Untagged"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Names(Sub(root, name)), std::vector<std::string>{".."});
    EXPECT_EQ(Entry(root, name).Nominal, 0);
  }
  EXPECT_EQ(Entry(root, "\\Cloud").Nominal, 50);
  EXPECT_EQ(root.FolderCount(), 4);
  for (const std::string& event : fs.Events) EXPECT_EQ(event.find("Loop"), std::string::npos) << event;
}

TEST_F(FolderScan, CompressedSizesAreTakenInFullWhenAsked) {
  fs.AddFile("C:\\T\\small.dat", 10000, kAttributeCompressed).CompressedSize = 3000;
  fs.AddFile("C:\\T\\huge.dat", 20000000000ull, kAttributeCompressed).CompressedSize = 6000000000ull;
  fs.AddFile("C:\\T\\unknown.dat", 500, kAttributeCompressed);  // the query fails
  fs.AddFile("C:\\T\\plain.dat", 700).CompressedSize = 1;        // not compressed: never asked
  ScanRoot("C:\\T\\", 4096, true);
  EXPECT_EQ(Entry(root, "small.dat").Allocated, 4096);
  std::vector<double> nominal;
  for (const char* name : {"small.dat", "huge.dat", "unknown.dat", "plain.dat"})
    nominal.push_back(Entry(root, name).Nominal);
  EXPECT_EQ(nominal, (std::vector<double>{3000, 6000000000.0, 500, 700}));

  ScanRoot("C:\\T\\", 4096, false);
  EXPECT_EQ(Entry(root, "small.dat").Nominal, 10000);
}

TEST_F(FolderScan, SubFolderAppearsInItsParentOnlyWhenComplete) {
  fs.AddFile("C:\\T\\first", 1);
  fs.AddFile("C:\\T\\Sub\\inner", 1);
  fs.AddFile("C:\\T\\Sub\\Deep\\x", 1);
  std::vector<std::vector<std::string>> rootDuringScan;
  fs.OnProcessMessages = [&] { rootDuringScan.push_back(Names(root)); };
  ScanRoot("C:\\T\\");
  EXPECT_EQ(rootDuringScan, (std::vector<std::vector<std::string>>{{}, {"first"}, {"first"}}));
}

TEST_F(FolderScan, CancelEndsEveryLevelAfterItsCurrentEntryAndKeepsTotalsConsistent) {
  for (const char* top : {"A", "B", "C"})
    for (const char* mid : {"1", "2", "3"})
      for (const char* file : {"x", "y"})
        fs.AddFile(std::string("C:\\T\\") + top + "\\" + mid + "\\" + file, 1000);
  fs.AddFile("C:\\T\\last", 1);
  int pumps = 0;
  fs.OnProcessMessages = [&] { cancel = ++pumps == 4; };  // just before A\2 is listed
  ScanRoot("C:\\T\\");

  // A\2 still takes its first entry ("."), then every level ends after its current one.
  EXPECT_EQ(Names(root), std::vector<std::string>{"\\A"});
  EXPECT_EQ(Names(Sub(root, "\\A")), (std::vector<std::string>{"..", "\\1", "\\2"}));
  EXPECT_EQ(Names(Sub(Sub(root, "\\A"), "\\2")), std::vector<std::string>{".."});
  EXPECT_EQ(root.FileCount(), 2);
  EXPECT_EQ(root.FolderCount(), 3);
  ExpectConsistent(root);
  // The levels cut short say so; the one listed whole before does not.
  EXPECT_TRUE(root.ReadError() && Sub(root, "\\A").ReadError() && Sub(Sub(root, "\\A"), "\\2").ReadError());
  EXPECT_TRUE(root.ReadErrorBelow() && Sub(root, "\\A").ReadErrorBelow());
  EXPECT_FALSE(Sub(Sub(root, "\\A"), "\\1").ReadError() || Sub(Sub(root, "\\A"), "\\1").ReadErrorBelow());
}

TEST(FolderScanDepth, WalksTwentyThousandLevelsWithoutRecursing) {
  constexpr int kDepth = 20000;
  DeepFileSystem fs("C:\\", kDepth);
  TFolderList root("C:\\");
  bool cancel = false;
  root.Scan(cancel, 4096, false, nullptr, fs);
  EXPECT_EQ(root.FolderCount(), kDepth);
  EXPECT_EQ(root.FileCount(), 1);
  EXPECT_EQ(root.NominalTotal(), 42);
  EXPECT_EQ(root.LongestPathLength(), 3 + 2 * kDepth + 10);
}

}  // namespace

// An entry taken out of a scanned tree leaves it as a scan that never found it would.
TEST(FolderRemoval, LeavesEveryLevelAsAScanWithoutTheEntry) {
  const auto fill = [](FakeFileSystem& fs, std::string_view without) {
    const auto keep = [&](std::string_view path) { return without.empty() || !path.starts_with(without); };
    for (const auto& [path, size] : std::vector<std::pair<std::string, uint64_t>>{
             {"C:\\T\\a.txt", 100},
             {"C:\\T\\A\\x.bin", 5000},
             {"C:\\T\\A\\Deep\\a-name-long-enough-to-be-the-longest-path.txt", 7},
             {"C:\\T\\B\\y.txt", 10},
             {"C:\\T\\B\\Deeper\\z.txt", 20}})
      if (keep(path)) fs.AddFile(path, size);
    if (keep("C:\\T\\A\\Deep\\linked.txt")) {
      FakeFileSystem::Node& linked = fs.AddFile("C:\\T\\A\\Deep\\linked.txt", 3000);
      linked.FileId = 9;
      linked.Links = 2;
    }
    fs.AddFolder("C:\\T\\B\\Deeper");  // stays when its file goes
    if (keep("C:\\T\\A\\Secret")) fs.AddFolder("C:\\T\\A\\Secret").Listing = ListingOutcome::AccessDenied;
  };
  const auto expectSame = [](const TFolderList& got, const TFolderList& want) {
    std::vector<std::pair<const TFolderList*, const TFolderList*>> pending{{&got, &want}};
    while (!pending.empty()) {
      const auto [g, w] = pending.back();
      pending.pop_back();
      SCOPED_TRACE(w->Path());
      EXPECT_EQ(g->Path(), w->Path());
      EXPECT_EQ(std::tuple(g->NominalTotal(), g->AllocatedTotal(), g->SlackTotal(), g->FileCount(), g->FolderCount()),
                std::tuple(w->NominalTotal(), w->AllocatedTotal(), w->SlackTotal(), w->FileCount(), w->FolderCount()));
      EXPECT_EQ(std::tuple(g->LongestPath(), g->LongestPathLength(), g->ReadError(), g->ReadErrorBelow()),
                std::tuple(w->LongestPath(), w->LongestPathLength(), w->ReadError(), w->ReadErrorBelow()));
      ASSERT_EQ(Names(*g), Names(*w));
      for (int i = 0; i < w->Count(); ++i) {
        const TFolderData& ge = *g->Entries()[i];
        const TFolderData& we = *w->Entries()[i];
        EXPECT_EQ(std::tuple(ge.Nominal, ge.Allocated, ge.Slack(), ge.FileCount),
                  std::tuple(we.Nominal, we.Allocated, we.Slack(), we.FileCount));
        if (we.SubList && we.Name() != "..") pending.push_back({ge.SubList, we.SubList});
      }
    }
  };
  const auto links = [](const TFolderList& root) {
    int count = 0;
    root.ForEachHardLink([&](const TFolderData&, const HardLink&) { ++count; });
    return count;
  };
  bool cancel = false;
  for (const auto& [level, name] : std::vector<std::pair<std::string, std::string>>{
           {"", "a.txt"}, {"A", "\\Deep"}, {"A", "\\Secret"}, {"B\\Deeper", "z.txt"}, {"", "\\A"}}) {
    SCOPED_TRACE(level + " " + name);
    FakeFileSystem whole, without;
    fill(whole, "");
    fill(without, "C:\\T\\" + (level.empty() ? "" : level + "\\") + (name[0] == '\\' ? name.substr(1) : name));
    TFolderList got("C:\\T\\"), want("C:\\T\\");
    got.Scan(cancel, 4096, false, {}, whole);
    want.Scan(cancel, 4096, false, {}, without);
    const TFolderList* owner = &got;
    for (std::string_view rest = level; !rest.empty();) {
      const size_t end = std::min(rest.find('\\'), rest.size());
      owner = &Sub(*owner, "\\" + std::string(rest.substr(0, end)));
      rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    owner->Entries().front()->OwnerList->Remove(Entry(*owner, name));
    expectSame(got, want);
    EXPECT_EQ(links(got), links(want));
  }
}
