#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/FileFacts.h"
#include "dialogs/FilePropertiesShown.h"
#include "gui/win32/controls/CheckBox.h"
#include "gui/win32/controls/Edit.h"
#include "gui/win32/controls/GroupBox.h"
#include "gui/win32/controls/Image.h"
#include "gui/win32/controls/Label.h"
#include "gui/win32/controls/ListBox.h"
#include "gui/win32/controls/PageControl.h"
#include "gui/win32/controls/Panel.h"
#include "gui/win32/framework/Button.h"
#include "gui/win32/framework/Form.h"
#include "support/FormatSettings.h"

// The properties of one file: its icon and type, location, sizes, short name, times
// and attributes, and a Version page when it has version data; of an online-only file,
// what can be had without fetching its data, and a line that says so. The caller sets
// FileName and shows the dialog modally; each showing works everything out anew
// (DescribeFile) from what FileFacts tells of the file. It only looks: it never
// changes the file.
class TfrmFileProperties : public TForm {
 public:
  std::string FileName;

 protected:
  TfrmFileProperties(const TForm& owner, FileFacts& facts);

 private:
  void FormShow(TComponent& sender);
  void FormHide(TComponent& sender);
  void lbxNamesClick(TComponent& sender);
  void AttributeClick(TComponent& sender);
  void ShowVersionPage(const FilePropertiesShown& shown);
  // The version labels are known by their names, "lbl" and the key they show.
  TLabel* VersionLabel(std::string_view name);
  // Each attribute box and the attribute it shows.
  std::array<std::pair<TCheckBox*, bool TFileAttributes::*>, 5> AttributeBoxes();

  FileFacts& facts_;
  const FormatSettings locale_;
  std::vector<std::string> ItemValues;
  TFileAttributes attributes_;  // as found at the showing; the boxes are held to them

