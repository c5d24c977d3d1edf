#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/OptionsExchange.h"
#include "app/win32/Glyphs.h"
#include "chart/PieChart.h"
#include "controls/win32/BrowseDr.h"
#include "gui/win32/Button.h"
#include "gui/win32/ComboBox.h"
#include "gui/win32/Form.h"
#include "gui/win32/Label.h"
#include "gui/win32/ListBox.h"
#include "gui/win32/Menu.h"
#include "gui/win32/Panel.h"
#include "gui/win32/SaveDialog.h"
#include "gui/win32/StatusBar.h"
#include "gui/win32/Timer.h"
#include "scan/FolderList.h"
#include "scan/ScanPlatform.h"
#include "scan/VolumeApi.h"
#include "settings/Registry.h"
#include "settings/RegistryVariables.h"
#include "settings/Settings.h"
#include "support/FormatSettings.h"

class TOptionsDialog;
class TfrmFileProperties;
class TAboutBoxOrv;

// The dialogs the main window opens; they are made after it, as the program's forms
// are made in order.
struct TMainDialogs {
  TOptionsDialog* Options = nullptr;
  TfrmFileProperties* FileProperties = nullptr;
  TAboutBoxOrv* About = nullptr;
};

// The main window: the tool bar with its selectors, the pie chart and its list, the
// buttons and the status bar; it runs every scan and shows one level of the tree. It
// reads the settings when it is made and saves them when asked to close.
class TMainForm final : public TForm, private OptionsTarget {
 public:
  // `argument`: the program's first command-line argument, if it had one.
  TMainForm(ScanPlatform& scanPlatform, VolumeApi& volumeApi, Registry& registry,
            std::optional<std::string> argument);
  ~TMainForm() override;

  void SetDialogs(const TMainDialogs& dialogs) { dialogs_ = dialogs; }

  // Scans ScanPath and shows the result; a request while a scan runs is dropped.
  void RunScan();
  void ShowLevel(TFolderList* level);
  void OpenEntry(const TFolderData* entry);

  const TSettings& Settings() const { return settings_; }
  bool Scanning() const { return scanning_; }
  TFolderList& RootLevel() { return rootLevel_; }
  int MinimumWidth() const override { return minWidth_; }
  int MinimumHeight() const override { return minHeight_; }

 private:
  // Event handlers, as the controls are bound to them.
  void Timer1Timer(TComponent& sender);
  void Timer2Timer(TComponent& sender);
  void TimerRepeatScanTimer(TComponent& sender);
  void btnStopClick(TComponent& sender);
  void Refresh1Click(TComponent& sender);
  void FileOpen(TComponent& sender);
  void FileExit(TComponent& sender);
  void FileSaveMenuClick(TComponent& sender);
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
  void PrepareForScan();
  void ShowCompression(bool supported, bool compressed);
  void RestoreAfterScan();
  void ApplyPieColours(const std::string& colours);

  // What an OK of the options dialog leads to.
  void SetRepeatTimer(bool enabled, int32_t minutes) override;
  void UpdateFolderMenu(bool enable) override;
  void SelectDisplay(uint8_t units, uint8_t mode) override;
  void ShowCurrentLevel() override;
  void SetListFont(const TFont& font) override;
  void SetPieFont(const TFont& font) override;
  void SetPieColours(const std::string& colours) override;

  ScanPlatform& scanPlatform_;
  VolumeApi& volumeApi_;
  Registry& registry_;
  const std::optional<std::string> argument_;
  const FormatSettings locale_;
  const std::string executable_;
  TMainDialogs dialogs_;

  TSettings settings_;
  TFolderList rootLevel_;
  TFolderList* currentLevel_ = nullptr;  // none while a scan replaces the tree
  bool scanning_ = false;
  bool cancelScan_ = false;
  std::string scanPath_;
  std::string progressText_;
  std::string printTitle_;  // the job title of a print, set with each level shown
  int minWidth_ = 0;
  int minHeight_ = 0;
  std::unique_ptr<TRegistryFormInfo> formInfo_;  // the remembered placement

