#pragma once

#include <string_view>

#include "win32/Handles.h"

// A small picture drawn as text, one character per pixel: '.' transparent, and the
// letters of the palette below. Glyphs of buttons are made this way rather than
// shipped as bitmap files.
//   k black  w white  g grey  d dark grey  r red  y yellow  b blue  o dark yellow  n navy
// How a glyph looks: in colour, or greyed for a disabled control.
enum class TGlyphLook { Normal, Greyed };

class TGlyph {
 public:
  explicit TGlyph(std::string_view rows);

  int Width() const { return width_; }
  int Height() const { return height_; }
  HICON Icon(TGlyphLook look = TGlyphLook::Normal) const {
    return look == TGlyphLook::Normal ? normal_.Get() : disabled_.Get();
  }
  // The picture for each state of a push button, greyed when it is disabled, as
  // BCM_SETIMAGELIST takes it. Set once, the button needs no new picture when its
  // state changes (giving it one each time leaks in some common-controls versions).
  HIMAGELIST ButtonImages() const { return buttonImages_.Get(); }

 private:
  HICON Make(std::string_view rows, TGlyphLook look) const;
  int width_ = 0;
  int height_ = 0;
  ::Icon normal_;
  ::Icon disabled_;
  ImageList buttonImages_;
};