  // A value stretches with the window; the values of the General page are one column.
  static constexpr TAnchors kValue = akLeft | akTop | akRight;
  TPageControl PageControl1{*this, {.Bounds = {8, 8, 345, 361}, .Anchors = kAllSides}};
  TTabSheet tabGeneral{PageControl1, {.Caption = "General"}};
  TImage Image1{tabGeneral, {.Bounds = {24, 8, 32, 32}}};
  TLabel lblName{tabGeneral, {.AutoSize = false, .Ellipsis = TEllipsis::End},
                 {.Bounds = {104, 16, 225, 13}, .Anchors = kValue}};
  TBevel Bevel3{tabGeneral, {.Bounds = {8, 48, 321, 2}}};
  TLabel Label1{tabGeneral, {.Caption = "Type:"}, {.Bounds = {16, 56, 84, 13}}};
  TLabel lblType{tabGeneral, {.AutoSize = false, .Ellipsis = TEllipsis::End},
                 {.Bounds = {104, 56, 225, 13}, .Anchors = kValue}};
  TLabel Label2{tabGeneral, {.Caption = "Location:"}, {.Bounds = {16, 76, 84, 13}}};
  TLabel lblLocation{tabGeneral, {.AutoSize = false, .Ellipsis = TEllipsis::Path},
                     {.Bounds = {104, 76, 225, 13}, .Anchors = kValue}};
  TLabel Label3{tabGeneral, {.Caption = "Size:"}, {.Bounds = {16, 96, 84, 13}}};
  TLabel lblSize{tabGeneral, {.AutoSize = false}, {.Bounds = {104, 96, 225, 13}, .Anchors = kValue}};
  TLabel lblCompressedSizeCaption{tabGeneral, {.Caption = "Compressed Size: "},
                                  {.Bounds = {16, 116, 84, 13}, .Visible = false}};
  TLabel lblCompressedSize{tabGeneral, {.AutoSize = false},
                           {.Bounds = {104, 116, 225, 13}, .Anchors = kValue, .Visible = false}};
  TBevel Bevel1{tabGeneral, {.Bounds = {8, 146, 321, 2}}};
  TLabel Label4{tabGeneral, {.Caption = "MS-DOS name:"}, {.Bounds = {16, 160, 84, 13}}};
  TLabel lblDOSName{tabGeneral, {.AutoSize = false, .Ellipsis = TEllipsis::End},
                    {.Bounds = {104, 160, 225, 13}, .Anchors = kValue}};
  TLabel Label5{tabGeneral, {.Caption = "Created:"}, {.Bounds = {16, 180, 84, 13}}};
  TLabel lblCreated{tabGeneral, {.AutoSize = false}, {.Bounds = {104, 180, 225, 13}, .Anchors = kValue}};
  TLabel Label6{tabGeneral, {.Caption = "Modified:"}, {.Bounds = {16, 200, 84, 13}}};
  TLabel lblModified{tabGeneral, {.AutoSize = false}, {.Bounds = {104, 200, 225, 13}, .Anchors = kValue}};
  TLabel Label7{tabGeneral, {.Caption = "Accessed:"}, {.Bounds = {16, 220, 84, 13}}};
  TLabel lblAccessed{tabGeneral, {.AutoSize = false}, {.Bounds = {104, 220, 225, 13}, .Anchors = kValue}};
  TBevel Bevel2{tabGeneral, {.Bounds = {8, 248, 321, 2}}};
  TLabel Label8{tabGeneral, {.Caption = "Attributes:"}, {.Bounds = {16, 262, 76, 13}}};
  TCheckBox chkReadOnly{tabGeneral, {.Caption = "Read-only", .OnClick = Bind(this, &TfrmFileProperties::AttributeClick)},
                        {.Bounds = {96, 262, 81, 17}}};
  TCheckBox chkHidden{tabGeneral, {.Caption = "Hidden", .OnClick = Bind(this, &TfrmFileProperties::AttributeClick)},
                      {.Bounds = {192, 262, 81, 17}}};
  TCheckBox chkArchive{tabGeneral, {.Caption = "Archive", .OnClick = Bind(this, &TfrmFileProperties::AttributeClick)},
                       {.Bounds = {96, 284, 81, 17}}};
  TCheckBox chkSystem{tabGeneral, {.Caption = "System", .OnClick = Bind(this, &TfrmFileProperties::AttributeClick)},
                      {.Bounds = {192, 284, 81, 17}}};
  TCheckBox chkCompressed{tabGeneral,
                          {.Caption = "Compressed", .OnClick = Bind(this, &TfrmFileProperties::AttributeClick)},
                          {.Bounds = {96, 306, 81, 17}, .Visible = false}};
  TTabSheet tabVersion{PageControl1, {.Caption = "Version", .TabVisible = false}};
  TLabel Label9{tabVersion, {.Caption = "File version:"}, {.Bounds = {8, 16, 60, 13}}};
  TLabel lblFileVersion{tabVersion, {.AutoSize = false, .Ellipsis = TEllipsis::End},
                        {.Bounds = {72, 16, 257, 13}, .Anchors = kValue}};
  TLabel Label10{tabVersion, {.Caption = "Description:"}, {.Bounds = {8, 48, 60, 13}}};
  TLabel lblFileDescription{tabVersion, {.AutoSize = false, .Ellipsis = TEllipsis::End},
                            {.Bounds = {72, 48, 257, 13}, .Anchors = kValue}};
  TLabel Label11{tabVersion, {.Caption = "Copyright:"}, {.Bounds = {8, 80, 60, 13}}};
  TLabel lblLegalCopyright{tabVersion, {.AutoSize = false, .Ellipsis = TEllipsis::End},
                           {.Bounds = {72, 80, 257, 13}, .Anchors = kValue}};
  TGroupBox grpOtherVersionInformation{tabVersion, {.Caption = " Other version information "},
                                       {.Bounds = {8, 112, 313, 193}}};
  TLabel Label12{grpOtherVersionInformation, {.Caption = "Item name:"}, {.Bounds = {16, 24, 100, 13}}};
  TLabel Label13{grpOtherVersionInformation, {.Caption = "Value:"}, {.Bounds = {152, 24, 100, 13}}};
  TListBox lbxNames{grpOtherVersionInformation, {.OnClick = Bind(this, &TfrmFileProperties::lbxNamesClick)},
                    {.Bounds = {16, 40, 121, 137}}};
  TMemo memValues{grpOtherVersionInformation, {.Bounds = {152, 40, 145, 137}}};
  // Beside OK, where it shows whichever page is open.
  TLabel lblOnlineOnly{*this, {.Caption = "Online-only file: its data is not on this disk.", .AutoSize = false},
                       {.Bounds = {8, 382, 272, 13}, .Anchors = akLeft | akRight | akBottom, .Visible = false}};
  TButton btnOK{*this, {.Caption = "OK", .Default = true, .Cancel = true, .ModalResult = TModalResult::Ok},
                {.Bounds = {288, 376, 65, 25}, .Anchors = akRight | akBottom}};
  TPanel pnlError{*this, {}, {.Bounds = {8, 120, 345, 73}, .Anchors = akLeft | akRight, .Visible = false}};
};

// The file properties dialog as the program makes it.
class TfrmFileProperties1 : public TfrmFileProperties {
 protected:
  using TfrmFileProperties::TfrmFileProperties;
};
