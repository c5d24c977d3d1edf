#include "app/win32/FormMain.h"

#include <chrono>
#include <exception>
#include <new>
#include <stdexcept>

#include "app/Listing.h"
#include "app/MainLayout.h"
#include "app/RepeatTimer.h"
#include "app/UsageView.h"
#include "gui/win32/Application.h"
#include "gui/win32/Printer.h"
#include "gui/win32/ProgramGlyph.h"
#include "app/TreeScan.h"
#include "export/ExportListing.h"
#include "export/NcduImport.h"
#include "app/win32/ProgramSettings.h"
#include "app/win32/TreeExportFile.h"
#include "scan/VolumeProbe.h"
#include "settings/FolderMenu.h"
#include "settings/SettingsStore.h"
#include "support/FilePaths.h"
#include "win32/Files.h"
#include "win32/Win32ExportFile.h"
#include "win32/SystemInfo.h"
#include "win32/WideText.h"
#include "win32/Win32Locale.h"

namespace {

constexpr TColor kCompressedColour = 0xFF0000;  // blue, 0x00BBGGRR
constexpr TColor kUncompressedColour = 0x000000;

std::string CurrentDirectory() {
  std::wstring path(GetCurrentDirectoryW(0, nullptr), L'\0');
  path.resize(GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data()));
  return WideToUtf8(path);
}

}  // namespace

TMainForm::TMainForm(const TMainPlatform& platform, std::optional<std::string> argument)
    : TForm({.Caption = "Velmora", .MaximizeBox = false, .Design = {193, 124, 550, 410}, .ClientSize = {542, 364}}),
      platform_(platform),
      argument_(std::move(argument)),
      locale_(ReadUserFormatSettings()),
      executable_(ExecutablePath()) {
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramGlyph().Icon()));
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramGlyph().Icon()));
  MainMenu.AddMenu("&File", {&Open1, &OpenExport1, nullptr, &Print1, &FileSaveMenu, &ExportTree1, nullptr, &Exit1});
  MainMenu.AddMenu("&View", {&Refresh1, &ScanReport1, nullptr, &Options1});
  MainMenu.AddMenu("&Help", {&About1});
  SetMenu(MainMenu);
  ActiveControl = &SpeedPanel;

  OnShow = Bind(this, &TMainForm::FormShow);
  OnResize = Bind(this, &TMainForm::FormResize);
  OnCloseQuery = [this](TComponent& sender, bool& canClose) { FormCloseQuery(sender, canClose); };
  OnClose = Bind(this, &TMainForm::FormClose);
  FormCreate();
}

void TMainForm::FormCreate() {
  BrowseDirectoryDlg1.Title = "Select a drive or folder tree to display usage";
  BrowseDirectoryDlg1.Root = TRootID::idDrives;
  BrowseDirectoryDlg1.SetOptions({bfDirectoriesOnly, bfAncestors, bfIncludeFiles});
  BrowseDirectoryDlg1.SetCaption("Velmora - select tree");
  BrowseDirectoryDlg1.ShowSelectionInStatus = false;
  ScanReportDialog.OnSave = Bind(this, &TMainForm::ScanReportSave);
  scanPath_ = CurrentDirectory();
  formInfo_ = std::make_unique<TRegistryFormInfo>(*this, platform_.Keys, PlacementKeyPath(executable_));
  LoadSettings();
  PieChart1.GhostColour = Color;
  ::UpdateFolderMenu(platform_.Keys, executable_, settings_.RightClickFolder);
  minWidth_ = Width();
  minHeight_ = Height();
  SetRepeatTimer(settings_.RepeatedScan, settings_.RepeatInterval);
}

void TMainForm::LoadSettings() {
  settings_ = LoadProgramSettings(platform_.Keys);
  ApplyPieColours(settings_.PieChartColours);
  SelectDisplay(settings_.DisplayUnits, settings_.DisplayMode);
  PieChart1.Font = settings_.PieChartFont;
  ListBox1.SetFont(settings_.ListboxFont);
}

void TMainForm::ApplyPieColours(const std::string& colours) {
  PieChart1.SetColours(colours);
  // A palette that gives no colours would leave every segment grey for good.
  if (PieChart1.NumColours() == 0) PieChart1.SetColours(kDesignPalette);
  settings_.PieChartColours = PieChart1.Colours();
}

void TMainForm::FormShow(TComponent&) { formInfo_->RestorePlacement(); }

