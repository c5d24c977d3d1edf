// The file properties dialog and the about box of the running program, opened as a
// user opens them: a right-click on a file's segment, Help > About.
#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "E2eTrees.h"
#include "VelmoraDriver.h"
#include "win32/WideText.h"

#include <commctrl.h>

namespace {

class FileProperties : public TreeTest {
 protected:
  // Starts the program on a folder that holds one file, so the file's segment fills
  // the chart, and right-clicks it.
  HWND PropertiesOf(const Velmora& velmora, const std::wstring& name) {
    EXPECT_TRUE(velmora.WaitUntilShown());
    velmora.RightClickChart(std::numbers::pi / 2);
    return velmora.WaitForDialog(name + L" properties");
  }
  bool Shows(HWND dialog, const std::wstring& text) const { return FindChild(dialog, L"Static", text) != nullptr; }
  bool Ticked(HWND dialog, const wchar_t* box) const {
    return SendMessageW(FindChild(dialog, L"Button", box), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  int Tabs(HWND dialog) const {
    return static_cast<int>(SendMessageW(FindChild(dialog, L"SysTabControl32"), TCM_GETITEMCOUNT, 0, 0));
  }
  void CloseWithOk(HWND dialog) {
    PostMessageW(FindChild(dialog, L"Button", L"OK"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }));
  }
};

TEST_F(FileProperties, OfAProgramWithVersionData) {
  ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), (temp.Path() + L"Velmora.exe").c_str(), FALSE));
  const Velmora velmora(Root());
  HWND dialog = PropertiesOf(velmora, L"Velmora.exe");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(Shows(dialog, L"Velmora.exe"));
  EXPECT_TRUE(Shows(dialog, temp.Path()));  // the location
  EXPECT_EQ(Tabs(dialog), 2);
  velmora.ClickTab(FindChild(dialog, L"SysTabControl32"), 1);
  EXPECT_TRUE(Shows(dialog, L"1.1.0.0"));
  EXPECT_TRUE(Shows(dialog, L"Velmora disk usage pie chart"));
  EXPECT_TRUE(Shows(dialog, L"Copyright (C) 2026 Quillfen"));
  EXPECT_EQ(ListBoxLines(FindChild(dialog, L"ListBox")),
            (std::vector<std::string>{"Comments", "CompanyName", "InternalName", "OriginalFilename", "ProductName",
                                      "ProductVersion"}));
  CloseWithOk(dialog);
}

TEST_F(FileProperties, OfAHiddenReadOnlyFileNamedOutsideTheAnsiCodePageWhoseBoxesCannotBeChanged) {
  const std::wstring name = L".\u03A9mega \u65E5\u672C.dat";  // a leading dot hides it under Wine
  temp.MakeFile(name, 100, FILE_ATTRIBUTE_READONLY);
  const Velmora velmora(Root());
  HWND dialog = PropertiesOf(velmora, name);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(Shows(dialog, name));
  EXPECT_TRUE(Ticked(dialog, L"Hidden"));
  EXPECT_TRUE(Ticked(dialog, L"Read-only"));
  SendMessageW(FindChild(dialog, L"Button", L"Read-only"), BM_CLICK, 0, 0);
  EXPECT_TRUE(Ticked(dialog, L"Read-only"));
  EXPECT_TRUE(Shows(dialog, L"100 bytes (100 bytes)"));
  CloseWithOk(dialog);
}

TEST_F(FileProperties, NothingOpensForAFolderOrAFileThatHasGone) {
  temp.MakeFile(L"only\\inside.txt", 5000);
  {
    const Velmora velmora(Root());  // one folder fills the chart
    ASSERT_TRUE(velmora.WaitUntilShown());
    velmora.RightClickChart(std::numbers::pi / 2);
    EXPECT_EQ(velmora.WaitForWindow(L"inside.txt properties", 1500), nullptr);
  }
  const Velmora velmora(Root() + L"\\only");
  ASSERT_TRUE(velmora.WaitUntilShown());
  ASSERT_TRUE(DeleteFileW((temp.Path() + L"only\\inside.txt").c_str()));
  velmora.RightClickChart(std::numbers::pi / 2);
  EXPECT_EQ(velmora.WaitForWindow(L"inside.txt properties", 1500), nullptr);
  EXPECT_EQ(velmora.WaitForWindow(L"Error - can't find this file", 500), nullptr);
  EXPECT_TRUE(IsWindowEnabled(velmora.Window()));
}

TEST_F(SmallTree, AboutShowsTheProgramFromItsVersionResourceAndEscapeClosesIt) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  HWND about = velmora.OpenFromMenu(L'h', L'a', L"About Quillfen's Velmora");
  ASSERT_NE(about, nullptr);
  EXPECT_NE(FindChild(about, L"Static", L"Velmora.exe, V1.1.0.0, 2026 Dec 07"), nullptr);
  EXPECT_NE(FindChild(about, L"Static", L"Copyright (C) 2026 Quillfen"), nullptr);
  EXPECT_NE(FindChild(about, L"Static", L"May not be reproduced without permission"), nullptr);
  EXPECT_NE(FindChild(about, L"Static", L"velmora.quillfen.example"), nullptr);
  velmora.PressKey(FindChild(about, L"Button", L"OK"), VK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(about) && IsWindowEnabled(velmora.Window()); }));
}

}  // namespace
