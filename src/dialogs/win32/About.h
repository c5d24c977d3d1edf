#pragma once

#include "gui/win32/Button.h"
#include "gui/win32/Form.h"
#include "gui/win32/Image.h"
#include "gui/win32/Label.h"
#include "gui/win32/Panel.h"

// The plain about box: an icon, four lines of text and OK in a small fixed dialog.
class TAboutBox : public TForm {
 public:
  explicit TAboutBox(const TForm& owner);
  ~TAboutBox() override;

 protected:
  TPanel Panel1{*this};
  TImage ProgramIcon{Panel1};
  TLabel ProductName{Panel1, {.Caption = "Product Name"}};
  TLabel Version{Panel1, {.Caption = "Version"}};
  TLabel Copyright{Panel1, {.Caption = "Copyright"}};
  TLabel Comments{Panel1, {.Caption = "Comments", .WordWrap = true}};
  TButton OKButton{*this, {.Caption = "OK", .Default = true, .ModalResult = TModalResult::Ok}};
};