void TMainForm::FormResize(TComponent&) {
  const TRect chart = ChartBounds(ListBox1.BoundsRect(), ClientSize(), SpeedPanel.Height(), StatusBar.Height(), Scale);
  PieChart1.SetBounds(chart.Left, chart.Top, chart.Width, chart.Height);
}

void TMainForm::Timer1Timer(TComponent&) {
  Timer1.SetEnabled(false);
  if (argument_ && TreeFormatOf(*argument_) == TreeFormat::NcduJson && FileExists(*argument_)) {
    LoadExport(*argument_);
    return;
  }
  if (argument_) scanPath_ = *argument_;
  BrowseDirectoryDlg1.SetSelection(scanPath_);
  RunScan();
}

void TMainForm::RunScan() {
  if (scanning_) return;
  if (exportFile_) {
    LoadExport(*exportFile_);
    return;
  }
  PieChart1.Clear();
  SetCaption("Velmora");
  if (scanPath_.empty()) scanPath_ = CurrentDirectory();
  if (scanPath_.back() != '\\') scanPath_ += '\\';
  KeepForChanges(scanPath_);
  const VolumeFacts volume = ProbeVolume(scanPath_, platform_.Volumes);
  PrepareForScan();
  currentLevel_ = nullptr;  // the tree it belongs to goes now
  rootLevel_.Reset(scanPath_);
  scanning_ = true;
  if (IsDriveRoot(scanPath_) && settings_.DisplayFreeDiskSpace && volume.FreeBytes != 0) {
    rootLevel_.AddFile("(" + scanPath_.substr(0, 2) + " free space)", -volume.FreeBytes, -volume.FreeBytes);
    if (settings_.DisplayCompressed != 0) settings_.DisplayCompressed = 1;
  }
  const bool compressed = settings_.DisplayCompressed == 1;
  ShowCompression(volume.CompressionSupported, compressed);
  ScanAndShow([&](const ProgressProc& progress, ScanNotes& notes) {
    ScanTree(rootLevel_,
             {.ClusterSize = volume.ClusterSize, .Compressed = compressed, .ReadFileTable = settings_.ReadFileTable},
             platform_.Scan, platform_.Devices, progress, cancelScan_, &notes);
  });
}

void TMainForm::LoadExport(std::string file) {
  if (scanning_) return;
  Win32ExportFile source(file);  // a file that cannot be opened is said so, and nothing changes
  PrepareForScan();
  scanning_ = true;
  // However this ends, the window leaves the scanning state.
  const struct ScanEnd {
    TMainForm& form;
    ~ScanEnd() {
      if (form.scanning_) form.RestoreAfterScan();
    }
  } scanEnd{*this};
  const auto reading = [&](uint64_t bytesRead) {
    progressText_ = "Reading " + file + "... " +
                    std::to_string(source.Size() ? 100 * bytesRead / source.Size() : 100) + "%";
    platform_.Scan.ProcessMessages();
  };
  std::variant<ExportIndex, ExportError> read = ReadNcduExport(source, reading, cancelScan_);
  if (const auto* error = std::get_if<ExportError>(&read)) {
    RestoreAfterScan();
    ShowLevelOrNothing();  // the tree shown before, if any
    if (!error->Cancelled)
      Application().MessageBox("Cannot open " + file + ": " + error->Reason + " (at byte " +
                                   std::to_string(error->Offset) + ").",
                               "Velmora - cannot open export", MB_OK | MB_ICONERROR);
    return;
  }
  ExportIndex& index = std::get<ExportIndex>(read);
  exportFile_ = file;
  KeepForChanges(index.RootPath());
  PieChart1.Clear();
  currentLevel_ = nullptr;  // the tree it belongs to goes now
  rootLevel_.Reset(index.RootPath());
  ShowCompression(false, false);
  ExportListing listing(index, [this] { platform_.Scan.ProcessMessages(); });
  ScanAndShow([&](const ProgressProc& progress, ScanNotes& notes) {
    rootLevel_.Scan(cancelScan_, 1, false, progress, listing, &notes);
  });
  report_->LeftOut = index.LeftOut();
}

