// The main window over an in-memory disk, driven by the messages its controls send
// when a user works them: two swapped handlers would fail here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "FakeFileFacts.h"
#include "FakeMachine.h"
#include "GdiObjectCount.h"
#include "VersionBlockBuilder.h"
#include "WindowQueries.h"
#include "app/MainLayout.h"
#include "app/win32/FormMain.h"
#include "gui/win32/framework/Application.h"
#include "win32/WideText.h"

#include <commctrl.h>

namespace {

using Lines = std::vector<std::string>;

void Pump() { Application().ProcessMessages(); }

// Drive C: of 4096-byte clusters with compression and 1 GiB free.
class MainWindow : public ::testing::Test, protected FakeMachine {
 protected:
  MainWindow() {
    volume.Drives["C:\\"] = {{8, 512, 262144, 1000000}, VolumeApi::FreeSpaceEx{0, 0, 1u << 30}, 0x10};
    fs.AddFile("C:\\Data\\readme.txt", 100);
    fs.AddFile("C:\\Data\\Sub\\big.bin", 10000);
    fs.AddFile("C:\\Data\\Sub\\Deeper\\x.dat", 5000);
    fs.AddFile("C:\\other.txt", 1);
  }
  // Starts as the program does: the window shown, the first scan from its start-up tick.
  void Start(std::optional<std::string> argument) {
    form = std::make_unique<TFinalForm<TMainForm>>(platform, std::move(argument));
    form->Show();
    ASSERT_TRUE(WaitFor([&] { return Caption().rfind("Velmora - ", 0) == 0 && !form->Scanning(); }, 5000, Pump));
  }

  HWND Window() const { return form->Handle(); }
  std::string Caption() const { return WideToUtf8(WindowText(Window())); }
  HWND List() const { return FindChild(Window(), L"ListBox"); }
  Lines ListLines() const { return ListBoxLines(List()); }
  std::string FirstLine() const { return ListBoxFirstLine(List()); }
  HWND Button(const wchar_t* caption) const { return FindChild(Window(), L"Button", caption); }
  HWND Selector(int index) const {  // 0 units, 1 measure
    HWND combo = FindChild(Window(), L"ComboBox");
    return index == 0 ? combo : FindWindowExW(GetParent(combo), combo, L"ComboBox", nullptr);
  }
  std::string Panel(int index) const {
    wchar_t text[1024] = {};
    SendMessageW(FindChild(Window(), L"msctls_statusbar32"), SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text));
    return WideToUtf8(text);
  }
  bool Idle() const {
    return !form->Scanning() && !IsWindowEnabled(Button(L"Cancel")) && IsWindowEnabled(ToolButton(0)) &&
           IsWindowEnabled(ToolButton(1));
  }
  HWND ToolButton(int index) const {
    HWND button = nullptr;
    for (int i = 0; i <= index; ++i) button = FindWindowExW(GetParent(Selector(0)), button, L"Button", L"");
    return button;
  }

  // The messages of a user's actions.
  void Choose(const wchar_t* menuItem) { SendMessageW(Window(), WM_COMMAND, MenuCommand(Window(), menuItem), 0); }
  void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
  void Tick(const wchar_t* timer) {
    SendMessageW(FindWindowExW(HWND_MESSAGE, nullptr, L"VelmoraTimer", timer), WM_TIMER, 1, 0);
  }
  void Select(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  }
  enum class Clicks { Single, Double };
  void ClickLine(const std::string& line, Clicks clicks) {
    const Lines lines = ListLines();
    const auto index = std::find(lines.begin(), lines.end(), line) - lines.begin();
    ASSERT_LT(index, static_cast<long>(lines.size())) << line;
    RECT area{};
    SendMessageW(List(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&area));
    const LPARAM at = MAKELPARAM(area.left + 5, area.top + 3);
    SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(List(), WM_LBUTTONUP, 0, at);
    if (clicks == Clicks::Single) return;
    SendMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(List(), WM_LBUTTONUP, 0, at);
  }
  // A double-click on the chart at an angle from its centre, half way to the rim.
  void DoubleClickChart(double angle) {
    const TRect chart = Chart();
    const int radius = chart.Width / 2;
    const LPARAM at = MAKELPARAM(chart.Left + radius + static_cast<int>(std::cos(angle) * radius / 2),
                                 chart.Top + radius - static_cast<int>(std::sin(angle) * radius / 2));
    SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Window(), WM_LBUTTONUP, 0, at);
    SendMessageW(Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(Window(), WM_LBUTTONUP, 0, at);
  }
  // Where the window puts its chart, given where its list and bars are.
  TRect Chart() const {
    RECT list{}, status{}, tools{};
    GetWindowRect(List(), &list);
    MapWindowPoints(HWND_DESKTOP, Window(), reinterpret_cast<POINT*>(&list), 2);
    GetWindowRect(FindChild(Window(), L"msctls_statusbar32"), &status);
    GetWindowRect(FindChild(Window(), L"VelmoraPanel"), &tools);
    return ChartBounds({list.left, list.top, list.right - list.left, list.bottom - list.top}, form->ClientSize(),
                       tools.bottom - tools.top, status.bottom - status.top, form->Scale);
  }
  int Listings(const std::string& path) const {
    int count = 0;
    for (const std::string& event : fs.Events) count += event == "list " + path;
    return count;
  }
  const RegistryValue* Stored(std::string_view name) const {
    return registry.Value(TRootKey::CurrentUser, "\\Software\\Quillfen\\Velmora", name);
  }
  void Store(std::string_view name, RegistryValue value) {
    registry.Set(TRootKey::CurrentUser, "\\Software\\Quillfen\\Velmora", name, std::move(value));
  }

