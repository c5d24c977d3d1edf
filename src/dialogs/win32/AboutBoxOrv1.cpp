#include "dialogs/win32/AboutBoxOrv1.h"

#include <shellapi.h>

#include "app/win32/ProgramGlyph.h"
#include "dialogs/AboutTexts.h"
#include "dialogs/win32/Win32VersionSource.h"
#include "win32/WideText.h"

TAboutBoxOrv1::TAboutBoxOrv1(const TForm& owner, VersionSource& versionSource)
    : TForm({.Caption = "About", .Border = TBorderStyle::Dialog, .MinimizeBox = false, .MaximizeBox = false,
             .Position = TFormPosition::ScreenCenter, .ClientSize = {298, 213}, .Owner = &owner}),
      versionSource_(versionSource),
      VI(versionSource, VersionCaptionsFromResources()) {
  ActiveControl = &OKButton;
  VI.SetCopyrightLabel(&Copyright);
  VI.SetProductLabel(&ProductName);
  VI.SetShowResource({pdCompanyName, pdFileDescription, pdInternalName, pdLegalTrademarks, pdOriginalFilename,
                      pdProductVersion, pdComments, pdBuildFlags});
  VI.Loaded();
  OnShow = Bind(this, &TAboutBoxOrv1::FormShow);
}

void TAboutBoxOrv1::FormShow(TComponent&) {
  SetCaption(AboutCaption(VI.GetPredefinedValue(pdProductName)));
  ProgramIcon.SetIcon(::Icon(CopyIcon(ProgramGlyph().Icon())));
  Version.SetCaption(AboutVersionLine(versionSource_.ExecutablePath(), VI.FileVersionNumber().AsString(),
                                      VI.GetPredefinedValue(pdComments)));
  WebSite.SetCaption(VI.GetVersionString("Web site"));
}

void TAboutBoxOrv1::WebSiteClick(TComponent&) {
  const std::optional<std::string> address = WebAddressToOpen(WebSite.Caption());
  if (!address) return;
  ShellExecuteW(Handle(), L"open", Utf8ToWide(*address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TAboutBoxOrv1::OKButtonKeyPress(TComponent&, char16_t& key) {
  if (key == 27) Close();
}
