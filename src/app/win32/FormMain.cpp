#include "app/win32/FormMain.h"

#include <algorithm>
#include <exception>

#include "app/win32/Glyphs.h"
#include "app/Listing.h"
#include "app/MainLayout.h"
#include "app/RepeatTimer.h"
#include "app/UsageView.h"
#include "gui/win32/Application.h"
#include "gui/win32/Printer.h"
#include "gui/win32/Screen.h"
#include "scan/VolumeProbe.h"
#include "settings/FolderMenu.h"
#include "settings/SettingsStore.h"
#include "support/Format.h"
#include "support/Utf8.h"
#include "win32/Files.h"
#include "win32/SystemInfo.h"
#include "win32/WideText.h"
#include "win32/Win32Locale.h"

namespace {

constexpr int kDesignLeft = 193;
constexpr int kDesignTop = 124;
constexpr int kDesignWidth = 550;
constexpr int kDesignHeight = 410;
constexpr TColor kCompressedColour = 0xFF0000;  // blue, 0x00BBGGRR
constexpr TColor kUncompressedColour = 0x000000;

std::string CurrentDirectory() {
  std::wstring path(GetCurrentDirectoryW(0, nullptr), L'\0');
  path.resize(GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data()));
  return WideToUtf8(path);
}

}  // namespace

TMainForm::TMainForm(ScanPlatform& scanPlatform, VolumeApi& volumeApi, Registry& registry,
                     std::optional<std::string> argument)
    : TForm(TBorderStyle::Sizeable, false),
      Scale(ScreenScale()),
      SpeedPanel(*this),
      OpenBtn(SpeedPanel, OpenGlyph()),
      PrintBtn(SpeedPanel, PrintGlyph()),
      Label1(SpeedPanel, TAlignment::Right),
      cbxUnits(SpeedPanel, {"bytes", "KB", "MB", "GB", "Count"}),
      Label2(SpeedPanel, TAlignment::Right),
      cbxDisplay(SpeedPanel, {"nominal", "allocated", "slack only"}),
      lblCompressed(SpeedPanel, TAlignment::Right),
      ListBox1(*this),
      lblMaxFileNameLength(*this),
      BitBtnCancel(*this, "Cancel"),
      BitBtnUp(*this, "&Up"),
      BitBtnExit(*this, "E&xit"),
      StatusBar(*this, {Scale(115), Scale(85), Scale(80), Scale(50)}),
      Timer1(100, true),
      Timer2(333, false),
      TimerRepeatScan(0, false),
      BrowseDirectoryDlg1(Handle()),
      scanPlatform_(scanPlatform),
      volumeApi_(volumeApi),
      registry_(registry),
      argument_(std::move(argument)),
      locale_(ReadUserFormatSettings()) {
  SetCaption("Velmora");
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramGlyph().Icon(true)));
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramGlyph().Icon(true)));
  PlaceControls();

  MainMenu.AddMenu("&File", {&Open1, nullptr, &Print1, &FileSaveMenu, nullptr, &Exit1});
  MainMenu.AddMenu("&View", {&Refresh1, nullptr, &Options1});
  MainMenu.AddMenu("&Help", {&About1});
  SetMenu(MainMenu);
  SetBounds(Scale(kDesignLeft), Scale(kDesignTop), Scale(kDesignWidth), Scale(kDesignHeight));

  Open1.OnClick = OpenBtn.OnClick = [this](TComponent& sender) { FileOpen(sender); };
  Print1.OnClick = PrintBtn.OnClick = [this](TComponent& sender) { FilePrint(sender); };
  FileSaveMenu.OnClick = [this](TComponent& sender) { FileSaveMenuClick(sender); };
  Exit1.OnClick = BitBtnExit.OnClick = [this](TComponent& sender) { FileExit(sender); };
  Refresh1.OnClick = [this](TComponent& sender) { Refresh1Click(sender); };
  BitBtnCancel.OnClick = [this](TComponent& sender) { btnStopClick(sender); };
  BitBtnUp.OnClick = [this](TComponent& sender) { BitBtnUpClick(sender); };
  cbxUnits.OnChange = [this](TComponent& sender) { cbxUnitsChange(sender); };
  cbxDisplay.OnChange = [this](TComponent& sender) { cbxDisplayChange(sender); };
  PieChart1.OnDblClick = [this](TComponent& sender) { PieChart1DblClick(sender); };
  ListBox1.OnClick = [this](TComponent& sender) { ListBox1Click(sender); };
  ListBox1.OnDblClick = [this](TComponent& sender) { ListBox1DblClick(sender); };
  Timer1.OnTimer = [this](TComponent& sender) { Timer1Timer(sender); };
  Timer2.OnTimer = [this](TComponent& sender) { Timer2Timer(sender); };
  TimerRepeatScan.OnTimer = [this](TComponent& sender) { TimerRepeatScanTimer(sender); };
  OnResize = [this](TComponent& sender) { FormResize(sender); };
  OnShow = [this](TComponent& sender) { FormShow(sender); };
  OnCloseQuery = [this](TComponent& sender, bool& canClose) { FormCloseQuery(sender, canClose); };

  FormCreate();
}

