#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "FakeFileSystem.h"
#include "FakeVolumeApi.h"
#include "MemoryRegistry.h"
#include "app/win32/FormMain.h"
#include "gui/win32/Application.h"

namespace {

std::vector<std::string> ListLines(const TListBox& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Item(i));
  return lines;
}

int IndexOf(const TListBox& list, const std::string& line) {
  for (int i = 0; i < list.Count(); ++i)
    if (list.Item(i) == line) return i;
  return -1;
}

// The main window over an in-memory disk: drive C: of 4096-byte clusters with
// compression and 1 GiB free.
class MainWindow : public ::testing::Test {
 protected:
  MainWindow() {
    volume.Drives["C:\\"] = {{8, 512, 262144, 1000000}, VolumeApi::FreeSpaceEx{0, 0, 1u << 30}, 0x10};
    fs.AddFile("C:\\Data\\readme.txt", 100);
    fs.AddFile("C:\\Data\\Sub\\big.bin", 10000);
    fs.AddFile("C:\\Data\\Sub\\Deeper\\x.dat", 5000);
    fs.AddFile("C:\\other.txt", 1);
  }
  // Starts as the program would, with that argument.
  std::unique_ptr<TMainForm> Start(std::optional<std::string> argument) {
    auto form = std::make_unique<TMainForm>(fs, volume, registry, std::move(argument));
    form->Timer1.SetEnabled(false);  // the test takes the start-up tick itself
    form->Timer1Timer(*form);
    return form;
  }
  static bool Idle(TMainForm& form) {
    return !form.Scanning && !form.CancelScan && !form.BitBtnCancel.Enabled() && form.OpenBtn.Enabled() &&
           form.PrintBtn.Enabled() && !form.Timer2.Enabled();
  }
  int Listings(const std::string& path) const {
    int count = 0;
    for (const std::string& event : fs.Events) count += event == "list " + path;
    return count;
  }

  FakeFileSystem fs;
  FakeVolumeApi volume;
  MemoryRegistry registry;
};

TEST_F(MainWindow, StartsByScanningTheArgumentAndShowingItsRoot) {
  const auto form = Start("C:\\Data");
  EXPECT_EQ(form->Caption(), "Velmora - C:\\Data\\");
  EXPECT_EQ(ListLines(form->ListBox1), (std::vector<std::string>{"20.0   \\sub", "4.0   readme.txt"}));
  EXPECT_EQ(form->StatusBar.PanelText(0), "24.0 KB");
  EXPECT_EQ(form->StatusBar.PanelText(1), "Files: 3");
  EXPECT_EQ(form->StatusBar.PanelText(2), "Folders: 2");
  EXPECT_EQ(form->StatusBar.PanelText(3), "C:\\Data\\....");
  EXPECT_EQ(form->lblMaxFileNameLength.Caption(), "Max path: 24");
  EXPECT_FALSE(form->BitBtnUp.Enabled());
  EXPECT_TRUE(Idle(*form));
  EXPECT_EQ(form->PrintTitle, "Velmora - C:\\Data\\");
  EXPECT_EQ(form->BrowseDirectoryDlg1.Selection(), "C:\\Data");  // no such folder on this machine
  EXPECT_FALSE(form->Timer1.Enabled());
}

TEST_F(MainWindow, ADriveRootGetsItsFreeSpaceAndCompressedSizes) {
  auto form = Start("C:");
  EXPECT_EQ(form->ScanPath, "C:\\");
  ASSERT_GE(form->ListBox1.Count(), 1);
  EXPECT_EQ(form->ListBox1.Item(0), "-1048576.0   (c: free space)");
  EXPECT_EQ(form->StatusBar.PanelText(1), "Files: 4");  // the free space is no file of the level
  EXPECT_TRUE(form->lblCompressed.Visible());
  EXPECT_EQ(form->lblCompressed.Caption(), "Compressed sizes");

  form->DisplayCompressed = 2;
  form->ScanPath = "C:\\Data";
  form->RunScan();
  EXPECT_EQ(form->DisplayCompressed, 2);  // a folder leaves the choice alone
  EXPECT_EQ(form->lblCompressed.Caption(), "Uncompressed sizes");
  form->ScanPath = "C:\\";
  form->RunScan();
  EXPECT_EQ(form->DisplayCompressed, 1);

  volume.Drives["C:\\"].SpaceEx->TotalFreeBytes = 0;
  volume.Drives["C:\\"].Flags = 0;
  form->RunScan();
  EXPECT_EQ(IndexOf(form->ListBox1, "-1048576.0   (c: free space)"), -1);
  EXPECT_FALSE(form->lblCompressed.Visible());
}

