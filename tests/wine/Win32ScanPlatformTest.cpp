#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempFolder.h"
#include "scan/FolderList.h"
#include "scan/win32/Win32ScanPlatform.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

namespace {

const TFolderData* Find(const TFolderList& level, std::string_view name) {
  for (const TFolderData* entry : level.Entries())
    if (entry->Name() == name) return entry;
  return nullptr;
}

class RealTreeScan : public ::testing::Test {
 protected:
  void Scan(const std::string& path) {
    root.Reset(path);
    root.Scan(cancel, 4096, false, nullptr, platform);
  }

  TempFolder temp;
  TFolderList root;
  bool cancel = false;
  int pumps = 0;
  Win32ScanPlatform platform{[this] { ++pumps; }};
};

// "Ωμέγα-日本.txt": Greek and Japanese, outside the ANSI code page.
const std::string kForeignName = "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1-\xE6\x97\xA5\xE6\x9C\xAC.txt";

TEST_F(RealTreeScan, CountsEveryKindOfEntry) {
  temp.MakeFile(L"big.bin", 5368709120ull);
  temp.MakeFile(L"hidden.txt", 10, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  temp.MakeFile(L".dotfile", 1);
  temp.MakeFile(Utf8ToWide(kForeignName), 3);
  temp.MakeFolder(L"Empty");
  temp.MakeFile(L"Sub\\inner.txt", 4097);
  Scan(temp.PathUtf8());

  EXPECT_EQ(root.FileCount(), 5);
  EXPECT_EQ(root.FolderCount(), 2);
  EXPECT_EQ(root.NominalTotal(), 5368709120.0 + 10 + 1 + 3 + 4097);
  EXPECT_EQ(root.AllocatedTotal(), 5368709120.0 + 4096 * 3 + 8192);
  ASSERT_NE(Find(root, kForeignName), nullptr);
  EXPECT_EQ(Find(root, kForeignName)->Nominal, 3);
  ASSERT_NE(Find(root, "\\Empty"), nullptr);
  EXPECT_EQ(Find(root, "\\Empty")->SubList->Count(), 1);  // only ".."
  EXPECT_EQ(Find(root, "\\Sub")->FileCount, 1);
  EXPECT_EQ(pumps, 3);  // once per folder
}

TEST_F(RealTreeScan, ListsAFolderThatTakesSeveralListingQueries) {
  // 1,500 names of 50 characters fill the 64 KB answer of one query four times.
  if (!temp.RunUnixScript("for i in $(seq 1000 2499); do : > $(printf 'f%049d' $i); done"))
    GTEST_SKIP() << "Unix scripts need Wine";
  Scan(temp.PathUtf8());
  EXPECT_EQ(root.FileCount(), 1500);
  EXPECT_EQ(root.Count(), 1500);
}

TEST_F(RealTreeScan, ListsAndCountsPathsBeyond260Characters) {
  const std::wstring segment(60, L'd');
  std::wstring folder;
  for (int i = 0; i < 5; ++i) folder += segment + L"\\";
  temp.MakeFile(folder + L"deep-file.txt", 123);
  Scan(temp.PathUtf8());

  EXPECT_EQ(root.FileCount(), 1);
  EXPECT_EQ(root.NominalTotal(), 123);
  EXPECT_EQ(root.FolderCount(), 5);
  EXPECT_GT(root.LongestPathLength(), 300);
  EXPECT_EQ(root.LongestPath(), temp.PathUtf8() + WideToUtf8(folder) + "deep-file.txt");
}

TEST_F(RealTreeScan, DoesNotFollowASymbolicLinkLoop) {
  temp.MakeFile(L"Sub\\file.txt", 100);
  if (!temp.MakeUnixSymlink(L"Sub\\Loop", ".."))
    GTEST_SKIP() << "Unix symbolic links need Wine";
  Scan(temp.PathUtf8());

  const TFolderList& sub = *Find(root, "\\Sub")->SubList;
  const TFolderData* loop = Find(sub, "\\Loop");
  ASSERT_NE(loop, nullptr);
  EXPECT_EQ(loop->SubList->Count(), 1);  // only ".."
  EXPECT_EQ(loop->Nominal, 0);
  EXPECT_EQ(root.FolderCount(), 2);
  EXPECT_EQ(root.NominalTotal(), 100);
}

TEST_F(RealTreeScan, MissingFolderGivesAnEmptyRootAndSaysWhy) {
  Scan(temp.PathUtf8() + "does-not-exist\\");
  EXPECT_EQ(root.Count(), 0);
  EXPECT_EQ(root.NominalTotal(), 0);
  EXPECT_EQ(pumps, 1);
  FolderListing listing;
  EXPECT_EQ(platform.ListFolder(temp.PathUtf8() + "does-not-exist\\", listing), ListingOutcome::NotFound);
  EXPECT_EQ(platform.ListFolder(temp.PathUtf8() + "no\\such\\", listing), ListingOutcome::NotFound);
  EXPECT_EQ(platform.ListFolder(temp.PathUtf8(), listing), ListingOutcome::Listed);
}

TEST_F(RealTreeScan, RelativeAndUnnormalisedPathsAreResolved) {
  temp.MakeFile(L"A\\one.txt", 1);
  temp.MakeFile(L"B\\two.txt", 2);
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(temp.Path().c_str()));
  Scan("B\\..\\A\\");
  EXPECT_EQ(root.NominalTotal(), 1);
  Scan(".\\");
  EXPECT_EQ(root.NominalTotal(), 3);
  EXPECT_EQ(Find(root, "\\B")->SubList->Path(), ".\\B\\");
  SetCurrentDirectoryW(previous);
  Scan(temp.PathUtf8() + "A/../B/");
  EXPECT_EQ(root.NominalTotal(), 2);
}

TEST(Win32ScanPlatform, AsksForCompressedSizesInFull) {
  TempFolder temp;
  temp.MakeFile(L"sparse.bin", 5368709120ull);
  Win32ScanPlatform platform(nullptr);
  // Wine answers with the size itself: beyond 4 GiB, so its high half counts.
  EXPECT_EQ(platform.CompressedFileSize(temp.PathUtf8() + "sparse.bin"), 5368709120ull);
  EXPECT_FALSE(platform.CompressedFileSize(temp.PathUtf8() + "missing.bin").has_value());
}

}  // namespace
