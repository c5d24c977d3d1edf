#pragma once

#include <string>
#include <vector>

#include "gui/win32/Button.h"
#include "gui/win32/CheckBox.h"
#include "gui/win32/Edit.h"
#include "gui/win32/Form.h"
#include "gui/win32/GroupBox.h"
#include "gui/win32/Image.h"
#include "gui/win32/Label.h"
#include "gui/win32/ListBox.h"
#include "gui/win32/PageControl.h"
#include "gui/win32/Panel.h"
#include "support/FormatSettings.h"

// The properties of one file: its icon and type, location, sizes, short name, times
// and attributes, and a Version page when it has version data. The caller sets
// FileName and shows the dialog modally; each showing works everything out anew. It
// only looks: it never changes the file, and it never reads the data of a file that
// is only a placeholder for one kept elsewhere (the cloud's).
class TfrmFileProperties : public TForm {
 public:
  explicit TfrmFileProperties(const TForm& owner);
  ~TfrmFileProperties() override;

  std::string FileName;

 private:
  void FormShow(TComponent& sender);
  void FormHide(TComponent& sender);
  void lbxNamesClick(TComponent& sender);
  void AttributeClick(TComponent& sender);
  void ShowVersionPage();
  void ShowIconAndType(uint32_t attributes);
  // The version labels are known by their names, "lbl" and the key they show.
  TLabel* VersionLabel(std::string_view name);

  const FormatSettings locale_;
  bool placeholder_ = false;  // the file's data lies elsewhere
  std::vector<std::string> ItemValues;
  bool AttrHidden = false;
  bool AttrSystem = false;
  bool AttrReadOnly = false;
  bool AttrArchive = false;
  bool AttrCompressed = false;

  TPageControl PageControl1{*this};
  TTabSheet tabGeneral{PageControl1, "General"};
  TImage Image1{tabGeneral};
  TLabel lblName{tabGeneral, {.AutoSize = false, .Ellipsis = TEllipsis::End}};
  TBevel Bevel3{tabGeneral};
  TLabel Label1{tabGeneral, {.Caption = "Type:"}};
  TLabel lblType{tabGeneral, {.AutoSize = false, .Ellipsis = TEllipsis::End}};
  TLabel Label2{tabGeneral, {.Caption = "Location:"}};
  TLabel lblLocation{tabGeneral, {.AutoSize = false, .Ellipsis = TEllipsis::Path}};
  TLabel Label3{tabGeneral, {.Caption = "Size:"}};
  TLabel lblSize{tabGeneral, {.AutoSize = false}};
  TLabel lblCompressedSizeCaption{tabGeneral, {.Caption = "Compressed Size: "}};
  TLabel lblCompressedSize{tabGeneral, {.AutoSize = false}};
  TBevel Bevel1{tabGeneral};
  TLabel Label4{tabGeneral, {.Caption = "MS-DOS name:"}};
  TLabel lblDOSName{tabGeneral, {.AutoSize = false, .Ellipsis = TEllipsis::End}};
  TLabel Label5{tabGeneral, {.Caption = "Created:"}};
  TLabel lblCreated{tabGeneral, {.AutoSize = false}};
  TLabel Label6{tabGeneral, {.Caption = "Modified:"}};
  TLabel lblModified{tabGeneral, {.AutoSize = false}};
  TLabel Label7{tabGeneral, {.Caption = "Accessed:"}};
  TLabel lblAccessed{tabGeneral, {.AutoSize = false}};
  TBevel Bevel2{tabGeneral};
  TLabel Label8{tabGeneral, {.Caption = "Attributes:"}};
  TCheckBox chkReadOnly{tabGeneral, {.Caption = "Read-only", .OnClick = Bind(this, &TfrmFileProperties::AttributeClick)}};
  TCheckBox chkHidden{tabGeneral, {.Caption = "Hidden", .OnClick = Bind(this, &TfrmFileProperties::AttributeClick)}};
  TCheckBox chkArchive{tabGeneral, {.Caption = "Archive", .OnClick = Bind(this, &TfrmFileProperties::AttributeClick)}};
  TCheckBox chkSystem{tabGeneral, {.Caption = "System", .OnClick = Bind(this, &TfrmFileProperties::AttributeClick)}};
  TCheckBox chkCompressed{tabGeneral,
                          {.Caption = "Compressed", .OnClick = Bind(this, &TfrmFileProperties::AttributeClick)}};
  TTabSheet tabVersion{PageControl1, "Version"};
  TLabel Label9{tabVersion, {.Caption = "File version:"}};
  TLabel lblFileVersion{tabVersion, {.AutoSize = false, .Ellipsis = TEllipsis::End}};
  TLabel Label10{tabVersion, {.Caption = "Description:"}};
  TLabel lblFileDescription{tabVersion, {.AutoSize = false, .Ellipsis = TEllipsis::End}};
  TLabel Label11{tabVersion, {.Caption = "Copyright:"}};
  TLabel lblLegalCopyright{tabVersion, {.AutoSize = false, .Ellipsis = TEllipsis::End}};
  TGroupBox grpOtherVersionInformation{tabVersion, {.Caption = " Other version information "}};
  TLabel Label12{grpOtherVersionInformation, {.Caption = "Item name:"}};
  TLabel Label13{grpOtherVersionInformation, {.Caption = "Value:"}};
  TListBox lbxNames{grpOtherVersionInformation, {.OnClick = Bind(this, &TfrmFileProperties::lbxNamesClick)}};
  TMemo memValues{grpOtherVersionInformation};
  TButton btnOK{*this, {.Caption = "OK", .Default = true, .Cancel = true, .ModalResult = TModalResult::Ok}};
  TPanel pnlError{*this};
};

// The file properties dialog as the program makes it.
class TfrmFileProperties1 final : public TfrmFileProperties {
 public:
  using TfrmFileProperties::TfrmFileProperties;
};