TEST_F(MainWindow, RequestsDuringAScanAreDroppedNotQueued) {
  auto form = Start("C:\\Data");
  fs.Events.clear();
  fs.OnProcessMessages = [&] {
    EXPECT_TRUE(form->Scanning);
    EXPECT_TRUE(form->BitBtnCancel.Enabled());
    EXPECT_FALSE(form->OpenBtn.Enabled());
    form->Refresh1Click(*form);
    form->TimerRepeatScanTimer(*form);
  };
  form->Refresh1Click(*form);
  EXPECT_EQ(Listings("C:\\Data\\"), 1);
  EXPECT_EQ(Listings("C:\\Data\\Sub\\"), 1);
  EXPECT_TRUE(Idle(*form));
}

TEST_F(MainWindow, ProgressShowsTheRootCountsAndTheFolderBeingScanned) {
  auto form = Start("C:\\Data");
  std::vector<std::string> seen;
  fs.OnProcessMessages = [&] {
    form->Timer2Timer(*form);
    seen.push_back(form->StatusBar.PanelText(1) + " | " + form->StatusBar.PanelText(3));
  };
  form->RunScan();
  EXPECT_EQ(seen, (std::vector<std::string>{"Files: 0 | Scanning C:\\Data\\...",
                                            "Files: 1 | Scanning C:\\Data\\Sub\\...",
                                            "Files: 1 | Scanning C:\\Data\\Sub\\Deeper\\..."}));
}

TEST_F(MainWindow, CancelShowsThePartialTreeAndRestoresTheWindow) {
  auto form = Start("C:\\Data");
  int pumps = 0;
  fs.OnProcessMessages = [&] {
    if (++pumps == 3) form->btnStopClick(form->BitBtnCancel);  // before Deeper is listed
  };
  form->RunScan();
  EXPECT_TRUE(Idle(*form));
  EXPECT_EQ(form->StatusBar.PanelText(1), "Files: 2");
  EXPECT_EQ(form->Caption(), "Velmora - C:\\Data\\");
}

TEST_F(MainWindow, SelectorsDuringAScanNeverReachTheOldTree) {
  auto form = Start("C:\\Data");
  fs.OnProcessMessages = [&] {
    EXPECT_EQ(form->CurrentLevel, nullptr);
    form->cbxUnits.SetItemIndex(0);
    form->cbxUnitsChange(form->cbxUnits);  // records the choice, shows nothing
    EXPECT_EQ(form->ListBox1.Count(), 0);
  };
  form->RunScan();
  EXPECT_EQ(form->DisplayUnits, 0);
  EXPECT_EQ(form->ListBox1.Item(0), "20480   \\sub");
}

TEST_F(MainWindow, AnErrorInTheWalkStillRestoresTheWindowWithThePartialTree) {
  auto form = Start("C:\\Data");
  int pumps = 0;
  fs.OnProcessMessages = [&] {
    if (++pumps == 2) throw std::runtime_error("disk gone");
  };
  EXPECT_THROW(form->RunScan(), std::runtime_error);
  EXPECT_TRUE(Idle(*form));
  EXPECT_EQ(form->CurrentLevel, &form->RootLevel);
  EXPECT_EQ(ListLines(form->ListBox1), std::vector<std::string>{"4.0   readme.txt"});
}

TEST_F(MainWindow, ClosingDuringAScanStopsIt) {
  auto form = Start("C:\\Data");
  fs.OnProcessMessages = [&] { form->Close(); };
  form->RunScan();
  EXPECT_TRUE(Idle(*form));
  EXPECT_EQ(Listings("C:\\Data\\Sub\\Deeper\\"), 1);  // only the first scan got there
}

// Drilling down and back is shown end to end; here what only the form can tell.
TEST_F(MainWindow, NavigatesAndRedisplaysWithoutRescanning) {
  auto form = Start("C:\\Data");
  const size_t events = fs.Events.size();
  TListBox& list = form->ListBox1;
  list.SetItemIndex(IndexOf(list, "20.0   \\sub"));
  form->ListBox1DblClick(list);
  EXPECT_EQ(form->Caption(), "Velmora - C:\\Data\\Sub\\");
  list.SetItemIndex(IndexOf(list, "12.0   big.bin"));
  form->ListBox1Click(list);
  EXPECT_EQ(list.Hint, "big.bin");
  form->ListBox1DblClick(list);  // a file goes up, like ".."
  EXPECT_EQ(form->Caption(), "Velmora - C:\\Data\\");

  form->cbxDisplay.SetItemIndex(0);
  form->cbxDisplayChange(form->cbxDisplay);
  form->cbxUnits.SetItemIndex(4);
  form->cbxUnitsChange(form->cbxUnits);
  EXPECT_EQ(ListLines(list), (std::vector<std::string>{"2   \\sub", "1   readme.txt"}));
  EXPECT_EQ(form->StatusBar.PanelText(0), "15,100 bytes");
  EXPECT_EQ(fs.Events.size(), events);  // nothing was rescanned
}