TMainForm::~TMainForm() {
  // FormDestroy: the tree, then the placement, which is written as it goes.
  CurrentLevel = nullptr;
  PieChart1.Clear();
  RootLevel.Clear();
  FormInfo.reset();
}

void TMainForm::PlaceControls() {
  const TFont designFont;
  SetFont(designFont);
  SpeedPanel.SetFont(designFont);
  SpeedPanel.SetBounds(0, 0, Scale(kDesignWidth), Scale(30));
  OpenBtn.SetBounds(Scale(10), Scale(3), Scale(25), Scale(25));
  OpenBtn.Hint = " Open ";
  PrintBtn.SetBounds(Scale(42), Scale(3), Scale(25), Scale(25));
  PrintBtn.Hint = " Print ";
  PrintBtn.SetEnabled(false);
  // Right-aligned labels end where their selector begins.
  Label1.SetBounds(Scale(75), Scale(8), Scale(107 - 75), Scale(13));
  Label1.SetCaption("Units:  ");
  cbxUnits.SetBounds(Scale(107), Scale(5), Scale(57), Scale(200));
  cbxUnits.Hint = " Show size in bytes, KB, MB, GB or a count of files ";
  Label2.SetBounds(Scale(181), Scale(8), Scale(243 - 181), Scale(13));
  Label2.SetCaption("Disk space:  ");
  cbxDisplay.SetBounds(Scale(243), Scale(5), Scale(81), Scale(200));
  cbxDisplay.Hint = " Choose how to include the slack space ";
  lblCompressed.SetBounds(Scale(365), Scale(8), Scale(170), Scale(13));
  lblCompressed.SetCaption("        ");
  lblCompressed.Hint = "\"Compressed\" sizes include any NTFS file compression, if present.";

  PieChart1.SetBounds(Scale(5), Scale(37), Scale(297), Scale(297));
  PieChart1.Font = designFont;
  PieChart1.SetColours("$00E0E0FF,$00E0FFFF,$00E0FFE0,$00FFFFE0,$00FFE0E0,$00FFE0FF");
  PieChart1.ListBox = &ListBox1;
  AddGraphic(PieChart1);
  ListBox1.SetBounds(Scale(320), Scale(40), Scale(209), Scale(265));
  lblMaxFileNameLength.SetBounds(Scale(4), Scale(328), Scale(60), Scale(13));
  lblMaxFileNameLength.Hint = "Maximum characters in file name";
  BitBtnCancel.SetBounds(Scale(320), Scale(312), Scale(65), Scale(25));
  BitBtnCancel.SetGlyph(&CancelGlyph());
  BitBtnCancel.Hint = " Stop the present scan ";
  BitBtnCancel.SetEnabled(false);
  CancelButton = &BitBtnCancel;
  BitBtnUp.SetBounds(Scale(400), Scale(312), Scale(49), Scale(25));
  BitBtnUp.SetGlyph(&UpGlyph());
  BitBtnUp.Hint = " Pprevious folder ";
  BitBtnUp.SetEnabled(false);
  BitBtnExit.SetBounds(Scale(464), Scale(312), Scale(65), Scale(25));

  for (TWinControl* control : std::initializer_list<TWinControl*>{
           &OpenBtn, &PrintBtn, &cbxUnits, &cbxDisplay, &lblCompressed, &ListBox1, &lblMaxFileNameLength,
           &BitBtnCancel, &BitBtnUp})
    ShowHintOf(*control);
}

