#pragma once

#include <array>

#include "chart/PieChart.h"
#include "controls/win32/Spin.h"
#include "gui/win32/controls/CheckBox.h"
#include "gui/win32/controls/GroupBox.h"
#include "gui/win32/controls/Label.h"
#include "gui/win32/controls/ListBox.h"
#include "gui/win32/controls/PageControl.h"
#include "gui/win32/controls/Panel.h"
#include "gui/win32/dialogs/CommonDialogs.h"
#include "gui/win32/framework/Button.h"
#include "gui/win32/framework/Form.h"
#include "settings/Settings.h"

// The dialog in which the user changes every setting, with a preview chart for fonts
// and colours. The caller puts its settings into Settings, shows the dialog modally,
// and after OK takes back what changed; the dialog itself touches nothing else. It is
// made once and keeps its pages between showings.
class TOptionsDialog : public TForm {
 public:
  TSettings Settings;

 protected:
  explicit TOptionsDialog(const TForm& owner);

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
  // The measure buttons, by measure code: nominal, allocated, slack only.
  std::array<TRadioButton*, 3> MeasureButtons() { return {&btnActual, &btnAllocated, &btnSlack}; }

  // Positions within each control's page or frame. What lies in a frame is its child,
  // so that the frame holds it however wide the font makes its text.
  TPageControl PageControl1{*this, {.Bounds = {0, 0, 410, 270}}};
  TTabSheet SpaceSheet{PageControl1, {.Caption = "Space"}};
  TRadioGroup RadioGroup1{SpaceSheet, {.Caption = " Space Display "}, {.Bounds = {16, 8, 241, 105}}};
  TRadioButton btnActual{RadioGroup1, {.Caption = "Only show nominal bytes, ignore slack"},
                         {.Bounds = {8, 24, 222, 17}}};
  TRadioButton btnAllocated{RadioGroup1, {.Caption = "Show actual space on disk, with slack", .Checked = true},
                            {.Bounds = {8, 48, 222, 17}}};
  TRadioButton btnSlack{RadioGroup1, {.Caption = "Show only the slack space"}, {.Bounds = {8, 72, 222, 17}}};
  TLabel Label1{SpaceSheet,
                {.Caption = "Space on the disk is allocated in fixed size clusters, thus wasting space if these "
                            "clusters are not completely filled.  Choose whether you wish to include the wasted slack "
                            "space in the display and see a true picture.",
                 .WordWrap = true},
                {.Bounds = {16, 136, 370, 60}}};
  TTabSheet UnitsSheet{PageControl1, {.Caption = "Units"}};
  TRadioGroup RadioGroupUnits{UnitsSheet, {.Caption = " Units ", .Items = {"Bytes", "KB", "MB", "GB", "Count"}},
                              {.Bounds = {16, 8, 129, 105}}};
  TLabel Label2{UnitsSheet,
                {.Caption = "Choose whether the display will be in bytes, kilobytes (KB), megabytes (MB) or gigabytes "
                            "(GB).  The definitions used are 1024 bytes = 1 KB etc.  Or simply display a count of the "
                            "files, not their size.",
                 .WordWrap = true},
                {.Bounds = {16, 136, 370, 60}}};
  TTabSheet CompressionSheet{PageControl1, {.Caption = "NTFS Compression"}};
  TRadioGroup RadioGroup3{CompressionSheet, {.Caption = " Measure files by "}, {.Bounds = {16, 8, 161, 105}}};
  TRadioButton btnCompressed{RadioGroup3, {.Caption = "Compressed size"}, {.Bounds = {8, 32, 142, 17}}};
  TRadioButton btnUncompressed{RadioGroup3, {.Caption = "Uncompressed size", .Checked = true},
                               {.Bounds = {8, 56, 142, 17}}};
  TLabel Label3{CompressionSheet,
                {.Caption = "For Windows NT systems only, choose whether to take into account any file compression or "
                            "to ingore it.  Measuring the compressed size more accurately reflects the actual disk "
                            "usage.",
                 .WordWrap = true},
                {.Bounds = {16, 136, 370, 60}}};
  TTabSheet RightClickSheet{PageControl1, {.Caption = "Right Click"}};
  TRadioGroup RadioGroup4{RightClickSheet, {.Caption = " Explorer Folder right-click menu "},
                          {.Bounds = {16, 8, 241, 105}}};
  TCheckBox chkRightClick{RadioGroup4,
                          {.Caption = "Enable \"Usage Pie Chart\" menu item",
                           .OnClick = Bind(this, &TOptionsDialog::chkRightClickClick)},
                          {.Bounds = {8, 40, 222, 17}}};
  TLabel Label5{RightClickSheet,
                {.Caption = "Enable allows you to right-click on a folder and get a pie-chart of that folder's disk "
                            "usage.  Disable removes this option and restores the menu to its original state.",
                 .WordWrap = true},
                {.Bounds = {16, 136, 370, 60}}};
  TTabSheet FreeDiskSheet{PageControl1, {.Caption = "Free Disk"}};
  TRadioGroup RadioGroup5{FreeDiskSheet, {.Caption = " Free disk space  display "}, {.Bounds = {16, 8, 241, 105}}};
  TCheckBox chkShowFreeDisk{
      RadioGroup5,
      {.Caption = "Show free disk space", .OnClick = Bind(this, &TOptionsDialog::chkShowFreeDiskClick)},
      {.Bounds = {8, 40, 222, 17}}};
  TLabel Label8{FreeDiskSheet,
                {.Caption = "Note: free space will show as a negative value in the list box. This is not an error, but "
                            "to force display as a grey pie segment.",
                 .WordWrap = true},
                {.Bounds = {264, 16, 127, 65}}};
  TLabel Label6{FreeDiskSheet,
                {.Caption = "Checking the Show Free Disk Space box displays not only the used space on the disk, but "
                            "the free space as well.  This is only relevant if and entire disk is being displayed.  "
                            "This forces the Space to \"Allocated\" and NTFS display to \"Compressed\".",
                 .WordWrap = true},
                {.Bounds = {16, 136, 370, 60}}};
  TTabSheet TabSheetTimer{PageControl1, {.Caption = "Timer"}};
  TGroupBox GroupBox1{TabSheetTimer, {.Caption = " Repeat scan at regular intervals "}, {.Bounds = {16, 8, 241, 105}}};
  TCheckBox CheckBoxRepeatedScan{
      GroupBox1,
      {.Caption = "Repeat scan every", .OnClick = Bind(this, &TOptionsDialog::CheckBoxRepeatedScanClick)},
      {.Bounds = {16, 40, 117, 17}}};
  TSpinEdit SpinEditScanInterval{GroupBox1,
                                 {.MinValue = 1, .MaxValue = 1440, .Value = 15,
                                  .OnChange = Bind(this, &TOptionsDialog::SpinEditScanIntervalChange)},
                                 {.Bounds = {136, 40, 49, 22}}};
  TLabel Label10{GroupBox1, {.Caption = "minutes"}, {.Bounds = {192, 41, 40, 13}}};
  TLabel Label9{TabSheetTimer,
                {.Caption = "Checking the timer option makes the program automatically repeat the current scan every "
                            "so often.  The interval is set above.",
                 .WordWrap = true},
                {.Bounds = {16, 136, 370, 60}}};
  TTabSheet DisplaySheet{PageControl1, {.Caption = "Display"}};
  TPanel Panel1{DisplaySheet, {}, {.Bounds = {8, 8, 225, 193}}};
  TPieChart PieChart1{Panel1, {.ListBox = &ListBox1, .OnDblClick = Bind(this, &TOptionsDialog::PieChart1DblClick)},
                      {.Bounds = {72, 8, 145, 145}}};
  TButton btnPieFont{Panel1, {.Caption = "Pie Font", .OnClick = Bind(this, &TOptionsDialog::btnPieFontClick)},
                     {.Bounds = {72, 160, 65, 25}, .Hint = "Choose the text font for the piechart"}};
  TButton btnRevert{Panel1, {.Caption = "Revert", .OnClick = Bind(this, &TOptionsDialog::btnRevertClick)},
                    {.Bounds = {152, 160, 65, 25}, .Hint = "Reset piechart colours to default values"}};
  TLabel Label4{Panel1, {.Caption = "Double-click or right-click a piechart segement to change the colour",
                         .WordWrap = true},
                {.Bounds = {8, 8, 60, 145}}};
  TPanel Panel2{DisplaySheet, {}, {.Bounds = {256, 8, 137, 153}}};
  TButton btnListBoxFont{Panel2,
                         {.Caption = "List Font", .OnClick = Bind(this, &TOptionsDialog::btnListBoxFontClick)},
                         {.Bounds = {16, 8, 105, 25}, .Hint = "Choose the font for the listbox"}};
  TListBox ListBox1{Panel2, {.ItemHeight = 13}, {.Bounds = {16, 40, 105, 97}}};
  // OK and Cancel lie over the pages, and Tab still goes round all controls in one cycle.
  TButton Button1{*this,
                  {.Caption = "OK", .Default = true, .ModalResult = TModalResult::Ok,
                   .OnClick = Bind(this, &TOptionsDialog::Button1Click)},
                  {.Bounds = {256, 224, 62, 25}, .OverSiblings = true}};
  TButton Button2{*this, {.Caption = "Cancel", .Cancel = true, .ModalResult = TModalResult::Cancel},
                  {.Bounds = {336, 224, 62, 25}, .OverSiblings = true}};
  TFontDialog FontDialog1;
  TColorDialog ColorDialog1;
};