  std::unique_ptr<TFinalForm<TMainForm>> form;
};

TEST_F(MainWindow, StartsByScanningTheArgumentAndShowingItsRoot) {
  Start("C:\\Data");
  EXPECT_EQ(Caption(), "Velmora - C:\\Data\\");
  EXPECT_EQ(ListLines(), (Lines{"20.0   \\sub", "4.0   readme.txt"}));
  EXPECT_EQ(Panel(0), "24.0 KB");
  EXPECT_EQ(Panel(1), "Files: 3");
  EXPECT_EQ(Panel(2), "Folders: 2");
  EXPECT_EQ(Panel(3), "C:\\Data\\....");
  EXPECT_EQ(WindowText(FindChild(Window(), L"Static", L"Max path: 24")), L"Max path: 24");
  EXPECT_FALSE(IsWindowEnabled(Button(L"&Up")));
  EXPECT_TRUE(Idle());
}

TEST_F(MainWindow, ADriveRootShowsItsFreeSpaceAndWhetherItsSizesAreCompressed) {
  Start("C:");
  EXPECT_EQ(FirstLine(), "-1048576.0   (c: free space)");
  EXPECT_NE(FindChild(Window(), L"Static", L"Compressed sizes"), nullptr);
  volume.Drives["C:\\"].Flags = 0;
  Choose(L"&Refresh");
  EXPECT_FALSE(IsWindowVisible(FindChild(Window(), L"Static", L"Compressed sizes")));
}

TEST_F(MainWindow, RequestsDuringAScanAreDroppedNotQueued) {
  Start("C:\\Data");
  fs.Events.clear();
  std::vector<std::string> progress;
  fs.OnProcessMessages = [&] {
    EXPECT_FALSE(IsWindowEnabled(ToolButton(0)));
    Choose(L"&Refresh");
    Tick(L"TimerRepeatScan");
    Tick(L"Timer2");
    progress.push_back(Panel(1) + " | " + Panel(3));
  };
  Choose(L"&Refresh");
  EXPECT_EQ(Listings("C:\\Data\\"), 1);
  EXPECT_EQ(Listings("C:\\Data\\Sub\\"), 1);
  EXPECT_EQ(progress, (Lines{"Files: 0 | Scanning C:\\Data\\...", "Files: 1 | Scanning C:\\Data\\Sub\\...",
                             "Files: 1 | Scanning C:\\Data\\Sub\\Deeper\\..."}));
  EXPECT_TRUE(Idle());
}

TEST_F(MainWindow, SelectorsDuringAScanRecordTheirChoiceAndShowNothing) {
  Start("C:\\Data");
  fs.OnProcessMessages = [&] {
    Select(Selector(0), 0);
    EXPECT_TRUE(ListLines().empty());
  };
  Choose(L"&Refresh");
  EXPECT_EQ(FirstLine(), "20480   \\sub");
}

TEST_F(MainWindow, ClosingDuringAScanStopsItAndSavesTheSettings) {
  Start("C:\\Data");
  fs.OnProcessMessages = [&] { SendMessageW(Window(), WM_CLOSE, 0, 0); };
  Choose(L"&Refresh");
  EXPECT_TRUE(Idle());
  EXPECT_EQ(Listings("C:\\Data\\Sub\\Deeper\\"), 1);  // only the first scan got there
  EXPECT_NE(Stored("Display units"), nullptr);
  EXPECT_NE(registry.Value(TRootKey::CurrentUser, "\\Software\\Quillfen\\form_tests", "FormLeft"), nullptr);
}

