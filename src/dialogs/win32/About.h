#pragma once

#include "gui/win32/Button.h"
#include "gui/win32/Form.h"
#include "gui/win32/Image.h"
#include "gui/win32/Label.h"
#include "gui/win32/Panel.h"

// Where the plain about box shows its picture and the lines that a box derived from it
// arranges its own way.
struct TAboutBoxDesign {
  TDesign ProgramIcon{.Bounds = {8, 8, 65, 57}};
  TDesign ProductName{.Bounds = {88, 16, 100, 13}};
  TDesign Version{.Bounds = {88, 40, 100, 13}};
  TDesign Comments{.Bounds = {8, 104, 265, 26}};
};

// The plain about box: an icon, four lines of text and OK in a small fixed dialog.
class TAboutBox : public TForm {
 protected:
  explicit TAboutBox(const TForm& owner, const TAboutBoxDesign& design = {});

  const TAboutBoxDesign design_;
  TPanel Panel1{*this, {}, {.Bounds = {8, 8, 281, 161}}};
  TImage ProgramIcon{Panel1, design_.ProgramIcon};
  TLabel ProductName{Panel1, {.Caption = "Product Name"}, design_.ProductName};
  TLabel Version{Panel1, {.Caption = "Version"}, design_.Version};
  TLabel Copyright{Panel1, {.Caption = "Copyright"}, {.Bounds = {8, 80, 100, 13}}};
  TLabel Comments{Panel1, {.Caption = "Comments", .WordWrap = true}, design_.Comments};
  TButton OKButton{*this, {.Caption = "OK", .Default = true, .ModalResult = TModalResult::Ok},
                   {.Bounds = {111, 180, 75, 25}}};
};
