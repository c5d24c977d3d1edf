// Velmora as a user meets it: the real program started on real folders, driven from
// outside its process with window messages, and read back from its windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempFolder.h"
#include "E2eTrees.h"
#include "VelmoraDriver.h"
#include "win32/WideText.h"

namespace {

TEST_F(SmallTree, ScansTheFolderGivenAndShowsItsLevel) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  EXPECT_EQ(WideToUtf8(velmora.Caption()), Caption());
  EXPECT_EQ(velmora.ListLines(),
            (std::vector<std::string>{"148.0   big.iso", "88.0   \\music", "40.0   \\docs", "4.0   readme.txt"}));
  EXPECT_FALSE(velmora.UpEnabled());
  EXPECT_FALSE(velmora.Scanning());
  CloseCleanly(velmora);
}

TEST_F(SmallTree, OpenPicksAnotherFolderInTheShellsBrowser) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  velmora.ClickOpen();
  HWND dialog = velmora.WaitForWindow(L"Velmora - select tree");
  ASSERT_NE(dialog, nullptr);
  RECT bounds{};
  GetWindowRect(dialog, &bounds);
  EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - (bounds.right - bounds.left)) / 2);
  EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - (bounds.bottom - bounds.top)) / 2);

  // The folder scanned is preselected; choose its sub-folder Docs instead.
  HWND tree = velmora.Child(L"SysTreeView32", L"", dialog);
  ASSERT_NE(tree, nullptr);
  const auto selected = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  ASSERT_NE(selected, nullptr);
  const std::wstring root = Root();
  EXPECT_EQ(velmora.TreeItemText(tree, selected), root.substr(root.rfind(L'\\') + 1));
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(selected));
  auto child = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(selected)));
  while (child && velmora.TreeItemText(tree, child) != L"Docs")
    child = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
  ASSERT_NE(child, nullptr);
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(child));
  PostMessageW(velmora.Child(L"Button", L"OK", dialog), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return WideToUtf8(velmora.Caption()) == Caption(L"Docs\\") && !velmora.Scanning(); }));
  EXPECT_EQ(velmora.ListLines(), (std::vector<std::string>{"32.0   report.doc", "8.0   \\sub"}));

  // Cancelling scans nothing.
  velmora.ClickOpen();
  dialog = velmora.WaitForWindow(L"Velmora - select tree");
  ASSERT_NE(dialog, nullptr);
  PostMessageW(velmora.Child(L"Button", L"Cancel", dialog), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(WideToUtf8(velmora.Caption()), Caption(L"Docs\\"));
}

TEST_F(BigTree, CancelDuringAScanShowsAPartialTree) {
  const Velmora velmora(Root());
  // Well into the scan: the progress shows folders found.
  ASSERT_TRUE(WaitFor([&] {
    return velmora.Scanning() && velmora.Panel(2).find_first_of("123456789") != std::string::npos;
  }));
  velmora.PressKey(velmora.Window(), VK_ESCAPE);  // the Cancel button
  ASSERT_TRUE(velmora.WaitUntilShown());
  EXPECT_NE(velmora.Panel(1), "Files: 100");
  EXPECT_FALSE(velmora.ListLines().empty());
  EXPECT_FALSE(velmora.Scanning());
}

}  // namespace