TEST_F(MainWindow, EachControlLeadsToItsOwnAction) {
  Start("C:\\Data");
  const size_t events = fs.Events.size();
  DoubleClickChart(std::numbers::pi / 2);  // straight up: in "\sub", the larger segment
  EXPECT_EQ(Caption(), "Velmora - C:\\Data\\Sub\\");
  EXPECT_TRUE(IsWindowEnabled(Button(L"&Up")));
  ClickLine("12.0   big.bin", Clicks::Single);
  EXPECT_EQ(TWinControl::FromHandle(List())->Hint, "big.bin");
  ClickLine("8.0   \\deeper", Clicks::Double);
  EXPECT_EQ(Caption(), "Velmora - C:\\Data\\Sub\\Deeper\\");
  Click(Button(L"&Up"));
  EXPECT_EQ(Caption(), "Velmora - C:\\Data\\Sub\\");
  ClickLine("0.0   ..", Clicks::Double);
  EXPECT_EQ(Caption(), "Velmora - C:\\Data\\");

  Select(Selector(1), 0);  // nominal
  Select(Selector(0), 4);  // count
  EXPECT_EQ(ListLines(), (Lines{"2   \\sub", "1   readme.txt"}));
  EXPECT_EQ(Panel(0), "15,100 bytes");
  EXPECT_EQ(fs.Events.size(), events);  // nothing was rescanned

  Tick(L"TimerRepeatScan");
  EXPECT_EQ(Listings("C:\\Data\\"), 2);
  Choose(L"&Refresh");
  EXPECT_EQ(Listings("C:\\Data\\"), 3);
  Click(Button(L"E&xit"));
  EXPECT_FALSE(IsWindowVisible(Window()));
  EXPECT_EQ(Stored("Display units")->Integer, 4);
  EXPECT_EQ(Stored("Display mode")->Integer, 0);
}

