#include "dialogs/win32/OrvAboutBox.h"

#include <shellapi.h>

#include "dialogs/AboutTexts.h"
#include "gui/win32/ProgramGlyph.h"
#include "win32/WideText.h"
#include "win32/Win32VersionSource.h"

namespace {

constexpr TColor kNavy = 0x800000;  // 0x00BBGGRR

}  // namespace

TAboutBoxOrv::TAboutBoxOrv(const TForm& owner, VersionSource& versionSource)
    : TAboutBox(owner, {.ProgramIcon = {.Bounds = {16, 16, 32, 32}},
                        .ProductName = {.Bounds = {64, 16, 81, 13}},
                        .Version = {.Bounds = {64, 40, 210, 13}},
                        .Comments = {.Bounds = {8, 104, 199, 13}}}),
      versionSource_(versionSource),
      VI(versionSource, VersionCaptionsFromResources()) {
  TFont bold = ProductName.Font();
  bold.Bold = true;
  ProductName.SetFont(bold);
  Comments.SetWordWrap(false);
  Comments.SetCaption("May not be reproduced without permission");
  TFont link = WebSite.Font();
  link.Color = kNavy;
  link.Underline = true;
  WebSite.SetFont(link);
  WebSite.Cursor = TCursor::HandPoint;
  OKButton.OnKeyPress = [this](TComponent& sender, char16_t& key) { OKButtonKeyPress(sender, key); };
  VI.SetCopyrightLabel(&Copyright);
  VI.SetProductLabel(&ProductName);
  VI.SetShowResource({pdCompanyName, pdFileDescription, pdInternalName, pdLegalTrademarks, pdOriginalFilename,
                      pdProductVersion, pdComments, pdBuildFlags});
  VI.Loaded();
  OnShow = Bind(this, &TAboutBoxOrv::FormShow);
}

void TAboutBoxOrv::FormShow(TComponent&) {
  SetCaption(AboutCaption(VI.GetPredefinedValue(pdProductName)));
  ProgramIcon.SetIcon(::Icon(CopyIcon(ProgramGlyph().Icon())));
  Version.SetCaption(AboutVersionLine(versionSource_.ExecutablePath(), VI.FileVersionNumber().AsString(),
                                      VI.GetPredefinedValue(pdComments)));
  WebSite.SetCaption(VI.GetVersionString("Web site"));
}

void TAboutBoxOrv::WebSiteClick(TComponent&) {
  const std::optional<std::string> address = WebAddressToOpen(WebSite.Caption());
  if (!address) return;
  ShellExecuteW(Handle(), L"open", Utf8ToWide(*address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TAboutBoxOrv::OKButtonKeyPress(TComponent&, char16_t& key) {
  if (key == 27) Close();
}