TEST_F(MainWindow, AnEmptyArgumentScansTheCurrentFolder) {
  auto form = Start("");
  wchar_t current[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, current);
  std::string expected;
  for (const wchar_t c : std::wstring(current)) expected += static_cast<char>(c);
  if (expected.back() != '\\') expected += '\\';
  EXPECT_EQ(form->ScanPath, expected);
}

TEST_F(MainWindow, KeepsItsChartSquareAndItsMinimumSize) {
  auto form = Start("C:\\Data");
  form->SetBounds(0, 0, form->MinWidth + 300, form->MinHeight + 100);
  EXPECT_EQ(form->PieChart1.Width(), form->PieChart1.Height());
  EXPECT_LT(form->PieChart1.Left() + form->PieChart1.Width(), form->ListBox1.Left());
  EXPECT_EQ(form->ListBox1.Left() + form->ListBox1.Width(), form->ClientWidth() - form->Scale(5));
  form->SetBounds(0, 0, 100, 100);
  EXPECT_EQ(form->Width(), form->MinWidth);
  EXPECT_EQ(form->Height(), form->MinHeight);
}

}  // namespace

namespace {

class MainWindowSettings : public MainWindow {
 protected:
  void Store(std::string_view name, RegistryValue value) {
    registry.Set(TRootKey::CurrentUser, "\\Software\\Quillfen\\Velmora", name, std::move(value));
  }
  const RegistryValue* Stored(std::string_view name) const {
    return registry.Value(TRootKey::CurrentUser, "\\Software\\Quillfen\\Velmora", name);
  }
};

TEST_F(MainWindowSettings, StartUpTakesTheStoredSettingsAndCloseWritesThemBack) {
  Store("Display units", {RegistryValue::Kind::Integer, 2, {}});
  Store("Display mode", {RegistryValue::Kind::Integer, 258, {}});
  Store("RepeatedScan", {RegistryValue::Kind::Integer, 1, {}});
  Store("RepeatInterval", {RegistryValue::Kind::Integer, 0, {}});
  Store("PieChartColours", {RegistryValue::Kind::Text, 0, "$FF,$FF00"});
  Store("PieChartFont.Bold", {RegistryValue::Kind::Integer, 1, {}});
  Store("ListboxFont.Name", {RegistryValue::Kind::Text, 0, "Courier New"});
  auto form = Start("C:\\Data");
  EXPECT_EQ(form->cbxUnits.ItemIndex(), 2);
  EXPECT_EQ(form->cbxDisplay.ItemIndex(), 2);
  EXPECT_EQ(form->ListBox1.Item(0), "0.01   \\sub");  // MB of slack: 5,480 bytes
  EXPECT_TRUE(form->TimerRepeatScan.Enabled());
  EXPECT_EQ(form->TimerRepeatScan.Interval(), 60000u);  // 0 minutes would fire constantly
  EXPECT_EQ(form->PieChart1.Colours(), "$000000FF,$0000FF00");
  EXPECT_TRUE(form->PieChart1.Font.Bold);
  EXPECT_EQ(form->ListBox1.Font().Name, "Courier New");

  form->cbxUnits.SetItemIndex(4);
  form->cbxUnitsChange(form->cbxUnits);
  bool canClose = true;
  form->FormCloseQuery(*form, canClose);
  EXPECT_TRUE(canClose);
  EXPECT_EQ(Stored("Display units")->Integer, 4);
  EXPECT_EQ(Stored("Display mode")->Integer, 2);
  EXPECT_EQ(Stored("RepeatInterval")->Integer, 0);  // held as read
  EXPECT_EQ(Stored("PieChartFont.Bold")->Integer, 1);
  EXPECT_EQ(Stored("ListboxFont.Size")->Integer, 8);
}

TEST_F(MainWindowSettings, CodesOutOfRangeShowAsBytesAndAreKept) {
  Store("Display units", {RegistryValue::Kind::Integer, 7, {}});
  Store("Display compressed", {RegistryValue::Kind::Text, 0, "never"});
  Store("PieChartColours", {RegistryValue::Kind::Text, 0, "zz"});
  auto form = Start("C:\\Data");
  EXPECT_EQ(form->cbxUnits.ItemIndex(), -1);
  EXPECT_EQ(form->ListBox1.Item(0), "20480   \\sub");
  EXPECT_EQ(form->PieChart1.NumColours(), 6);  // an unusable palette gives way to the design colours
  bool canClose = true;
  form->FormCloseQuery(*form, canClose);
  EXPECT_EQ(Stored("Display units")->Integer, 7);
  EXPECT_EQ(Stored("Display compressed")->Type, RegistryValue::Kind::Integer);  // rewritten as it should be
  EXPECT_EQ(Stored("Display compressed")->Integer, 1);
}

}  // namespace