// The list's context menu is for the line under the mouse, or the chosen one from the
// keyboard; Ctrl+C works while the list has the focus.
TEST_F(MainWindow, TheListsMenuActsOnTheLineItIsFor) {
  Start("C:\\Data");
  const auto menuChoosing = [&](WPARAM key, LPARAM at) {
    PostMessageW(List(), WM_KEYDOWN, key, 0);  // read by the menu's own loop
    SendMessageW(List(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()), at);
  };
  RECT line{};
  SendMessageW(List(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&line));  // "\sub"
  POINT at{line.left + 5, line.top + 3};
  ClientToScreen(List(), &at);
  menuChoosing('C', MAKELPARAM(at.x, at.y));
  ClickLine("4.0   readme.txt", Clicks::Single);
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(List(), WM_KEYDOWN, 'C', 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(platform.Actions.Calls, (Lines{"copy C:\\Data\\Sub", "copy C:\\Data\\readme.txt"}));
  ClickLine("20.0   \\sub", Clicks::Single);
  menuChoosing('O', -1);  // Open a folder: its level, as a double-click
  EXPECT_EQ(Caption(), "Velmora - C:\\Data\\Sub\\");
  EXPECT_EQ(platform.Actions.Calls.size(), 2u);
}

TEST_F(MainWindow, KeepsItsChartSquareAndItsMinimumSize) {
  Start("C:\\Data");
  const int minWidth = form->Width(), minHeight = form->Height();
  form->SetBounds(0, 0, minWidth + 300, minHeight + 100);
  RECT list{};
  GetWindowRect(List(), &list);
  MapWindowPoints(HWND_DESKTOP, Window(), reinterpret_cast<POINT*>(&list), 2);
  EXPECT_EQ(list.right, form->ClientWidth() - form->Scale(5));
  form->SetBounds(0, 0, 100, 100);
  EXPECT_EQ(form->Width(), minWidth);
  EXPECT_EQ(form->Height(), minHeight);
}

TEST_F(MainWindow, StartUpShowsTheStoredChoicesAndAnUnusablePaletteGivesWay) {
  Store("Display units", {RegistryValue::Kind::Integer, 2, {}});
  Store("Display mode", {RegistryValue::Kind::Integer, 258, {}});
  Store("PieChartColours", {RegistryValue::Kind::Text, 0, "zz"});
  Start("C:\\Data");
  EXPECT_EQ(SendMessageW(Selector(0), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(SendMessageW(Selector(1), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(FirstLine(), "0.01   \\sub");  // MB of slack: 5,480 bytes
  SendMessageW(Window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Stored("PieChartColours")->Text, kDesignPalette);
}

TEST_F(MainWindow, RescansLeaveNoGdiObjectOrHandleBehind) {
  Start("C:\\Data");
  const auto settle = [&] {
    Choose(L"&Refresh");
    Pump();
    UpdateWindow(Window());
  };
  settle();
  const long gdi = GdiObjectsOfThisProcess();
  const long icons = LiveHandles(HandleKind::Icon), gdiHandles = LiveHandles(HandleKind::GdiObject);
  for (int i = 0; i < 10; ++i) settle();
  EXPECT_EQ(GdiObjectsOfThisProcess(), gdi);
  EXPECT_EQ(LiveHandles(HandleKind::Icon), icons);
  EXPECT_EQ(LiveHandles(HandleKind::GdiObject), gdiHandles);
}

// The options dialog, worked as a user would while the main window waits for it.
class OptionsFromTheMainWindow : public MainWindow {
 protected:
  HWND Dialog() const { return FindWindowW(L"VelmoraForm", L"Velmora Options"); }
  HWND InDialog(const wchar_t* className, const wchar_t* caption) const {
    return FindChild(Dialog(), className, caption);
  }
  // Opens the dialog and, once it shows, does what `work` does, which ends by closing it.
  void WhileOptionsShow(const std::function<void()>& work) {
    TTimer shown({.Interval = 10});
    shown.OnTimer = [&](TComponent&) {
      shown.SetEnabled(false);
      work();
    };
    Choose(L"&Options...");
    EXPECT_FALSE(IsWindowVisible(Dialog()));
  }
  HWND Ok() const { return InDialog(L"Button", L"OK"); }
};

TEST_F(OptionsFromTheMainWindow, ShowsTheHeldSettingsWithTheIntervalWithinItsRangeAndTakesThemOnlyOnOk) {
  Store("RepeatInterval", {RegistryValue::Kind::Integer, 5000, {}});
  Store("Display mode", {RegistryValue::Kind::Integer, 2, {}});
  Start("C:\\Data");
  WhileOptionsShow([&] {
    EXPECT_EQ(WindowText(FindChild(Dialog(), L"Edit")), L"1440");
    EXPECT_EQ(SendMessageW(InDialog(L"Button", L"Show only the slack space"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(InDialog(L"Button", L"Show actual space on disk, with slack"), BM_GETCHECK, 0, 0),
              BST_UNCHECKED);
    EXPECT_EQ(ListBoxLines(FindChild(Dialog(), L"ListBox")), (Lines{"20   Colour0", "19   Colour1", "18   Colour2",
                                                                 "17   Colour3", "16   Colour4", "15   Colour5"}));
    Click(InDialog(L"Button", L"Show free disk space"));
    Click(InDialog(L"Button", L"Cancel"));
  });
  EXPECT_TRUE(form->Settings().DisplayFreeDiskSpace);  // a cancelled dialog changes nothing
  EXPECT_EQ(form->Settings().RepeatInterval, 5000);
  WhileOptionsShow([&] { Click(Ok()); });  // shown again, the interval as it shows
  // Free space is shown, so the measure is allocated whatever was chosen.
  EXPECT_EQ(form->Settings().DisplayMode, 1);
  EXPECT_EQ(form->Settings().RepeatInterval, 1440);
}

}  // namespace

namespace {

// The dialog shows what DescribeFile makes of each file, anew at each showing: the
// Version page only for a file with version data, the error display for one not there.
TEST(FilePropertiesDialog, ShowsEachFileAfreshAndTheErrorForOneThatIsGone) {
  FakeFileFacts facts;
  facts.Files["C:\\app.exe"] = {.Name = "app.exe"};
  facts.Files["C:\\empty.txt"] = {.Name = "empty.txt"};
  facts.Versions["C:\\app.exe"] = {
      .Present = true, .Block = Serialize(StandardBlock({}, {{"04090000", {{"Comments", "Note"}}}}, {0x09, 0x04}))};
  TFinalForm<TForm> owner{TFormOptions{}};
  TFinalForm<TfrmFileProperties1> dialog(owner, facts);
  const auto show = [&](const std::string& file, const std::function<void()>& look) {
    dialog.FileName = file;
    TTimer shown({.Interval = 10});
    shown.OnTimer = [&](TComponent&) {
      shown.SetEnabled(false);
      look();
      SendMessageW(FindChild(dialog.Handle(), L"Button", L"OK"), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.ShowModal(), TModalResult::Ok);
  };
  HWND tabs = FindChild(dialog.Handle(), L"SysTabControl32");
  HWND names = FindChild(dialog.Handle(), L"ListBox");
  show("C:\\app.exe", [&] {
    EXPECT_EQ(WindowText(dialog.Handle()), L"app.exe properties");
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(ListBoxLines(names), (Lines{"Comments"}));
  });
  show("C:\\empty.txt", [&] {
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_TRUE(ListBoxLines(names).empty());
    EXPECT_NE(FindChild(dialog.Handle(), L"Static", L"0 bytes (0 bytes)"), nullptr);
  });
  show("C:\\gone.txt", [&] {
    EXPECT_EQ(WindowText(dialog.Handle()), L"Error - can't find this file");
    EXPECT_FALSE(IsWindowVisible(tabs));
    EXPECT_EQ(WindowText(FindChild(dialog.Handle(), L"VelmoraPanel")), L"C:\\gone.txt");
  });
}

}  // namespace
