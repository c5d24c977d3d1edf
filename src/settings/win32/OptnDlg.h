#pragma once

#include "chart/PieChart.h"
#include "controls/win32/Spin.h"
#include "gui/win32/Button.h"
#include "gui/win32/CheckBox.h"
#include "gui/win32/CommonDialogs.h"
#include "gui/win32/Form.h"
#include "gui/win32/GroupBox.h"
#include "gui/win32/Label.h"
#include "gui/win32/ListBox.h"
#include "gui/win32/PageControl.h"
#include "gui/win32/Panel.h"
#include "settings/Settings.h"

// The dialog in which the user changes every setting, with a preview chart for fonts
// and colours. The caller puts its settings into Settings, shows the dialog modally,
// and after OK takes back what changed; the dialog itself touches nothing else. It is
// made once and keeps its pages between showings.
class TOptionsDialog final : public TForm {
 public:
  explicit TOptionsDialog(const TForm& owner);
  ~TOptionsDialog() override;

  TSettings Settings;

 private:
  void FormShow(TComponent& sender);
  void chkRightClickClick(TComponent& sender);
  void chkShowFreeDiskClick(TComponent& sender);
  void CheckBoxRepeatedScanClick(TComponent& sender);
  void SpinEditScanIntervalChange(TComponent& sender);
  void btnPieFontClick(TComponent& sender);
  void btnListBoxFontClick(TComponent& sender);
  void PieChart1DblClick(TComponent& sender);
  void btnRevertClick(TComponent& sender);
  void Button1Click(TComponent& sender);

  TPageControl PageControl1{*this};
  TTabSheet SpaceSheet{PageControl1, "Space"};
  TRadioGroup RadioGroup1{SpaceSheet, {.Caption = " Space Display "}};
  TRadioButton btnActual{RadioGroup1, {.Caption = "Only show nominal bytes, ignore slack"}};
  TRadioButton btnAllocated{RadioGroup1, {.Caption = "Show actual space on disk, with slack"}};
  TRadioButton btnSlack{RadioGroup1, {.Caption = "Show only the slack space"}};
  TLabel Label1{SpaceSheet,
                {.Caption = "Space on the disk is allocated in fixed size clusters, thus wasting space if these "
                            "clusters are not completely filled.  Choose whether you wish to include the wasted slack "
                            "space in the display and see a true picture.",
                 .WordWrap = true}};
  TTabSheet UnitsSheet{PageControl1, "Units"};
  TRadioGroup RadioGroupUnits{UnitsSheet, {.Caption = " Units ", .Items = {"Bytes", "KB", "MB", "GB", "Count"}}};
  TLabel Label2{UnitsSheet,
                {.Caption = "Choose whether the display will be in bytes, kilobytes (KB), megabytes (MB) or gigabytes "
                            "(GB).  The definitions used are 1024 bytes = 1 KB etc.  Or simply display a count of the "
                            "files, not their size.",
                 .WordWrap = true}};
  TTabSheet CompressionSheet{PageControl1, "NTFS Compression"};
  TRadioGroup RadioGroup3{CompressionSheet, {.Caption = " Measure files by "}};
  TRadioButton btnCompressed{RadioGroup3, {.Caption = "Compressed size"}};
  TRadioButton btnUncompressed{RadioGroup3, {.Caption = "Uncompressed size"}};
  TLabel Label3{CompressionSheet,
                {.Caption = "For Windows NT systems only, choose whether to take into account any file compression or "
                            "to ingore it.  Measuring the compressed size more accurately reflects the actual disk "
                            "usage.",
                 .WordWrap = true}};
  TTabSheet RightClickSheet{PageControl1, "Right Click"};
  TRadioGroup RadioGroup4{RightClickSheet, {.Caption = " Explorer Folder right-click menu "}};
  TCheckBox chkRightClick{RadioGroup4, {.Caption = "Enable \"Usage Pie Chart\" menu item",
                                            .OnClick = Bind(this, &TOptionsDialog::chkRightClickClick)}};
  TLabel Label5{RightClickSheet,
                {.Caption = "Enable allows you to right-click on a folder and get a pie-chart of that folder's disk "
                            "usage.  Disable removes this option and restores the menu to its original state.",
                 .WordWrap = true}};
  TTabSheet FreeDiskSheet{PageControl1, "Free Disk"};
  TRadioGroup RadioGroup5{FreeDiskSheet, {.Caption = " Free disk space  display "}};
  TCheckBox chkShowFreeDisk{RadioGroup5, {.Caption = "Show free disk space",
                                            .OnClick = Bind(this, &TOptionsDialog::chkShowFreeDiskClick)}};
  TLabel Label8{FreeDiskSheet,
                {.Caption = "Note: free space will show as a negative value in the list box. This is not an error, but "
                            "to force display as a grey pie segment.",
                 .WordWrap = true}};
  TLabel Label6{FreeDiskSheet,
                {.Caption = "Checking the Show Free Disk Space box displays not only the used space on the disk, but "
                            "the free space as well.  This is only relevant if and entire disk is being displayed.  "
                            "This forces the Space to \"Allocated\" and NTFS display to \"Compressed\".",
                 .WordWrap = true}};
  TTabSheet TabSheetTimer{PageControl1, "Timer"};
  TGroupBox GroupBox1{TabSheetTimer, {.Caption = " Repeat scan at regular intervals "}};
  TCheckBox CheckBoxRepeatedScan{GroupBox1, {.Caption = "Repeat scan every",
                                             .OnClick = Bind(this, &TOptionsDialog::CheckBoxRepeatedScanClick)}};
  TSpinEdit SpinEditScanInterval{GroupBox1, {.MinValue = 1, .MaxValue = 1440, .Value = 15,
                                             .OnChange = Bind(this, &TOptionsDialog::SpinEditScanIntervalChange)}};
  TLabel Label10{GroupBox1, {.Caption = "minutes"}};
  TLabel Label9{TabSheetTimer,
                {.Caption = "Checking the timer option makes the program automatically repeat the current scan every "
                            "so often.  The interval is set above.",
                 .WordWrap = true}};
  TTabSheet DisplaySheet{PageControl1, "Display"};
  TPanel Panel1{DisplaySheet};
  TPieChart PieChart1;
  TButton btnPieFont{Panel1, {.Caption = "Pie Font", .Hint = "Choose the text font for the piechart",
                              .OnClick = Bind(this, &TOptionsDialog::btnPieFontClick)}};
  TButton btnRevert{Panel1, {.Caption = "Revert", .Hint = "Reset piechart colours to default values",
                             .OnClick = Bind(this, &TOptionsDialog::btnRevertClick)}};
  TLabel Label4{Panel1, {.Caption = "Double-click or right-click a piechart segement to change the colour",
                         .WordWrap = true}};
  TPanel Panel2{DisplaySheet};
  TButton btnListBoxFont{Panel2, {.Caption = "List Font", .Hint = "Choose the font for the listbox",
                                  .OnClick = Bind(this, &TOptionsDialog::btnListBoxFontClick)}};
  TListBox ListBox1{Panel2, {.ItemHeight = 13}};
  TButton Button1{*this, {.Caption = "OK", .Default = true, .ModalResult = TModalResult::Ok,
                          .OnClick = Bind(this, &TOptionsDialog::Button1Click)}};
  TButton Button2{*this, {.Caption = "Cancel", .Cancel = true, .ModalResult = TModalResult::Cancel}};
  TFontDialog FontDialog1;
  TColorDialog ColorDialog1;
};
