#pragma once

#include <string>

#include "app/ScanReport.h"
#include "gui/win32/controls/Edit.h"
#include "gui/win32/controls/Label.h"
#include "gui/win32/controls/ListBox.h"
#include "gui/win32/controls/PageControl.h"
#include "gui/win32/framework/Button.h"
#include "gui/win32/framework/Form.h"

// The scan report: what the last scan counted and what it could not, and what changed
// since the scan before it. The caller sets Texts and shows the dialog modally; a
// double-click on a folder of a list closes it with that folder in FolderToOpen, and
// Save asks the caller (OnSave) to save the report.
class TScanReportDialog : public TForm {
 public:
  ReportTexts Texts;
  std::string FolderToOpen;  // after a showing: the folder to open, or ""
  TNotifyEvent OnSave;

 protected:
  explicit TScanReportDialog(const TForm& owner);

 private:
  void FormShow(TComponent& sender);
  void ListDblClick(TComponent& sender);
  void btnSaveClick(TComponent& sender);

  static constexpr TAnchors kWide = akLeft | akTop | akRight;
  TPageControl Pages{*this, {.Bounds = {8, 8, 504, 348}, .Anchors = kAllSides}};
  TTabSheet ReportSheet{Pages, {.Caption = "Report"}};
  TMemo memSummary{ReportSheet, {.Bounds = {8, 8, 480, 140}, .Anchors = kWide}};
  TLabel lblUnreadable{ReportSheet, {}, {.Bounds = {8, 156, 480, 13}, .Anchors = kWide}};
  TListBox lbxUnreadable{ReportSheet, {.OnDblClick = Bind(this, &TScanReportDialog::ListDblClick)},
                         {.Bounds = {8, 172, 480, 64}, .Anchors = kWide}};
  TLabel lblNotEntered{ReportSheet, {}, {.Bounds = {8, 242, 480, 13}, .Anchors = kWide}};
  TListBox lbxNotEntered{ReportSheet, {.OnDblClick = Bind(this, &TScanReportDialog::ListDblClick)},
                         {.Bounds = {8, 258, 480, 56}, .Anchors = kAllSides}};
  TTabSheet ChangesSheet{Pages, {.Caption = "Changes"}};
  TMemo memChanges{ChangesSheet, {.Bounds = {8, 8, 480, 48}, .Anchors = kWide}};
  TLabel lblGrown{ChangesSheet, {.Caption = "Grew most:"}, {.Bounds = {8, 62, 480, 13}, .Anchors = kWide}};
  TListBox lbxGrown{ChangesSheet, {.OnDblClick = Bind(this, &TScanReportDialog::ListDblClick)},
                    {.Bounds = {8, 78, 480, 106}, .Anchors = kWide}};
  TLabel lblShrunk{ChangesSheet, {.Caption = "Shrank most:"}, {.Bounds = {8, 190, 480, 13}, .Anchors = kWide}};
  TListBox lbxShrunk{ChangesSheet, {.OnDblClick = Bind(this, &TScanReportDialog::ListDblClick)},
                     {.Bounds = {8, 206, 480, 108}, .Anchors = kAllSides}};
  TButton btnSave{*this, {.Caption = "&Save...", .OnClick = Bind(this, &TScanReportDialog::btnSaveClick)},
                  {.Bounds = {356, 364, 75, 25}, .Anchors = akRight | akBottom}};
  TButton btnClose{*this, {.Caption = "Close", .Default = true, .Cancel = true, .ModalResult = TModalResult::Cancel},
                   {.Bounds = {437, 364, 75, 25}, .Anchors = akRight | akBottom}};
};
