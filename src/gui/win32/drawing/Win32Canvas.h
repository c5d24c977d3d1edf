#pragma once

#include <optional>

#include "gui/Canvas.h"
#include "win32/Handles.h"

// Resolves a colour code, system colours included, to a GDI colour.
COLORREF ColourRef(TColor colour);

// A font as GDI describes it, and a GDI font made from it, for a device of the given
// resolution.
LOGFONTW LogFontOf(const TFont& font, int pixelsPerInch);
FontHandle MakeFont(const TFont& font, int pixelsPerInch);

// A canvas over a device context it does not own. Pen, brush and font objects are made
// when a drawing call needs them; the device context gets its own objects back when
// the canvas goes.
class TWin32Canvas : public TCanvas {
 public:
  explicit TWin32Canvas(HDC dc);
  ~TWin32Canvas() override;
  TWin32Canvas(const TWin32Canvas&) = delete;
  TWin32Canvas& operator=(const TWin32Canvas&) = delete;

  HDC Handle() const { return dc_; }

  void Ellipse(int x1, int y1, int x2, int y2) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void FillRect(const TRect& area) override;
  void DrawEdge(const TRect& area, TEdge edge) override;
  void DrawFocusRect(const TRect& area) override;
  void DrawGlyph(int x, int y, const TBitmapImage& image) override;
  void TextOut(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  bool SetTransparentText(bool transparent) override;
  void DrawComposed(int x, int y, int width, int height, const std::function<void(TCanvas&)>& draw) override;

 private:
  void RequirePen();
  void RequireBrush();
  void RequireFont();
  SIZE TextExtent(std::string_view text);

  HDC dc_;
  HGDIOBJ originalPen_;
  HGDIOBJ originalBrush_;
  HGDIOBJ originalFont_;
  Pen pen_;
  Brush brush_;
  FontHandle font_;
  TColor penColor_ = 0;
  TPenStyle penStyle_ = TPenStyle::Solid;
  TColor brushColor_ = 0;
  TFont fontMade_;
};

// An enhanced metafile of a given size.
class TMetafile {
 public:
  TMetafile(int width, int height) : width_(width), height_(height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  HENHMETAFILE Handle() const { return handle_.Get(); }
  // Plays the picture into the rectangle at (x, y) of its own size.
  void Draw(HDC dc, int x, int y) const;

 private:
  friend class TMetafileCanvas;
  int width_;
  int height_;
  EnhMetafile handle_;
};

// Records into a metafile through its canvas; the recording ends, and the metafile
// holds the picture, when this goes. The screen is the reference device.
class TMetafileCanvas {
 public:
  explicit TMetafileCanvas(TMetafile& target);
  ~TMetafileCanvas();
  TMetafileCanvas(const TMetafileCanvas&) = delete;
  TMetafileCanvas& operator=(const TMetafileCanvas&) = delete;

  // None when the system could not start the recording (out of GDI objects).
  TCanvas* Canvas() { return canvas_ ? &*canvas_ : nullptr; }

 private:
  TMetafile& target_;
  MetafileDC dc_;
  std::optional<TWin32Canvas> canvas_;
};
