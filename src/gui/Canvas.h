#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "gui/Colour.h"
#include "gui/Font.h"
#include "gui/Layout.h"

enum class TPenStyle { Solid, Dot };

// The frame of a button: standing out, or pressed in.
enum class TEdge { Raised, Sunken };

// A small picture, pixel by pixel from the top row down.
struct TBitmapImage {
  int Width = 0;
  int Height = 0;
  std::vector<TColor> Pixels;
};

// A drawing surface with a current pen, brush and font, in pixels. Texts are UTF-8.
// Setting the pen, brush or font takes effect at the next drawing call.
class TCanvas {
 public:
  virtual ~TCanvas() = default;

  TColor PenColor = clBlack;
  TPenStyle PenStyle = TPenStyle::Solid;
  TColor BrushColor = 0xFFFFFF;
  TFont Font;

  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // The sector of the ellipse inscribed in (x1, y1)-(x2, y2) that runs counter-clockwise
  // from the radial through (x3, y3) to the radial through (x4, y4).
  virtual void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  virtual void FillRect(const TRect& area) = 0;  // in the brush colour
  virtual void DrawEdge(const TRect& area, TEdge edge) = 0;
  virtual void DrawFocusRect(const TRect& area) = 0;
  // Draws the picture with its top left at (x, y); pixels of the colour of its bottom
  // left pixel are left out, so the background shows through.
  virtual void DrawGlyph(int x, int y, const TBitmapImage& image) = 0;
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight(std::string_view text) = 0;
  // Text drawn without (true) or with its background box; returns the previous setting.
  virtual bool SetTransparentText(bool transparent) = 0;

  // Records what `draw` paints on a width x height canvas of its own, off-screen, and
  // then puts that picture here at (x, y) in one go, so nothing flickers.
  virtual void DrawComposed(int x, int y, int width, int height, const std::function<void(TCanvas&)>& draw) = 0;
};
