#pragma once

#include "dialogs/VersionInfo.h"
#include "gui/win32/controls/Image.h"
#include "gui/win32/controls/Label.h"
#include "gui/win32/controls/Panel.h"
#include "gui/win32/framework/Button.h"
#include "gui/win32/framework/Form.h"

// The program's about box: its icon, what it shows of the product, which comes from
// the running executable's version resource, read once when the box is made, and a
// web address to click.
class TAboutBoxOrv1 : public TForm {
 protected:
  TAboutBoxOrv1(const TForm& owner, VersionSource& versionSource);

 private:
  void FormShow(TComponent& sender);
  void WebSiteClick(TComponent& sender);
  void OKButtonKeyPress(TComponent& sender, char16_t& key);

  static constexpr TColor kNavy = 0x800000;  // 0x00BBGGRR

  VersionSource& versionSource_;
  TPanel Panel1{*this, {}, {.Bounds = {8, 8, 281, 161}}};
  TImage ProgramIcon{Panel1, {.Bounds = {16, 16, 32, 32}}};
  TLabel ProductName{Panel1, {.Caption = "Product Name", .Font = TFont{.Bold = true}}, {.Bounds = {64, 16, 81, 13}}};
  TLabel Version{Panel1, {.Caption = "Version"}, {.Bounds = {64, 40, 210, 13}}};
  TLabel Copyright{Panel1, {.Caption = "Copyright"}, {.Bounds = {8, 80, 100, 13}}};
  TLabel Comments{Panel1, {.Caption = "May not be reproduced without permission"}, {.Bounds = {8, 104, 199, 13}}};
  TButton OKButton{*this,
                   {.Caption = "OK", .Default = true, .ModalResult = TModalResult::Ok,
                    .OnKeyPress = [this](TComponent& sender, char16_t& key) { OKButtonKeyPress(sender, key); }},
                   {.Bounds = {111, 180, 75, 25}}};
  TLabel WebSite{Panel1,
                 {.Caption = "WebSite", .Alignment = TAlignment::Right,
                  .Font = TFont{.Color = kNavy, .Underline = true}, .Cursor = TCursor::HandPoint,
                  .OnClick = Bind(this, &TAboutBoxOrv1::WebSiteClick)},
                 {.Bounds = {232, 136, 41, 13}, .Anchors = akTop | akRight}};
  TvlxVersionInfoResource VI;
};
