#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/OptionsExchange.h"
#include "app/Platform.h"
#include "app/ScanDriver.h"
#include "app/win32/EntryMenu.h"
#include "app/win32/FileTypesDialog.h"
#include "app/win32/LargestFilesDialog.h"
#include "app/win32/ScanReportDialog.h"
#include "app/win32/Glyphs.h"
#include "dialogs/win32/AboutBoxOrv1.h"
#include "dialogs/win32/FileProp.h"
#include "chart/PieChart.h"
#include "controls/win32/BrowseDr.h"
#include "gui/win32/framework/Button.h"
#include "gui/win32/controls/ComboBox.h"
#include "gui/win32/framework/Form.h"
#include "gui/win32/controls/Label.h"
#include "gui/win32/controls/ListBox.h"
#include "gui/win32/framework/Menu.h"
#include "gui/win32/controls/Panel.h"
#include "gui/win32/dialogs/FileDialogs.h"
#include "gui/win32/controls/StatusBar.h"
#include "gui/win32/controls/Timer.h"
#include "scan/FolderList.h"
#include "settings/RegistryVariables.h"
#include "settings/Settings.h"
#include "settings/win32/OptnDlg.h"
#include "support/FormatSettings.h"

// The main window: the tool bar with its selectors, the pie chart and its list, the
// buttons and the status bar; it asks its scan driver for every scan and shows one
// level of the tree. It reads the settings when it is made and saves them when asked
// to close. It owns the program's dialogs, made after it in the program's order.
class TMainForm : public TForm, private OptionsTarget, private ScanView, private EntryActionTarget {
 public:
  // Scans ScanPath and shows the result; a request while a scan runs is dropped.
  void RunScan();
  void ShowLevel(TFolderList* level);
  void OpenEntry(const TFolderData* entry);

  const TSettings& Settings() const { return settings_; }
  bool Scanning() const { return driver_.Scanning(); }
  TFolderList& RootLevel() { return driver_.Root(); }
  int MinimumWidth() const override { return minWidth_; }
  int MinimumHeight() const override { return minHeight_; }

 protected:
  // `argument`: the program's first command-line argument, if it had one.
  TMainForm(Platform& platform, std::optional<std::string> argument);

 private:
  // Event handlers, as the controls are bound to them.
  void Timer1Timer(TComponent& sender);
  void Timer2Timer(TComponent& sender);
  void TimerRepeatScanTimer(TComponent& sender);
  void btnStopClick(TComponent& sender);
  void Refresh1Click(TComponent& sender);
  void ScanReport1Click(TComponent& sender);
  void LargestFiles1Click(TComponent& sender);
  void FileTypes1Click(TComponent& sender);
  void ScanReportSave(TComponent& sender);
  void FileOpen(TComponent& sender);
  void FileExit(TComponent& sender);
  void FileSaveMenuClick(TComponent& sender);
  void FileOpenExport(TComponent& sender);
  void FileExportTree(TComponent& sender);
  void FilePrint(TComponent& sender);
  void Options1Click(TComponent& sender);
  void About(TComponent& sender);
  void FormShow(TComponent& sender);
  void FormResize(TComponent& sender);
  void FormCloseQuery(TComponent& sender, bool& canClose);
  void FormClose(TComponent& sender);
  void PieChart1DblClick(TComponent& sender);
  void PieChart1RightClick(TComponent& sender);
  void ListBox1Click(TComponent& sender);
  void ListBox1DblClick(TComponent& sender);
  void BitBtnUpClick(TComponent& sender);
  void cbxUnitsChange(TComponent& sender);
  void cbxDisplayChange(TComponent& sender);

  void FormCreate();
  void LoadSettings();
  // Reads an ncdu or gdu export and shows its tree; on failure the tree shown stays.
  void LoadExport(const std::string& file);
  // The level shown before, or an empty status bar when there was none.
  void ShowLevelOrNothing();

  // What the window shows of a scan as it goes.
  void TreeGoing() override;
  void ScanBegins() override;
  void Sizes(bool compressionSupported, bool compressed) override;
  void Scanned(TFolderList& root) override;
  void ScanEnds() override;
  // Shows a dialog that finds files in the tree; then the level of the file it chose,
  // with the file's line selected.
  void ShowFinds(TFoundFilesForm& dialog);
  // What the user may do with an entry, and doing it.
  EntryActions Offered(const TFolderData& entry) const override;
  bool Act(EntryAction action, const TFolderData& entry) override;
  // Asks, moves the entry to the Recycle Bin and takes it out of the tree; true when it went.
  bool RecycleEntry(const TFolderData& entry);
  // The entry of the list's selected line; none.
  const TFolderData* SelectedEntry() const;

  // Asks for a file name, and before replacing a file whether to; true when the file
  // named in the dialog is to be written.
  bool AskWhereToSave(TSaveDialog& dialog, HWND owner);
  void ApplyPieColours(const std::string& colours);