void TMainForm::FormCreate() {
  BrowseDirectoryDlg1.Title = "Select a drive or folder tree to display usage";
  BrowseDirectoryDlg1.Root = TRootID::idDrives;
  BrowseDirectoryDlg1.SetOptions({bfDirectoriesOnly, bfAncestors, bfIncludeFiles});
  BrowseDirectoryDlg1.SetCaption("Velmora - select tree");
  BrowseDirectoryDlg1.ShowSelectionInStatus = false;
  SaveDialog1.FileName = "Usage";
  SaveDialog1.DefaultExt = "txt";
  SaveDialog1.Filter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";
  SaveDialog1.Title = "Save piechart listing";
  ScanPath = CurrentDirectory();
  DisplayCompressed = IsNtFamily() ? 1 : 0;
  const std::string executable = ExecutablePath();
  FormInfo = std::make_unique<TRegistryFormInfo>(*this, registry_, PlacementKeyPath(executable));
  LoadSettings();
  PieChart1.GhostColour = Color;
  UpdateFolderMenu(registry_, executable, RightClickFolder);
  MinWidth = Width();
  MinHeight = Height();
  TimerRepeatScan.SetInterval(RepeatTimerInterval(RepeatInterval));
  TimerRepeatScan.SetEnabled(RepeatedScan);
  SpeedPanel.SetFocus();
}

void TMainForm::LoadSettings() {
  TSettings defaults;
  defaults.DisplayCompressed = DisplayCompressed;
  defaults.PieChartColours = PieChart1.Colours();
  const TSettings settings = ::LoadSettings(registry_, defaults);
  DisplayCompressed = settings.DisplayCompressed;
  DisplayMode = settings.DisplayMode;
  DisplayUnits = settings.DisplayUnits;
  PieChart1.SetColours(settings.PieChartColours);
  // A stored palette that gives no colours would leave every segment grey for good.
  if (PieChart1.NumColours() == 0) PieChart1.SetColours(defaults.PieChartColours);
  RightClickFolder = settings.RightClickFolder;
  DisplayFreeDiskSpace = settings.DisplayFreeDiskSpace;
  RepeatedScan = settings.RepeatedScan;
  RepeatInterval = settings.RepeatInterval;
  cbxUnits.SetItemIndex(DisplayUnits);  // a code out of range selects nothing
  cbxDisplay.SetItemIndex(DisplayMode);
  PieChart1.Font = LoadFont(registry_, "PieChartFont", PieChart1.Font);
  ListBox1.SetFont(LoadFont(registry_, "ListboxFont", ListBox1.Font()));
}

void TMainForm::SaveSettings() {
  SaveFont(registry_, "PieChartFont", PieChart1.Font);
  SaveFont(registry_, "ListboxFont", ListBox1.Font());
  TSettings settings;
  settings.DisplayCompressed = DisplayCompressed;
  settings.DisplayMode = DisplayMode;
  settings.DisplayUnits = DisplayUnits;
  settings.PieChartColours = PieChart1.Colours();
  settings.RightClickFolder = RightClickFolder;
  settings.DisplayFreeDiskSpace = DisplayFreeDiskSpace;
  settings.RepeatedScan = RepeatedScan;
  settings.RepeatInterval = RepeatInterval;
  ::SaveSettings(registry_, settings);
}

void TMainForm::FormShow(TComponent&) { FormInfo->RestorePlacement(); }

LRESULT TMainForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETMINMAXINFO) {
    auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
    limits.ptMinTrackSize = {MinWidth, MinHeight};
    return 0;
  }
  return TForm::WndProc(message, wParam, lParam);
}

