#pragma once

#include "gui/Colour.h"
#include "gui/Component.h"
#include "gui/Font.h"
#include "win32/WinApi.h"

// The system's dialog for choosing a font: face, size, style and colour.
class TFontDialog : public TComponent {
 public:
  // Shows the dialog starting from Font; true when the user chose one, then in Font.
  bool Execute(HWND owner);
  TFont Font;
};

// The system's dialog for choosing a colour.
class TColorDialog : public TComponent {
 public:
  // Shows the dialog starting from Color; true when the user chose one, then in Color.
  bool Execute(HWND owner);
  TColor Color = clBlack;

 private:
  COLORREF custom_[16] = {};  // the user's own colours, kept between showings
};