  // What an OK of the options dialog leads to.
  void SetRepeatTimer(bool enabled, int32_t minutes) override;
  void UpdateFolderMenu(bool enable) override;
  void SelectDisplay(uint8_t units, uint8_t mode) override;
  void ShowCurrentLevel() override;
  void SetListFont(const TFont& font) override;
  void SetPieFont(const TFont& font) override;
  void SetPieColours(const std::string& colours) override;

  Platform& platform_;
  const std::optional<std::string> argument_;
  const FormatSettings locale_;
  const std::string executable_;

  TSettings settings_;
  ScanDriver driver_{platform_, *this};
  TFolderList* currentLevel_ = nullptr;  // none while a scan replaces the tree
  std::string scanPath_;
  std::string printTitle_;  // the job title of a print, set with each level shown
  int minWidth_ = 0;
  int minHeight_ = 0;
  std::unique_ptr<TRegistryFormInfo> formInfo_;  // the remembered placement

  // Controls, in the order they are made (which is the Tab order). The client area is
  // designed 542 x 364: the 550 x 410 window less a 4-pixel frame, its caption and its
  // menu bar.
  TMainMenu MainMenu{*this};
  TDropDownMenu FileMenu{MainMenu, "&File"};
  TMenuItem Open1{FileMenu,
                  {.Caption = "&Open...", .Hint = "Open a file", .OnClick = Bind(this, &TMainForm::FileOpen)}};
  TMenuItem OpenExport1{FileMenu, {.Caption = "Open &Export...", .Hint = "Open an ncdu or gdu export",
                                   .OnClick = Bind(this, &TMainForm::FileOpenExport)}};
  TMenuItem Print1{FileMenu, {.Caption = "&Print", .LineBefore = true, .OnClick = Bind(this, &TMainForm::FilePrint)}};
  TMenuItem FileSaveMenu{FileMenu, {.Caption = "&Save", .OnClick = Bind(this, &TMainForm::FileSaveMenuClick)}};
  TMenuItem ExportTree1{FileMenu, {.Caption = "Export &Tree...", .Hint = "Export the whole tree as ncdu JSON or CSV",
                                   .OnClick = Bind(this, &TMainForm::FileExportTree)}};
  TMenuItem Exit1{FileMenu, {.Caption = "E&xit", .ShortCut = {'X', true}, .Hint = "Exit application",
                             .LineBefore = true, .OnClick = Bind(this, &TMainForm::FileExit)}};
  TDropDownMenu ViewMenu{MainMenu, "&View"};
  TMenuItem Refresh1{ViewMenu,
                     {.Caption = "&Refresh", .ShortCut = {VK_F5}, .OnClick = Bind(this, &TMainForm::Refresh1Click)}};
  TMenuItem ScanReport1{ViewMenu, {.Caption = "Scan Re&port...", .OnClick = Bind(this, &TMainForm::ScanReport1Click)}};
  TMenuItem LargestFiles1{ViewMenu,
                          {.Caption = "&Largest Files...", .OnClick = Bind(this, &TMainForm::LargestFiles1Click)}};
  TMenuItem FileTypes1{ViewMenu, {.Caption = "File &Types...", .OnClick = Bind(this, &TMainForm::FileTypes1Click)}};
  TMenuItem Options1{ViewMenu,
                     {.Caption = "&Options...", .LineBefore = true, .OnClick = Bind(this, &TMainForm::Options1Click)}};
  TDropDownMenu HelpMenu{MainMenu, "&Help"};
  TMenuItem About1{HelpMenu, {.Caption = "&About...", .OnClick = Bind(this, &TMainForm::About)}};
  TPanel SpeedPanel{*this, {}, {.Bounds = {0, 0, 542, 30}, .Align = TAlign::Top}};
  TSpeedButton OpenBtn{SpeedPanel, {.Glyph = OpenGlyph(), .OnClick = Bind(this, &TMainForm::FileOpen)},
                       {.Bounds = {10, 3, 25, 25}, .Hint = " Open "}};
  TSpeedButton PrintBtn{SpeedPanel, {.Glyph = PrintGlyph(), .OnClick = Bind(this, &TMainForm::FilePrint)},
                        {.Bounds = {42, 3, 25, 25}, .Enabled = false, .Hint = " Print "}};
  // Right-aligned labels end where their selector begins.
  TLabel Label1{SpeedPanel, {.Caption = "Units:  ", .Alignment = TAlignment::Right}, {.Bounds = {75, 8, 32, 13}}};
  TComboBox cbxUnits{SpeedPanel,
                     {.Items = {"bytes", "KB", "MB", "GB", "Count"},
                      .OnChange = Bind(this, &TMainForm::cbxUnitsChange)},
                     {.Bounds = {107, 5, 57, 200}, .Hint = " Show size in bytes, KB, MB, GB or a count of files "}};
  TLabel Label2{SpeedPanel, {.Caption = "Disk space:  ", .Alignment = TAlignment::Right},
                {.Bounds = {181, 8, 62, 13}}};
  TComboBox cbxDisplay{SpeedPanel,
                       {.Items = {"nominal", "allocated", "slack only"},
                        .OnChange = Bind(this, &TMainForm::cbxDisplayChange)},
                       {.Bounds = {243, 5, 81, 200}, .Hint = " Choose how to include the slack space "}};
  TLabel lblCompressed{SpeedPanel, {.Caption = "        ", .Alignment = TAlignment::Right},
                       {.Bounds = {365, 8, 170, 13},
                        .Hint = "\"Compressed\" sizes include any NTFS file compression, if present."}};
  TListBox ListBox1{*this,
                    {.OnClick = Bind(this, &TMainForm::ListBox1Click),
                     .OnDblClick = Bind(this, &TMainForm::ListBox1DblClick)},
                    {.Bounds = {328, 40, 209, 265}, .Anchors = akTop | akRight | akBottom}};
  // Square, as big as fits left of the list (FormResize).
  TPieChart PieChart1{*this,
                      {.ListBox = &ListBox1,
                       .OnDblClick = Bind(this, &TMainForm::PieChart1DblClick),
                       .OnRightClick = Bind(this, &TMainForm::PieChart1RightClick)},
                      {.Bounds = {5, 37, 297, 297}}};
  TLabel lblMaxFileNameLength{*this, {}, {.Bounds = {4, 324, 60, 13}, .Anchors = akLeft | akBottom,
                                         .Hint = "Maximum characters in file name"}};
  TButton BitBtnCancel{*this,
                       {.Caption = "Cancel", .Glyph = &CancelGlyph(), .Cancel = true,
                        .OnClick = Bind(this, &TMainForm::btnStopClick)},
                       {.Bounds = {328, 312, 65, 25}, .Anchors = akRight | akBottom, .Enabled = false,
                        .Hint = " Stop the present scan "}};
  TButton BitBtnUp{*this, {.Caption = "&Up", .Glyph = &UpGlyph(), .OnClick = Bind(this, &TMainForm::BitBtnUpClick)},
                   {.Bounds = {401, 312, 49, 25}, .Anchors = akRight | akBottom, .Enabled = false,
                    .Hint = " Pprevious folder "}};
  TButton BitBtnExit{*this, {.Caption = "E&xit", .OnClick = Bind(this, &TMainForm::FileExit)},
                     {.Bounds = {458, 312, 65, 25}, .Anchors = akRight | akBottom}};
  // Room for "12,345,678,901,234 bytes", "Files: 1,234,567" and "Folders: 123,456".
  TStatusBar StatusBar{*this, {Scale(156), Scale(100), Scale(105), Scale(50)},
                       {.Bounds = {0, 345, 542, 19}, .Align = TAlign::Bottom}};
  TTimer Timer1{{.Interval = 100, .OnTimer = Bind(this, &TMainForm::Timer1Timer), .Name = "Timer1"}};
  TTimer Timer2{{.Interval = 333, .Enabled = false, .OnTimer = Bind(this, &TMainForm::Timer2Timer), .Name = "Timer2"}};
  TTimer TimerRepeatScan{{.Interval = 0, .Enabled = false, .OnTimer = Bind(this, &TMainForm::TimerRepeatScanTimer),
                          .Name = "TimerRepeatScan"}};
  TvlxBrowseDirectoryDlg BrowseDirectoryDlg1{{.Owner = Handle(),
                                              .Title = "Select a drive or folder tree to display usage",
                                              .Root = TRootID::idDrives,
                                              .Options = {bfDirectoriesOnly, bfAncestors, bfIncludeFiles},
                                              .Caption = "Velmora - select tree"}};
  static constexpr const char* kTextFiles = "Text files (*.txt)|*.txt|All files (*.*)|*.*";
  TSaveDialog SaveDialog1{{.FileName = "Usage", .DefaultExt = "txt", .Filter = kTextFiles,
                           .Title = "Save piechart listing"}};
  TSaveDialog ReportSaveDialog{{.FileName = "Scan report", .DefaultExt = "txt", .Filter = kTextFiles,
                                .Title = "Save scan report"}};
  TSaveDialog ExportDialog{{.FileName = "Tree", .DefaultExt = "json",
                            .Filter = "ncdu JSON (*.json)|*.json|CSV (*.csv)|*.csv", .Title = "Export tree"}};
  TOpenDialog OpenExportDialog{{.DefaultExt = "json", .Filter = "ncdu or gdu export (*.json)|*.json|All files (*.*)|*.*",
                                .Title = "Open export"}};

  TEntryMenu ListMenu{{.Target = *this, .Chosen = [this] { return SelectedEntry(); }}};

  // The program's other forms.
  TFinalForm<TOptionsDialog> OptionsDialog{*this};
  TFinalForm<TfrmFileProperties1> frmFileProperties1{*this, platform_.Files()};
  TFinalForm<TAboutBoxOrv1> AboutBoxOrv1{*this, platform_.Versions()};
  TFinalForm<TScanReportDialog> ScanReportDialog{*this};
  TFinalForm<TLargestFilesDialog> LargestFilesDialog{*this, static_cast<EntryActionTarget&>(*this)};
  TFinalForm<TFileTypesDialog> FileTypesDialog{*this, static_cast<EntryActionTarget&>(*this)};
};
