#include "dialogs/win32/About.h"

TAboutBox::TAboutBox(const TForm& owner, const TAboutBoxDesign& design)
    : TForm({.Caption = "About", .Border = TBorderStyle::Dialog, .MinimizeBox = false, .MaximizeBox = false,
             .Position = TFormPosition::ScreenCenter, .ClientSize = {298, 213}, .Owner = &owner}),
      design_(design) {
  ActiveControl = &OKButton;
}
