// Velmora on an NTFS drive: D: is an ntfs-3g mount of a volume image and its raw
// device (\\.\D:) the image, as tests/ntfs/ntfs-drive-test.sh sets them up. It names
// the folder for the saved listings in VELMORA_NTFS_WORK; without it these tests skip.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "VelmoraDriver.h"
#include "win32/WideText.h"

namespace {

class NtfsDrive : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("VELMORA_NTFS_WORK")) GTEST_SKIP() << "no NTFS drive set up";
    work_ = Utf8ToWide(std::getenv("VELMORA_NTFS_WORK"));
    // Exact sizes in bytes, as the folders hold them, and no free space, which the
    // mount and the folder left when it goes do not share.
    ForgetStoredSettings();
    StoreInteger(L"Display units", 0);
    StoreInteger(L"Display mode", 0);
    StoreInteger(L"Display compressed", 2);
    StoreInteger(L"DisplayFreeDiskSpace", 0);
  }

  // Scans D:\ and saves the listings of its root, of a folder of names outside ASCII
  // and of a folder deep down, named after `run`; gives their texts.
  std::vector<std::string> SavedListings(const std::wstring& run) {
    const Velmora velmora(L"D:\\");
    EXPECT_TRUE(velmora.WaitUntilShown());
    std::vector<std::string> texts;
    const auto save = [&](const std::wstring& level) {
      const std::wstring path = work_ + run + L"-" + level + L".txt";
      DeleteFileW(path.c_str());
      EXPECT_TRUE(velmora.SaveListingAs(path));
      EXPECT_TRUE(WaitFor([&] { return !FileContent(path).empty(); }, 5000));
      texts.push_back(FileContent(path));
    };
    const auto open = [&](const std::string& folder, const std::wstring& caption) {
      for (const std::string& line : velmora.ListLines())
        if (line.ends_with("   \\" + folder)) velmora.DoubleClickLine(line);
      EXPECT_TRUE(WaitFor([&] { return velmora.Caption() == L"Velmora - D:\\" + caption; })) << folder;
    };
    save(L"root");
    open("names", L"Names\\");
    save(L"names");
    velmora.ClickUp();
    open("deep", L"Deep\\");
    open("level 0 with a rather long name", L"Deep\\level 0 with a rather long name\\");
    save(L"deep");
    CloseCleanly(velmora);
    return texts;
  }

  std::wstring work_;
};

TEST_F(NtfsDrive, ListsTheSameFromItsFileTableAsFromItsFolders) {
  const std::vector<std::string> fromTable = SavedListings(L"table");
  StoreInteger(L"ReadFileTable", 0);
  EXPECT_EQ(SavedListings(L"folders"), fromTable);
  EXPECT_NE(fromTable.front().find("\\many\r\n"), std::string::npos) << fromTable.front();
}

// Run once the mount is gone: D:\ is an empty folder, and only the table holds the tree.
TEST_F(NtfsDrive, ReadsTheFileTableWhenItsFoldersAreGone) {
  std::vector<std::string> before;
  for (const wchar_t* level : {L"root", L"names", L"deep"})
    before.push_back(FileContent(work_ + L"table-" + level + L".txt"));
  EXPECT_EQ(SavedListings(L"gone"), before);
}

}  // namespace
