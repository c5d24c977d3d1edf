#include "app/win32/FormMain.h"

#include <stdexcept>

#include "app/EntryActions.h"
#include "app/Listing.h"
#include "app/MainLayout.h"
#include "app/RepeatTimer.h"
#include "app/UsageView.h"
#include "gui/win32/framework/Application.h"
#include "gui/win32/drawing/Printer.h"
#include "app/win32/ProgramGlyph.h"
#include "app/win32/ProgramSettings.h"
#include "app/win32/TreeExportFile.h"
#include "settings/FolderMenu.h"
#include "settings/SettingsStore.h"
#include "win32/Files.h"
#include "win32/ReplacingFile.h"
#include "win32/WideText.h"
#include "support/win32/Win32Locale.h"

namespace {

constexpr TColor kCompressedColour = 0xFF0000;  // blue, 0x00BBGGRR
constexpr TColor kUncompressedColour = 0x000000;

std::string CurrentDirectory() {
  std::wstring path(GetCurrentDirectoryW(0, nullptr), L'\0');
  path.resize(GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data()));
  return WideToUtf8(path);
}

// Holds the repeat scan off while entries of the tree are in use, and gives it back.
class RepeatScanHeld {
 public:
  explicit RepeatScanHeld(TTimer& timer) : timer_(timer), enabled_(timer.Enabled()) { timer_.SetEnabled(false); }
  ~RepeatScanHeld() { timer_.SetEnabled(enabled_); }
  RepeatScanHeld(const RepeatScanHeld&) = delete;
  RepeatScanHeld& operator=(const RepeatScanHeld&) = delete;

 private:
  TTimer& timer_;
  const bool enabled_;
};

}  // namespace

TMainForm::TMainForm(Platform& platform, std::optional<std::string> argument)
    : TForm({.Caption = "Velmora", .MaximizeBox = false, .Design = {193, 124, 550, 410}, .ClientSize = {542, 364},
             .Icon = &ProgramGlyph()}),
      platform_(platform),
      argument_(std::move(argument)),
      locale_(ReadUserFormatSettings()),
      executable_(ExecutablePath()) {
  ActiveControl = &SpeedPanel;
  ListBox1.PopupMenu = &ListMenu;

  OnShow = Bind(this, &TMainForm::FormShow);
  OnResize = Bind(this, &TMainForm::FormResize);
  OnCloseQuery = [this](TComponent& sender, bool& canClose) { FormCloseQuery(sender, canClose); };
  OnClose = Bind(this, &TMainForm::FormClose);
  FormCreate();
}

void TMainForm::FormCreate() {
  ScanReportDialog.OnSave = Bind(this, &TMainForm::ScanReportSave);
  scanPath_ = CurrentDirectory();
  formInfo_ = std::make_unique<TRegistryFormInfo>(*this, platform_.Keys(), PlacementKeyPath(executable_));
  LoadSettings();
  PieChart1.GhostColour = Color;
  ::UpdateFolderMenu(platform_.Keys(), executable_, settings_.RightClickFolder);
  minWidth_ = Width();
  minHeight_ = Height();
  SetRepeatTimer(settings_.RepeatedScan, settings_.RepeatInterval);
}

void TMainForm::LoadSettings() {
  settings_ = LoadProgramSettings(platform_.Keys());
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
  if (driver_.ExportShown()) {
    LoadExport(*driver_.ExportShown());
    return;
  }
  driver_.Scan(scanPath_.empty() ? CurrentDirectory() : scanPath_, settings_);
}

void TMainForm::LoadExport(const std::string& file) {
  const std::optional<ExportError> error = driver_.Load(file);
  if (!error) return;
  ShowLevelOrNothing();  // the tree shown before, if any
  if (!error->Cancelled)
    Application().MessageBox(
        "Cannot open " + file + ": " + error->Reason + " (at byte " + std::to_string(error->Offset) + ").",
        "Velmora - cannot open export", MB_OK | MB_ICONERROR);
}

void TMainForm::TreeGoing() {
  PieChart1.Clear();
  SetCaption("Velmora");
  currentLevel_ = nullptr;
}

