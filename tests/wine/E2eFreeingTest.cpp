// Acting on what the list shows: the path copied, items moved to the Recycle Bin (under
// Wine the user's XDG trash) and gone from the tree at once, refusals and failures.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "E2eTrees.h"
#include "VelmoraDriver.h"
#include "win32/WideText.h"

namespace {

// The program's Recycle Bin is the XDG trash of the home folder its test run was given
// (never the machine user's, which the test would empty).
class Recycling : public SmallTree {
 protected:
  void SetUp() override {
    // Wine tells the Unix home as \??\Z:\... .
    const wchar_t* home = _wgetenv(L"WINEHOMEDIR");
    bin_ = home && std::wstring_view(home).starts_with(L"\\??\\") ? home + 4 + std::wstring(L"\\.local\\share\\Trash\\files\\") : L"";
    if (!bin_.ends_with(L"\\e2e-home\\.local\\share\\Trash\\files\\")) GTEST_SKIP() << "no home of the test's own";
    // Wine makes the trash's folders, but not the data folder they go in.
    ASSERT_TRUE(temp.RunUnixScript("rm -rf \"$HOME/.local/share/Trash\" && mkdir -p \"$HOME/.local/share\""));
  }

  std::wstring InBin(const std::wstring& name) const { return bin_ + name; }
  static bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

  // The question or message the program shows, its text, and its button pressed.
  static std::wstring Answer(const Velmora& velmora, const std::wstring& caption, const std::wstring& button) {
    HWND box = velmora.WaitForWindow(caption);
    if (!box) return L"(no " + caption + L")";
    const std::wstring text = WindowText(GetDlgItem(box, 0xFFFF));  // a message box's text
    PostMessageW(FindChild(box, L"Button", button), BM_CLICK, 0, 0);
    WaitFor([&] { return !IsWindow(box); });
    return text;
  }

  static std::string Clipboard() {
    if (!OpenClipboard(nullptr)) return "(closed)";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    std::string text = data ? WideToUtf8(static_cast<const wchar_t*>(GlobalLock(data))) : "(none)";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    return text;
  }

 private:
  std::wstring bin_;
};

TEST_F(Recycling, MovesAFileAndAFolderToTheBinAndTheTreeFollows) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());

  velmora.ClickLine("148.0   big.iso");
  ASSERT_TRUE(velmora.ChooseFromListMenu(L'c'));  // Copy Path
  EXPECT_EQ(Clipboard(), WideToUtf8(temp.Path()) + "big.iso");

  velmora.PressKey(velmora.List(), VK_DELETE);
  EXPECT_EQ(Answer(velmora, L"Velmora - delete to Recycle Bin", L"&Yes"),
            L"Move " + temp.Path() + L"big.iso (148.0 KB) to the Recycle Bin?");
  ASSERT_TRUE(velmora.WaitUntilIdle());
  EXPECT_FALSE(Exists(temp.Path() + L"big.iso"));
  EXPECT_EQ(FileContent(InBin(L"big.iso")).size(), 150000u);
  EXPECT_EQ(velmora.ListLines(), (std::vector<std::string>{"88.0   \\music", "40.0   \\docs", "4.0   readme.txt"}));
  EXPECT_EQ(velmora.Panel(1), "Files: 4");

  velmora.ClickLine("40.0   \\docs");
  velmora.PressKey(velmora.List(), VK_DELETE);
  EXPECT_EQ(Answer(velmora, L"Velmora - delete to Recycle Bin", L"&Yes"),
            L"Move " + temp.Path() + L"Docs (40.0 KB, 2 files and 1 folder) to the Recycle Bin?");
  ASSERT_TRUE(velmora.WaitUntilIdle());
  EXPECT_TRUE(Exists(InBin(L"Docs\\Sub\\notes.txt")));
  const std::vector<std::string> left{"88.0   \\music", "4.0   readme.txt"};
  EXPECT_EQ(velmora.ListLines(), left);
  EXPECT_EQ(std::vector<std::string>({velmora.Panel(0), velmora.Panel(1), velmora.Panel(2)}),
            std::vector<std::string>({"92.0 KB", "Files: 2", "Folders: 1"}));

  // Refresh finds the same tree, and the file made since.
  temp.MakeFile(L"new.bin", 8000);
  velmora.PressKey(velmora.Window(), VK_F5);
  const std::vector<std::string> rescanned{"88.0   \\music", "8.0   new.bin", "4.0   readme.txt"};
  EXPECT_TRUE(WaitFor([&] { return !velmora.Scanning() && velmora.ListLines() == rescanned; }))
      << ::testing::PrintToString(velmora.ListLines());
  EXPECT_EQ(velmora.Panel(1), "Files: 3");
  CloseCleanly(velmora);
}

TEST_F(Recycling, KeepsTheTreeWhenTheShellDoesNotRecycleAndRefusesWhatIsNoFile) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  // Gone from the disk since the scan: the bin cannot take it, the shell warns that it
  // would be deleted for good, and "No" leaves the tree as it was.
  ASSERT_TRUE(DeleteFileW((temp.Path() + L"ReadMe.TXT").c_str()));
  velmora.ClickLine("4.0   readme.txt");
  velmora.PressKey(velmora.List(), VK_DELETE);
  Answer(velmora, L"Velmora - delete to Recycle Bin", L"&Yes");
  EXPECT_NE(Answer(velmora, L"Confirm file deletion", L"&No"), L"(no Confirm file deletion)");
  ASSERT_TRUE(velmora.WaitUntilIdle());
  EXPECT_EQ(velmora.WaitForWindow(L"Velmora - cannot delete", 0), nullptr);
  EXPECT_EQ(velmora.ListLines().size(), 4u);
  // "Yes" there: the shell fails on what is not there, the program says so and keeps it.
  velmora.PressKey(velmora.List(), VK_DELETE);
  Answer(velmora, L"Velmora - delete to Recycle Bin", L"&Yes");
  Answer(velmora, L"Confirm file deletion", L"&Yes");
  EXPECT_EQ(Answer(velmora, L"Velmora - cannot delete", L"OK").rfind(L"Cannot move " + temp.Path() + L"ReadMe.TXT", 0), 0u);
  ASSERT_TRUE(velmora.WaitUntilIdle());
  EXPECT_EQ(velmora.ListLines().size(), 4u);

  // ".." is no file: Delete asks nothing and nothing goes.
  velmora.DoubleClickLine("88.0   \\music");
  ASSERT_TRUE(WaitFor([&] { return velmora.FirstLine() == "88.0   song.mp3"; }));
  velmora.ClickLine("0.0   ..");
  velmora.PressKey(velmora.List(), VK_DELETE);
  ASSERT_TRUE(velmora.WaitUntilIdle());
  EXPECT_EQ(velmora.WaitForWindow(L"Velmora - delete to Recycle Bin", 0), nullptr);
  EXPECT_TRUE(Exists(temp.Path() + L"Music"));
  CloseCleanly(velmora);
}

}  // namespace
