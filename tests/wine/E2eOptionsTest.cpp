// The options dialog of the running program, worked as a user works it, with its
// consequences in the main window and in the registry.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "E2eTrees.h"
#include "VelmoraDriver.h"
#include "win32/WideText.h"

namespace {

class Options : public SmallTree {
 protected:
  // Opens the dialog from the View menu.
  HWND Open(const Velmora& velmora) {
    HWND dialog = velmora.OpenFromMenu(L'v', L'o', L"Velmora Options");
    EXPECT_NE(dialog, nullptr);
    return dialog;
  }
  void ShowPage(const Velmora& velmora, HWND dialog, int page) {
    velmora.ClickTab(velmora.Child(L"SysTabControl32", L"", dialog), page);
  }
  void Click(const Velmora& velmora, HWND dialog, const wchar_t* caption) {
    HWND control = velmora.Child(L"Button", caption, dialog);
    ASSERT_NE(control, nullptr) << WideToUtf8(caption);
    PostMessageW(control, BM_CLICK, 0, 0);
  }
  // Closes the dialog with its OK button; what it leads to may still be under way.
  void Ok(const Velmora& velmora, HWND dialog) {
    Click(velmora, dialog, L"OK");
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog) && IsWindowEnabled(velmora.Window()); }));
  }
};

TEST_F(Options, UnitsAloneRedisplayAndFreeSpaceWithUnitsRescans) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  temp.MakeFile(L"extra.bin", 1 << 20);  // shows only after a rescan
  HWND dialog = Open(velmora);
  HWND tabs = velmora.Child(L"SysTabControl32", L"", dialog);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 7);
  ShowPage(velmora, dialog, 1);
  Click(velmora, dialog, L"MB");
  Ok(velmora, dialog);
  EXPECT_TRUE(WaitFor([&] { return velmora.FirstLine() == "0.14   big.iso"; })) << velmora.FirstLine();
  EXPECT_EQ(velmora.SelectedUnits(), 2);
  for (const std::string& line : velmora.ListLines()) EXPECT_EQ(line.find("extra.bin"), std::string::npos);

  dialog = Open(velmora);
  Click(velmora, dialog, L"Show free disk space");
  Click(velmora, dialog, L"Bytes");
  Ok(velmora, dialog);
  // Scanned again, in bytes.
  EXPECT_TRUE(WaitFor([&] { return velmora.FirstLine() == "1048576   extra.bin"; })) << velmora.FirstLine();
  EXPECT_EQ(velmora.SelectedUnits(), 0);
  CloseCleanly(velmora);
  EXPECT_EQ(StoredInteger(L"Display units"), 0u);
  EXPECT_EQ(StoredInteger(L"DisplayFreeDiskSpace"), 0u);
}

TEST_F(Options, AColourAndAFontRestyleTheMainWindowAndAreStored) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  const auto lineHeight = [&] {
    return SendMessageW(velmora.Child(L"ListBox", L""), LB_GETITEMHEIGHT, 0, 0);
  };
  const LRESULT designLineHeight = lineHeight();
  HWND dialog = Open(velmora);
  ShowPage(velmora, dialog, 6);

  // A double-click on the preview's first segment edits colour 0 in the colour dialog.
  HWND panel = velmora.Child(L"VelmoraPanel", L"", dialog);  // the preview chart's
  ASSERT_NE(panel, nullptr);
  const double scale = GetDeviceCaps(GetDC(nullptr), LOGPIXELSY) / 96.0;
  const int cx = static_cast<int>((72 + 72) * scale), cy = static_cast<int>((8 + 72) * scale);
  const LPARAM onFirst = MAKELPARAM(cx + static_cast<int>(35 * scale * std::cos(0.5)),
                                    cy - static_cast<int>(35 * scale * std::sin(0.5)));
  for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMessageW(panel, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, onFirst);
  HWND colours = velmora.WaitForDialog(L"Color");
  ASSERT_NE(colours, nullptr);
  RECT basic{};
  GetWindowRect(GetDlgItem(colours, 720), &basic);  // the grid of basic colours
  MapWindowPoints(HWND_DESKTOP, colours, reinterpret_cast<POINT*>(&basic), 2);
  SendMessageW(colours, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(basic.left + 4, basic.top + 4));
  SendMessageW(colours, WM_LBUTTONUP, 0, MAKELPARAM(basic.left + 4, basic.top + 4));
  PostMessageW(GetDlgItem(colours, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(colours) || !IsWindowVisible(colours); }));

  // The list font in 14 points.
  Click(velmora, dialog, L"List Font");
  HWND fonts = velmora.WaitForDialog(L"Font");
  ASSERT_NE(fonts, nullptr);
  HWND sizes = GetDlgItem(fonts, 1138);
  SendMessageW(sizes, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"14"));
  SendMessageW(fonts, WM_COMMAND, MAKEWPARAM(1138, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
  PostMessageW(GetDlgItem(fonts, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(fonts) || !IsWindowVisible(fonts); }));
  Ok(velmora, dialog);

  EXPECT_TRUE(WaitFor([&] { return lineHeight() > designLineHeight; }));
  CloseCleanly(velmora);
  EXPECT_EQ(StoredInteger(L"ListboxFont.Size"), 14u);
  const std::wstring colours0 = StoredText(HKEY_CURRENT_USER, kSettingsKey, L"PieChartColours");
  EXPECT_NE(colours0.substr(0, 9), L"$00E0E0FF");
  EXPECT_EQ(colours0.substr(9), L",$00E0FFFF,$00E0FFE0,$00FFFFE0,$00FFE0E0,$00FFE0FF");
}

}  // namespace