void TMainForm::ScanBegins() {
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

void TMainForm::Sizes(bool compressionSupported, bool compressed) {
  lblCompressed.SetVisible(compressionSupported);
  if (!compressionSupported) return;
  lblCompressed.SetCaption(compressed ? "Compressed sizes" : "Uncompressed sizes");
  lblCompressed.SetTextColour(compressed ? kCompressedColour : kUncompressedColour);
}

void TMainForm::Scanned(TFolderList& root) { ShowLevel(&root); }

void TMainForm::ScanEnds() {
  Timer2.SetEnabled(false);
  OpenBtn.SetEnabled(true);
  PrintBtn.SetEnabled(true);
  BitBtnCancel.SetEnabled(false);
}

void TMainForm::Timer2Timer(TComponent&) {
  StatusBar.SetPanelText(1, FilesText(driver_.Root().FileCount(), locale_));
  StatusBar.SetPanelText(2, FoldersText(driver_.Root().FolderCount(), locale_));
  StatusBar.SetPanelText(3, driver_.Progress());
}

void TMainForm::TimerRepeatScanTimer(TComponent&) {
  if (!driver_.Scanning() && !driver_.ExportShown()) RunScan();  // an export does not change
}

void TMainForm::btnStopClick(TComponent&) { driver_.Cancel(); }

void TMainForm::Refresh1Click(TComponent&) { RunScan(); }

void TMainForm::ScanReport1Click(TComponent&) {
  std::optional<ReportTexts> texts = driver_.DescribeLast(settings_.DisplayUnits, locale_);
  if (!texts) return;
  ScanReportDialog.Texts = std::move(*texts);
  if (ScanReportDialog.ShowModal() != TModalResult::Ok) return;
  if (TFolderList* level = LevelAt(driver_.Root(), ScanReportDialog.FolderToOpen)) ShowLevel(level);
}

void TMainForm::LargestFiles1Click(TComponent&) { ShowFinds(LargestFilesDialog); }

void TMainForm::FileTypes1Click(TComponent&) {
  FileTypesDialog.Colours = settings_.PieChartColours;
  ShowFinds(FileTypesDialog);
}

void TMainForm::ShowFinds(TFoundFilesForm& dialog) {
  if (driver_.Scanning() || !currentLevel_) return;
  const RepeatScanHeld held(TimerRepeatScan);  // the dialog holds entries of the tree
  dialog.Root = &driver_.Root();
  dialog.Units = settings_.DisplayUnits;
  dialog.Mode = settings_.DisplayMode;
  dialog.Locale = locale_;
  if (dialog.ShowModal() != TModalResult::Ok || !dialog.FileToShow) return;
  ShowLevel(dialog.FileToShow->OwnerList);
  for (int line = 0; line < ListBox1.Count(); ++line)
    if (ListBox1.Object(line) == dialog.FileToShow) {
      ListBox1.SetItemIndex(line);
      ListBox1Click(ListBox1);
    }
  ListBox1.SetFocus();
}

void TMainForm::ScanReportSave(TComponent&) {
  if (AskWhereToSave(ReportSaveDialog, ScanReportDialog.Handle()))
    ReplaceFileContent(ReportSaveDialog.FileName, ReportText(ScanReportDialog.Texts));
}

void TMainForm::FileOpen(TComponent&) {
  if (driver_.Scanning() || !BrowseDirectoryDlg1.Execute()) return;
  scanPath_ = BrowseDirectoryDlg1.Selection();
  driver_.Scan(scanPath_, settings_);
}

void TMainForm::FileOpenExport(TComponent&) {
  if (!driver_.Scanning() && OpenExportDialog.Execute(Handle())) LoadExport(OpenExportDialog.FileName);
}

void TMainForm::FileExit(TComponent&) { Close(); }

void TMainForm::FormCloseQuery(TComponent&, bool&) {
  driver_.Cancel();  // a running scan stops at its next check; the program ends after it
  ::SaveSettings(platform_.Keys(), settings_);
}

void TMainForm::FormClose(TComponent&) { formInfo_->SavePlacement(); }

void TMainForm::FileSaveMenuClick(TComponent&) {
  if (ListBox1.Count() == 0) return;
  std::vector<std::string> lines;
  for (int i = 0; i < ListBox1.Count(); ++i) lines.push_back(ListBox1.Item(i));
  if (AskWhereToSave(SaveDialog1, Handle())) ReplaceFileContent(SaveDialog1.FileName, ListingBytes(lines, Utf8ToAnsi));
}

void TMainForm::FileExportTree(TComponent&) {
  if (driver_.Scanning() || !AskWhereToSave(ExportDialog, Handle())) return;
  const std::string& fileName = ExportDialog.FileName;
  const std::string failure =
      WriteTreeFile(driver_.Root(), fileName, TreeFormatOf(fileName).value_or(TreeFormat::NcduJson));
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

void TMainForm::UpdateFolderMenu(bool enable) { ::UpdateFolderMenu(platform_.Keys(), executable_, enable); }

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
  const std::optional<std::string>& exported = driver_.ExportShown();
  const std::string caption = exported ? texts.Caption + " (" + *exported + ")" : texts.Caption;
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

const TFolderData* TMainForm::SelectedEntry() const {
  const int index = ListBox1.ItemIndex();
  return index >= 0 ? static_cast<const TFolderData*>(ListBox1.Object(index)) : nullptr;
}

EntryActions TMainForm::Offered(const TFolderData& entry) const {
  return OfferedActions(entry, {.Scanning = driver_.Scanning(), .FromExport = driver_.ExportShown().has_value()});
}

bool TMainForm::Act(EntryAction action, const TFolderData& entry) {
  // A repeat scan in a dialog's message loop would free the entry under our feet.
  const RepeatScanHeld held(TimerRepeatScan);
  const std::string path = EntryPath(entry);
  std::string failure;
  switch (action) {
    case EntryAction::Open:
      if (entry.SubList) {
        OpenEntry(&entry);
        return false;
      }
      failure = platform_.Shell().Open(path);
      break;
    case EntryAction::ShowInExplorer: failure = platform_.Shell().ShowInFolder(path); break;
    case EntryAction::CopyPath: failure = platform_.Shell().CopyText(path); break;
    case EntryAction::Recycle: return RecycleEntry(entry);
  }
  if (!failure.empty())
    Application().MessageBox("Cannot do this with " + path + ": " + failure, "Velmora", MB_OK | MB_ICONERROR);
  return false;
}

bool TMainForm::RecycleEntry(const TFolderData& entry) {
  const std::string path = EntryPath(entry);
  if (Application().MessageBox(RecycleQuestion(entry, settings_.DisplayUnits, settings_.DisplayMode, locale_),
                               "Velmora - delete to Recycle Bin", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
    return false;
  const ShellActions::RecycleResult result = platform_.Shell().Recycle(path);
  if (result.Outcome == ShellActions::Recycled::Failed)
    Application().MessageBox("Cannot move " + path + " to the Recycle Bin: " + result.Reason,
                             "Velmora - cannot delete", MB_OK | MB_ICONERROR);
  if (result.Outcome != ShellActions::Recycled::Done) return false;
  entry.OwnerList->Remove(entry);
  ShowLevel(currentLevel_);
  return true;
}
