#pragma once

#include "dialogs/VersionInfo.h"
#include "dialogs/win32/About.h"

// The program's about box: what it shows of the product comes from the running
// executable's version resource, read once when the box is made, with a web address
// to click.
class TAboutBoxOrv : public TAboutBox {
 protected:
  TAboutBoxOrv(const TForm& owner, VersionSource& versionSource);

 private:
  void FormShow(TComponent& sender);
  void WebSiteClick(TComponent& sender);
  void OKButtonKeyPress(TComponent& sender, char16_t& key);

  VersionSource& versionSource_;
  TLabel WebSite{Panel1,
                 {.Caption = "WebSite", .Alignment = TAlignment::Right,
                  .OnClick = Bind(this, &TAboutBoxOrv::WebSiteClick)},
                 {.Bounds = {232, 136, 41, 13}, .Anchors = akTop | akRight}};
  TvlxVersionInfoResource VI;
};