void TMainForm::FormResize(TComponent&) {
  MainLayoutInput input;
  input.ClientWidth = ClientWidth();
  input.ClientHeight = ClientHeight();
  input.SpeedPanelHeight = SpeedPanel.Height();
  input.StatusBarHeight = StatusBar.Height();
  input.ListTop = ListBox1.Top();
  input.ListWidth = ListBox1.Width();
  input.CancelWidth = BitBtnCancel.Width();
  input.CancelHeight = BitBtnCancel.Height();
  input.UpWidth = BitBtnUp.Width();
  input.MaxPathHeight = lblMaxFileNameLength.Height();
  const MainLayout layout = LayOutMainWindow(input, Scale);
  SpeedPanel.SetWidth(input.ClientWidth);
  StatusBar.ParentResized();
  ListBox1.SetBounds(layout.ListLeft, input.ListTop, input.ListWidth, layout.ListHeight);
  BitBtnCancel.SetBounds(layout.CancelLeft, layout.ButtonsTop, input.CancelWidth, input.CancelHeight);
  BitBtnUp.SetBounds(layout.UpLeft, layout.ButtonsTop, input.UpWidth, BitBtnUp.Height());
  BitBtnExit.SetBounds(layout.ExitLeft, layout.ButtonsTop, BitBtnExit.Width(), BitBtnExit.Height());
  lblMaxFileNameLength.SetTop(layout.MaxPathTop);
  PieChart1.SetBounds(PieChart1.Left(), PieChart1.Top(), layout.ChartSide, layout.ChartSide);
}

void TMainForm::Timer1Timer(TComponent&) {
  Timer1.SetEnabled(false);
  if (argument_) ScanPath = *argument_;
  BrowseDirectoryDlg1.SetSelection(ScanPath);
  RunScan();
}

void TMainForm::RunScan() {
  if (Scanning) return;
  PieChart1.Clear();
  SetCaption("Velmora");
  if (ScanPath.empty()) ScanPath = CurrentDirectory();
  if (ScanPath.back() != '\\') ScanPath += '\\';
  const VolumeFacts volume = ProbeVolume(ScanPath, volumeApi_);
  PrepareForScan();
  CurrentLevel = nullptr;  // the tree it belongs to goes now
  RootLevel.Reset(ScanPath);
  Scanning = true;
  if (Utf16Length(ScanPath) == 3 && DisplayFreeDiskSpace && volume.FreeBytes != 0) {
    RootLevel.AddFile("(" + ScanPath.substr(0, 2) + " free space)", -volume.FreeBytes, -volume.FreeBytes);
    if (DisplayCompressed != 0) DisplayCompressed = 1;
  }
  const bool compressed = DisplayCompressed == 1;
  ShowCompression(volume.CompressionSupported, compressed);
  std::exception_ptr failure;
  try {
    RootLevel.Scan(CancelScan, volume.ClusterSize, compressed,
                   [this](const std::string& text) { ProgressText = text; }, scanPlatform_);
  } catch (...) {
    failure = std::current_exception();  // the partial tree is still shown
  }
  ShowLevel(&RootLevel);
  RestoreAfterScan();
  if (failure) std::rethrow_exception(failure);
}

void TMainForm::PrepareForScan() {
  CancelScan = false;
  BitBtnCancel.SetEnabled(true);
  BitBtnCancel.SetFocus();
  OpenBtn.SetEnabled(false);
  PrintBtn.SetEnabled(false);
  StatusBar.SetPanelText(0, "Scanning...");
  StatusBar.SetPanelText(1, "");
  StatusBar.SetPanelText(2, "");
  lblMaxFileNameLength.SetCaption("");
  lblMaxFileNameLength.Hint = "Maximum characters in file name";
  Timer2.SetEnabled(true);
  ListBox1.Hint.clear();
}

void TMainForm::ShowCompression(bool supported, bool compressed) {
  lblCompressed.SetVisible(supported);
  if (!supported) return;
  lblCompressed.SetCaption(compressed ? "Compressed sizes" : "Uncompressed sizes");
  lblCompressed.SetTextColour(compressed ? kCompressedColour : kUncompressedColour);
}

void TMainForm::RestoreAfterScan() {
  Scanning = false;
  CancelScan = false;
  Timer2.SetEnabled(false);
  OpenBtn.SetEnabled(true);
  PrintBtn.SetEnabled(true);
  BitBtnCancel.SetEnabled(false);
}