void TMainForm::ScanAndShow(const std::function<void(const ProgressProc&, ScanNotes&)>& scan) {
  ScanReport report{.Path = rootLevel_.Path(), .Started = LocalNow()};
  const auto started = std::chrono::steady_clock::now();
  std::exception_ptr failure;
  try {
    scan([this](const std::string& text) { progressText_ = text; }, report.Notes);
  } catch (...) {
    failure = std::current_exception();  // the partial tree is still shown
  }
  if (!exportFile_ && IsDriveRoot(report.Path)) report.Volume = ProbeVolumeSpace(report.Path, platform_.Volumes);
  report.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  report.Cancelled = cancelScan_ || failure;
  report.Files = rootLevel_.FileCount();
  report.Folders = rootLevel_.FolderCount();
  report.Nominal = rootLevel_.NominalTotal();
  report.Allocated = rootLevel_.AllocatedTotal();
  report.Slack = rootLevel_.SlackTotal();
  report.Links = CountHardLinks(rootLevel_);
  report_ = std::move(report);
  ShowLevel(&rootLevel_);
  RestoreAfterScan();
  if (failure) std::rethrow_exception(failure);
}

void TMainForm::PrepareForScan() {
  cancelScan_ = false;
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

// What the changes of the scan about to run are measured against: the tree about to
// go, when it was complete and is of the same path; a cancelled scan leaves the one
// kept before.
void TMainForm::KeepForChanges(const std::string& path) {
  if (!report_ || report_->Path != path) {
    previous_.reset();
    return;
  }
  if (report_->Cancelled) return;
  try {
    previous_.emplace(rootLevel_, report_->Started);
  } catch (const std::bad_alloc&) {
    previous_.reset();  // what changed is not shown, and the scan goes on
  }
}

void TMainForm::RestoreAfterScan() {
  scanning_ = false;
  cancelScan_ = false;
  Timer2.SetEnabled(false);
  OpenBtn.SetEnabled(true);
  PrintBtn.SetEnabled(true);
  BitBtnCancel.SetEnabled(false);
}

void TMainForm::Timer2Timer(TComponent&) {
  StatusBar.SetPanelText(1, FilesText(rootLevel_.FileCount(), locale_));
  StatusBar.SetPanelText(2, FoldersText(rootLevel_.FolderCount(), locale_));
  StatusBar.SetPanelText(3, progressText_);
}

void TMainForm::TimerRepeatScanTimer(TComponent&) {
  if (!scanning_ && !exportFile_) RunScan();  // an export does not change
}

void TMainForm::btnStopClick(TComponent&) { cancelScan_ = true; }

void TMainForm::Refresh1Click(TComponent&) { RunScan(); }

void TMainForm::ScanReport1Click(TComponent&) {
  if (scanning_ || !report_) return;
  std::optional<ScanChanges> changes;
  if (previous_ && !report_->Cancelled)
    changes = CompareScans(*previous_, rootLevel_,
                           settings_.DisplayUnits == kUnitsCount ? ChangeMeasure::Files : ChangeMeasure::Allocated);
  ScanReportDialog.Texts = DescribeScan(*report_, changes, settings_.DisplayUnits, locale_, platform_.Volumes);
  if (ScanReportDialog.ShowModal() != TModalResult::Ok) return;
  if (TFolderList* level = LevelAt(rootLevel_, ScanReportDialog.FolderToOpen)) ShowLevel(level);
}

void TMainForm::ScanReportSave(TComponent&) {
  if (AskWhereToSave(ReportSaveDialog, ScanReportDialog.Handle()))
    ReplaceFileContent(ReportSaveDialog.FileName, ReportText(ScanReportDialog.Texts));
}

void TMainForm::FileOpen(TComponent&) {
  if (scanning_ || !BrowseDirectoryDlg1.Execute()) return;
  scanPath_ = BrowseDirectoryDlg1.Selection();
  exportFile_.reset();
  RunScan();
}

void TMainForm::FileOpenExport(TComponent&) {
  if (!scanning_ && OpenExportDialog.Execute(Handle())) LoadExport(OpenExportDialog.FileName);
}

void TMainForm::FileExit(TComponent&) { Close(); }

void TMainForm::FormCloseQuery(TComponent&, bool&) {
  cancelScan_ = true;  // a running scan stops at its next check; the program ends after it
  ::SaveSettings(platform_.Keys, settings_);
}

void TMainForm::FormClose(TComponent&) { formInfo_->SavePlacement(); }

void TMainForm::FileSaveMenuClick(TComponent&) {
  if (ListBox1.Count() == 0) return;
  std::vector<std::string> lines;
  for (int i = 0; i < ListBox1.Count(); ++i) lines.push_back(ListBox1.Item(i));
  if (AskWhereToSave(SaveDialog1, Handle())) ReplaceFileContent(SaveDialog1.FileName, ListingBytes(lines, Utf8ToAnsi));
}

void TMainForm::FileExportTree(TComponent&) {
  if (scanning_ || !AskWhereToSave(ExportDialog, Handle())) return;
  const std::string& fileName = ExportDialog.FileName;
  const std::string failure =
      WriteTreeFile(rootLevel_, fileName, TreeFormatOf(fileName).value_or(TreeFormat::NcduJson));
  if (!failure.empty()) throw std::runtime_error(failure);
}

bool TMainForm::AskWhereToSave(TSaveDialog& dialog, HWND owner) {
  if (!dialog.Execute(owner)) return false;
  const std::string& fileName = dialog.FileName;
  return !FileExists(fileName) ||
         Application().MessageBox("File " + fileName + " already exists.  Do you want to overwrite the existing file?",
                                  "Velmora - overwrite existing usage file?", MB_YESNO, owner) == IDYES;
}

void TMainForm::FilePrint(TComponent&) { PrintClientArea(Handle(), printTitle_); }

void TMainForm::Options1Click(TComponent&) {
  OptionsDialog.Settings = settings_;
  if (OptionsDialog.ShowModal() != TModalResult::Ok) return;
  ApplyOptions(settings_, OptionsDialog.Settings, *this);
}

void TMainForm::About(TComponent&) { AboutBoxOrv1.ShowModal(); }

void TMainForm::SetRepeatTimer(bool enabled, int32_t minutes) {
  TimerRepeatScan.SetInterval(RepeatTimerInterval(minutes));
  TimerRepeatScan.SetEnabled(enabled);
}

void TMainForm::UpdateFolderMenu(bool enable) { ::UpdateFolderMenu(platform_.Keys, executable_, enable); }

void TMainForm::SelectDisplay(uint8_t units, uint8_t mode) {
  cbxUnits.SetItemIndex(units);  // a code out of range selects nothing
  cbxDisplay.SetItemIndex(mode);
}

void TMainForm::ShowCurrentLevel() { ShowLevel(currentLevel_); }

void TMainForm::ShowLevelOrNothing() {
  if (currentLevel_) {
    ShowLevel(currentLevel_);
    return;
  }
  for (int panel = 0; panel < 4; ++panel) StatusBar.SetPanelText(panel, "");
}

void TMainForm::SetListFont(const TFont& font) { ListBox1.SetFont(font); }

void TMainForm::SetPieFont(const TFont& font) {
  PieChart1.Font = font;
  PieChart1.Invalidate();
}

void TMainForm::SetPieColours(const std::string& colours) { ApplyPieColours(colours); }

void TMainForm::ShowLevel(TFolderList* level) {
  if (!level) return;
  currentLevel_ = level;
  const UsageTexts texts = LevelTexts(*level, settings_.DisplayUnits, settings_.DisplayMode, locale_);
  lblMaxFileNameLength.SetCaption(texts.MaxPathCaption);
  lblMaxFileNameLength.Hint = texts.MaxPathHint;
  PieChart1.LoadFromList(UsageLines(*level, settings_.DisplayUnits, settings_.DisplayMode));
  for (int panel = 0; panel < 4; ++panel) StatusBar.SetPanelText(panel, texts.Panels[panel]);
  const std::string caption = exportFile_ ? texts.Caption + " (" + *exportFile_ + ")" : texts.Caption;
  SetCaption(caption);
  printTitle_ = caption;
  BitBtnUp.SetEnabled(level->Parent() != nullptr);
}

void TMainForm::OpenEntry(const TFolderData* entry) { ShowLevel(LevelToOpen(entry)); }

void TMainForm::PieChart1DblClick(TComponent&) { OpenEntry(static_cast<TFolderData*>(PieChart1.SelectedObject())); }

void TMainForm::PieChart1RightClick(TComponent&) {
  const std::string& name = PieChart1.SelectedText();
  const auto* entry = static_cast<const TFolderData*>(PieChart1.SelectedObject());
  if (name.empty() || name.front() == '\\' || !entry || !currentLevel_) return;
  // The chart shows names lower-cased; the record has the name as listed, which a
  // case-sensitive file system needs.
  const std::string path = currentLevel_->Path() + std::string(entry->Name());
  frmFileProperties1.FileName = path;
  if (FileExists(path)) frmFileProperties1.ShowModal();
}

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
  if (index >= 0) settings_.DisplayUnits = static_cast<uint8_t>(index);  // one code per item
  ShowLevel(currentLevel_);
}

void TMainForm::cbxDisplayChange(TComponent&) {
  const int index = cbxDisplay.ItemIndex();
  if (index >= 0) settings_.DisplayMode = static_cast<uint8_t>(index);  // one code per item
  ShowLevel(currentLevel_);
}
