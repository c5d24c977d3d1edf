#pragma once

#include <optional>
#include <string>

#include "chart/PieChart.h"
#include "controls/win32/BrowseDr.h"
#include "gui/win32/Button.h"
#include "gui/win32/ComboBox.h"
#include "gui/Dpi.h"
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
#include "support/FormatSettings.h"

// The main window: the tool bar with its selectors, the pie chart and its list, the
// buttons and the status bar; it runs every scan and shows one level of the tree. It
// reads the settings when it is made and saves them when asked to close.
class TMainForm : public TForm {
 public:
  // `argument`: the program's first command-line argument, if it had one.
  TMainForm(ScanPlatform& scanPlatform, VolumeApi& volumeApi, Registry& registry,
            std::optional<std::string> argument);
  ~TMainForm() override;

  // Scans ScanPath and shows the result; a request while a scan runs is dropped.
  void RunScan();
  void ShowLevel(TFolderList* level);
  void OpenEntry(const TFolderData* entry);

  // Event handlers, as the form binds them.
  void Timer1Timer(TComponent& sender);
  void Timer2Timer(TComponent& sender);
  void TimerRepeatScanTimer(TComponent& sender);
  void btnStopClick(TComponent& sender);
  void Refresh1Click(TComponent& sender);
  void FileOpen(TComponent& sender);
  void FileExit(TComponent& sender);
  void FileSaveMenuClick(TComponent& sender);
  void FilePrint(TComponent& sender);
  void FormShow(TComponent& sender);
  void FormResize(TComponent& sender);
  void FormCloseQuery(TComponent& sender, bool& canClose);
  void PieChart1DblClick(TComponent& sender);
  void ListBox1Click(TComponent& sender);
  void ListBox1DblClick(TComponent& sender);
  void BitBtnUpClick(TComponent& sender);
  void cbxUnitsChange(TComponent& sender);
  void cbxDisplayChange(TComponent& sender);

  // State the rest of the program and the tests look at.
  TFolderList RootLevel;
  TFolderList* CurrentLevel = nullptr;  // none while a scan replaces the tree
  bool Scanning = false;
  bool CancelScan = false;
  std::string ScanPath;
  std::string ProgressText;
  std::string PrintTitle;  // the job title of a print, set with each level shown
  int MinWidth = 0;
  int MinHeight = 0;
  std::unique_ptr<TRegistryFormInfo> FormInfo;  // the remembered placement

  // Settings.
  uint8_t DisplayUnits = 1;
  uint8_t DisplayMode = 1;
  uint8_t DisplayCompressed = 0;
  bool RightClickFolder = true;
  bool DisplayFreeDiskSpace = true;
  bool RepeatedScan = false;
  int32_t RepeatInterval = 10;

  // Controls, in the order they are made.
  const DpiScale Scale;
  TMainMenu MainMenu;
  TMenuItem Open1{"&Open...", {}, "Open a file"};
  TMenuItem Print1{"&Print"};
  TMenuItem FileSaveMenu{"&Save"};
  TMenuItem Exit1{"E&xit", {'X', true}, "Exit application"};
  TMenuItem Refresh1{"&Refresh", {VK_F5}};
  TMenuItem Options1{"&Options..."};
  TMenuItem About1{"&About..."};
  TPanel SpeedPanel;
  TSpeedButton OpenBtn;
  TSpeedButton PrintBtn;
  TLabel Label1;
  TComboBox cbxUnits;
  TLabel Label2;
  TComboBox cbxDisplay;
  TLabel lblCompressed;
  TPieChart PieChart1;
  TListBox ListBox1;
  TLabel lblMaxFileNameLength;
  TButton BitBtnCancel;
  TButton BitBtnUp;
  TButton BitBtnExit;
  TStatusBar StatusBar;
  TTimer Timer1;
  TTimer Timer2;
  TTimer TimerRepeatScan;
  TvlxBrowseDirectoryDlg BrowseDirectoryDlg1;
  TSaveDialog SaveDialog1;

  int MinimumWidth() const override { return MinWidth; }
  int MinimumHeight() const override { return MinHeight; }

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FormCreate();
  void LoadSettings();
  void SaveSettings();
  void PlaceControls();
  void PrepareForScan();
  void ShowCompression(bool supported, bool compressed);
  void RestoreAfterScan();

  ScanPlatform& scanPlatform_;
  VolumeApi& volumeApi_;
  Registry& registry_;
  std::optional<std::string> argument_;
  FormatSettings locale_;
};