void TMainForm::Timer2Timer(TComponent&) {
  StatusBar.SetPanelText(1, Format("Files: %1.n", {int64_t{RootLevel.FileCount()}}, locale_));
  StatusBar.SetPanelText(2, Format("Folders: %1.n", {int64_t{RootLevel.FolderCount()}}, locale_));
  StatusBar.SetPanelText(3, ProgressText);
}

void TMainForm::TimerRepeatScanTimer(TComponent&) {
  if (!Scanning) RunScan();
}

void TMainForm::btnStopClick(TComponent&) { CancelScan = true; }

void TMainForm::Refresh1Click(TComponent&) { RunScan(); }

void TMainForm::FileOpen(TComponent&) {
  if (!BrowseDirectoryDlg1.Execute()) return;
  ScanPath = BrowseDirectoryDlg1.Selection();
  RunScan();
}

void TMainForm::FileExit(TComponent&) { Close(); }

void TMainForm::FormCloseQuery(TComponent&, bool&) {
  CancelScan = true;  // a running scan stops at its next check; the program ends after it
  SaveSettings();
}

void TMainForm::FileSaveMenuClick(TComponent&) {
  if (ListBox1.Count() == 0) return;
  if (!SaveDialog1.Execute(Handle())) return;
  const std::string fileName = SaveDialog1.FileName;
  if (FileExists(fileName) &&
      Application().MessageBox("File " + fileName + " already exists.  Do you want to overwrite the existing file?",
                               "Velmora - overwrite existing usage file?", MB_YESNO) != IDYES)
    return;
  std::vector<std::string> lines;
  for (int i = 0; i < ListBox1.Count(); ++i) lines.push_back(ListBox1.Item(i));
  ReplaceFileContent(fileName, ListingBytes(lines, Utf8ToAnsi));
}

void TMainForm::FilePrint(TComponent&) { PrintClientArea(Handle(), PrintTitle); }

void TMainForm::ShowLevel(TFolderList* level) {
  if (!level) return;
  CurrentLevel = level;
  const UsageTexts texts = LevelTexts(*level, DisplayUnits, DisplayMode, locale_);
  lblMaxFileNameLength.SetCaption(texts.MaxPathCaption);
  lblMaxFileNameLength.Hint = texts.MaxPathHint;
  PieChart1.LoadFromList(UsageLines(*level, DisplayUnits, DisplayMode));
  for (int panel = 0; panel < 4; ++panel) StatusBar.SetPanelText(panel, texts.Panels[panel]);
  SetCaption(texts.Caption);
  PrintTitle = texts.Caption;
  BitBtnUp.SetEnabled(level->Parent() != nullptr);
}

void TMainForm::OpenEntry(const TFolderData* entry) { ShowLevel(LevelToOpen(entry)); }

void TMainForm::PieChart1DblClick(TComponent&) { OpenEntry(static_cast<TFolderData*>(PieChart1.SelectedObject())); }

void TMainForm::ListBox1DblClick(TComponent&) {
  const int index = ListBox1.ItemIndex();
  if (index >= 0) OpenEntry(static_cast<TFolderData*>(ListBox1.Object(index)));
}

void TMainForm::ListBox1Click(TComponent&) {
  const int index = ListBox1.ItemIndex();
  if (index >= 0) ListBox1.Hint = ListLineHint(ListBox1.Item(index));
}

void TMainForm::BitBtnUpClick(TComponent&) {
  if (ListBox1.Count() == 0) return;
  if (const auto* first = static_cast<TFolderData*>(ListBox1.Object(0))) ShowLevel(first->ParentLevel());
}

void TMainForm::cbxUnitsChange(TComponent&) {
  const int index = cbxUnits.ItemIndex();
  if (index >= 0 && index <= 4) DisplayUnits = static_cast<uint8_t>(index);
  ShowLevel(CurrentLevel);
}

void TMainForm::cbxDisplayChange(TComponent&) {
  const int index = cbxDisplay.ItemIndex();
  if (index >= 0 && index <= 2) DisplayMode = static_cast<uint8_t>(index);
  ShowLevel(CurrentLevel);
}
