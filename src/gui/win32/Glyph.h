#pragma once

#include <string_view>

#include "gui/win32/GdiObjects.h"

// A small picture drawn as text, one character per pixel: '.' transparent, and the
// letters of the palette below. Glyphs of buttons are made this way rather than
// shipped as bitmap files.
//   k black  w white  g grey  d dark grey  r red  y yellow  b blue  o dark yellow  n navy
class TGlyph {
 public:
  explicit TGlyph(std::string_view rows);
  ~TGlyph();
  TGlyph(const TGlyph&) = delete;
  TGlyph& operator=(const TGlyph&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The picture as an icon, in colour or greyed for a disabled control.
  HICON Icon(bool enabled) const { return enabled ? normal_ : disabled_; }

 private:
  HICON Make(std::string_view rows, bool enabled) const;
  int width_ = 0;
  int height_ = 0;
  HICON normal_ = nullptr;
  HICON disabled_ = nullptr;
};