  // Controls, in the order they are made.
  TMenuItem Open1{{.Caption = "&Open...", .Hint = "Open a file", .OnClick = Bind(this, &TMainForm::FileOpen)}};
  TMenuItem Print1{{.Caption = "&Print", .OnClick = Bind(this, &TMainForm::FilePrint)}};
  TMenuItem FileSaveMenu{{.Caption = "&Save", .OnClick = Bind(this, &TMainForm::FileSaveMenuClick)}};
  TMenuItem Exit1{{.Caption = "E&xit", .ShortCut = {'X', true}, .Hint = "Exit application",
                   .OnClick = Bind(this, &TMainForm::FileExit)}};
  TMenuItem Refresh1{{.Caption = "&Refresh", .ShortCut = {VK_F5}, .OnClick = Bind(this, &TMainForm::Refresh1Click)}};
  TMenuItem Options1{{.Caption = "&Options...", .OnClick = Bind(this, &TMainForm::Options1Click)}};
  TMenuItem About1{{.Caption = "&About...", .OnClick = Bind(this, &TMainForm::About)}};
  TMainMenu MainMenu;
  TPanel SpeedPanel{*this};
  TSpeedButton OpenBtn{SpeedPanel, {.Glyph = OpenGlyph(), .Hint = " Open ", .OnClick = Bind(this, &TMainForm::FileOpen)}};
  TSpeedButton PrintBtn{SpeedPanel,
                        {.Glyph = PrintGlyph(), .Hint = " Print ", .OnClick = Bind(this, &TMainForm::FilePrint)}};
  TLabel Label1{SpeedPanel, {.Caption = "Units:  ", .Alignment = TAlignment::Right}};
  TComboBox cbxUnits{SpeedPanel, {.Items = {"bytes", "KB", "MB", "GB", "Count"},
                                  .Hint = " Show size in bytes, KB, MB, GB or a count of files ",
                                  .OnChange = Bind(this, &TMainForm::cbxUnitsChange)}};
  TLabel Label2{SpeedPanel, {.Caption = "Disk space:  ", .Alignment = TAlignment::Right}};
  TComboBox cbxDisplay{SpeedPanel, {.Items = {"nominal", "allocated", "slack only"},
                                    .Hint = " Choose how to include the slack space ",
                                    .OnChange = Bind(this, &TMainForm::cbxDisplayChange)}};
  TLabel lblCompressed{
      SpeedPanel,
      {.Caption = "        ", .Alignment = TAlignment::Right,
       .Hint = "\"Compressed\" sizes include any NTFS file compression, if present."}};
  TPieChart PieChart1;
  TListBox ListBox1{*this, {.OnClick = Bind(this, &TMainForm::ListBox1Click),
                            .OnDblClick = Bind(this, &TMainForm::ListBox1DblClick)}};
  TLabel lblMaxFileNameLength{*this, {.Hint = "Maximum characters in file name"}};
  TButton BitBtnCancel{*this, {.Caption = "Cancel", .Glyph = &CancelGlyph(), .Hint = " Stop the present scan ",
                               .Cancel = true, .OnClick = Bind(this, &TMainForm::btnStopClick)}};
  TButton BitBtnUp{*this, {.Caption = "&Up", .Glyph = &UpGlyph(), .Hint = " Pprevious folder ",
                           .OnClick = Bind(this, &TMainForm::BitBtnUpClick)}};
  TButton BitBtnExit{*this, {.Caption = "E&xit", .OnClick = Bind(this, &TMainForm::FileExit)}};
  TStatusBar StatusBar{*this, {Scale(115), Scale(85), Scale(80), Scale(50)}};
  TTimer Timer1{{.Interval = 100, .OnTimer = Bind(this, &TMainForm::Timer1Timer), .Name = "Timer1"}};
  TTimer Timer2{{.Interval = 333, .Enabled = false, .OnTimer = Bind(this, &TMainForm::Timer2Timer), .Name = "Timer2"}};
  TTimer TimerRepeatScan{{.Interval = 0, .Enabled = false, .OnTimer = Bind(this, &TMainForm::TimerRepeatScanTimer),
                          .Name = "TimerRepeatScan"}};
  TvlxBrowseDirectoryDlg BrowseDirectoryDlg1{Handle()};
  TSaveDialog SaveDialog1;
};
