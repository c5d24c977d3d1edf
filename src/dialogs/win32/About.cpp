#include "dialogs/win32/About.h"

TAboutBox::TAboutBox(const TForm& owner)
    : TForm({.Caption = "About", .Border = TBorderStyle::Dialog, .MinimizeBox = false, .MaximizeBox = false,
             .Position = TFormPosition::ScreenCenter, .ClientSize = {298, 213}, .Owner = &owner}) {
  SetLayout(TLayout(DesignClientSize(), {{Panel1, {8, 8, 281, 161}},
                                         {ProgramIcon, {8, 8, 65, 57}},
                                         {ProductName, {88, 16, 100, 13}},
                                         {Version, {88, 40, 100, 13}},
                                         {Copyright, {8, 80, 100, 13}},
                                         {Comments, {8, 104, 265, 26}},
                                         {OKButton, {111, 180, 75, 25}}}));
  ActiveControl = &OKButton;
}

TAboutBox::~TAboutBox() { DestroyHandle(); }
