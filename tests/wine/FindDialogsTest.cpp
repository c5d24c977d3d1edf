// The largest files and file types dialogs over a small scanned tree, worked by the
// messages a user's clicks and keys send to their lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeFileSystem.h"
#include "WindowQueries.h"
#include "app/UsageView.h"
#include "app/win32/FileTypesDialog.h"
#include "app/win32/LargestFilesDialog.h"
#include "gui/win32/framework/Application.h"
#include "gui/win32/framework/Menu.h"
#include "win32/WideText.h"

#include <commctrl.h>

namespace {

using Rows = std::vector<std::string>;

// Each row's texts, joined by " | ", as its columns show them (the first is closed).
Rows RowsOf(HWND list) {
  Rows rows;
  const int columns = static_cast<int>(SendMessageW(ListView_GetHeader(list), HDM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < ListView_GetItemCount(list); ++row) {
    std::string text;
    for (int column = 0; column < columns; ++column) {
      wchar_t cell[260] = {};
      ListView_GetItemText(list, row, column, cell, 260);
      if (ListView_GetColumnWidth(list, column) > 0) text += (text.empty() ? "" : " | ") + WideToUtf8(cell);
    }
    rows.push_back(text);
  }
  return rows;
}

enum class Clicks { Single, Double };
void ClickRow(HWND list, int row, Clicks clicks) {
  RECT area{};
  ListView_GetItemRect(list, row, &area, LVIR_BOUNDS);
  const LPARAM at = MAKELPARAM(area.left + 5, area.top + 3);
  for (UINT down : {UINT{WM_LBUTTONDOWN}, UINT{WM_LBUTTONDBLCLK}}) {
    SendMessageW(list, down, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    if (clicks == Clicks::Single) return;
  }
}

// The first or second list of a dialog.
HWND List(const TForm& dialog, int index) {
  const HWND first = FindChild(dialog.Handle(), WC_LISTVIEWW);
  return index == 0 ? first : FindWindowExW(dialog.Handle(), first, WC_LISTVIEWW, nullptr);
}

// Offers everything, records what it is asked to do, and takes a recycled entry out of
// the tree as the main window does.
struct RecordingTarget : EntryActionTarget {
  EntryActions Offered(const TFolderData&) const override {
    return {EntryAction::Open, EntryAction::ShowInExplorer, EntryAction::CopyPath, EntryAction::Recycle};
  }
  bool Act(EntryAction action, const TFolderData& entry) override {
    Done.push_back(std::string(entry.Name()));
    if (action != EntryAction::Recycle) return false;
    entry.OwnerList->Remove(entry);
    return true;
  }
  std::vector<std::string> Done;
};

// C:\Data with two PDF files (one upper-cased), two text files and one without an
// extension, shown in KB with a comma for decimals.
class FindDialogs : public ::testing::Test {
 protected:
  FindDialogs() {
    fs.AddFile("C:\\Data\\a.pdf", 3000);
    fs.AddFile("C:\\Data\\b.txt", 100);
    fs.AddFile("C:\\Data\\Sub\\c.PDF", 5000);
    fs.AddFile("C:\\Data\\Sub\\README", 150);
    fs.AddFile("C:\\Data\\Sub\\d.txt", 2000);
    root.Reset("C:\\Data\\");
    root.Scan(cancel, 512, false, nullptr, fs);
    owner.Show();
  }
  template <typename Dialog>
  void Show(Dialog& dialog) {
    dialog.Root = &root;
    dialog.Units = kUnitsKB;
    dialog.Locale = {.ThousandSeparator = ".", .DecimalSeparator = ","};
    dialog.Show();
    Application().ProcessMessages();
  }

  FakeFileSystem fs;
  TFolderList root;
  bool cancel = false;
  RecordingTarget target;
  TFinalForm<TForm> owner{TFormOptions{.Caption = "Owner", .Design = {0, 0, 300, 200}}};
};

TEST_F(FindDialogs, LargestFilesListsSizesSharesAndPathsLosesARecycledOneAndADoubleClickChoosesOne) {
  TFinalForm<TLargestFilesDialog> dialog{owner, target};
  Show(dialog);
  const HWND list = List(dialog, 0);
  EXPECT_EQ(RowsOf(list), (Rows{"4,9 KB | 48,8% | Sub\\c.PDF", "2,9 KB | 29,3% | a.pdf", "2,0 KB | 19,5% | Sub\\d.txt",
                                "0,1 KB | 1,5% | Sub\\README", "0,1 KB | 1,0% | b.txt"}));
  // Del on a row: the main window recycles the file, and the list is of what is left.
  ClickRow(list, 3, Clicks::Single);
  SendMessageW(list, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(target.Done, Rows{"README"});
  EXPECT_EQ(ListView_GetItemCount(list), 4);
  EXPECT_EQ(RowsOf(list)[0], "4,9 KB | 49,5% | Sub\\c.PDF");
  ClickRow(list, 2, Clicks::Double);
  ASSERT_NE(dialog.FileToShow, nullptr);
  EXPECT_EQ(dialog.FileToShow->Name(), "d.txt");
  EXPECT_EQ(dialog.ModalResult(), TModalResult::Ok);
  dialog.Hide();
  EXPECT_EQ(ListView_GetItemCount(list), 0);
}

TEST_F(FindDialogs, FileTypesListTheChosenTypesFilesAndEnterChoosesOne) {
  TFinalForm<TFileTypesDialog> dialog{owner, target};
  Show(dialog);
  const HWND types = List(dialog, 0);
  const HWND files = List(dialog, 1);
  EXPECT_EQ(RowsOf(types), (Rows{".pdf | 7,8 KB | 2 | 78,0%", ".txt | 2,1 KB | 2 | 20,5%",
                                 "(no extension) | 0,1 KB | 1 | 1,5%"}));
  EXPECT_EQ(RowsOf(files), (Rows{"4,9 KB | 48,8% | Sub\\c.PDF", "2,9 KB | 29,3% | a.pdf"}));
  ClickRow(types, 2, Clicks::Single);
  EXPECT_EQ(RowsOf(files), (Rows{"0,1 KB | 1,5% | Sub\\README"}));
  EXPECT_EQ(WindowText(FindChild(dialog.Handle(), L"Static")), L"Largest files of type (no extension):");
  ClickRow(types, 1, Clicks::Single);
  EXPECT_EQ(RowsOf(files), (Rows{"2,0 KB | 19,5% | Sub\\d.txt", "0,1 KB | 1,0% | b.txt"}));
  ClickRow(files, 1, Clicks::Single);
  EXPECT_EQ(dialog.FileToShow, nullptr);
  SendMessageW(files, WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_NE(dialog.FileToShow, nullptr);
  EXPECT_EQ(dialog.FileToShow->Name(), "b.txt");
}

// The rows a context menu is for: the one under the mouse, none on blank space, the
// chosen one from the keyboard; and a deleted row goes.
TEST(ListView, ChoosesTheRowOfItsContextMenuAndLosesDeletedRows) {
  TFinalForm<TForm> form{TFormOptions{.Design = {0, 0, 300, 200}}};
  TListView list{form, {.Columns = {{.Caption = "Name", .Width = 100}}}, {.Bounds = {0, 0, 200, 150}}};
  std::vector<int> chosen;
  TPopupMenu menu{{.OnPopup = [&](TComponent&) {
    chosen.push_back(list.Selected());
    PostMessageW(list.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);  // closes the menu unchosen
  }}};
  TMenuItem item{menu, {.Caption = "&Open"}};
  list.PopupMenu = &menu;
  int objects[3] = {};
  for (int& object : objects) list.AddRow({"row"}, &object);
  form.Show();
  const auto rightClick = [&](POINT at) {
    ClientToScreen(list.Handle(), &at);
    SendMessageW(list.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.Handle()), MAKELPARAM(at.x, at.y));
  };
  RECT row{};
  ListView_GetItemRect(list.Handle(), 1, &row, LVIR_BOUNDS);
  rightClick({row.left + 5, row.top + 3});
  SendMessageW(list.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.Handle()), -1);
  rightClick({5, 140});
  EXPECT_EQ(chosen, (std::vector<int>{1, 1, -1}));
  list.DeleteRow(0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Object(0), &objects[1]);
}

}  // namespace
