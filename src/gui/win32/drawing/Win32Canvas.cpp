#include "gui/win32/drawing/Win32Canvas.h"

#include "gui/win32/drawing/GdiObjects.h"
#include "win32/WideText.h"

COLORREF ColourRef(TColor colour) {
  if (IsSystemColour(colour)) return GetSysColor(colour & 0xFF);
  return static_cast<COLORREF>(colour) & 0xFFFFFF;
}

LOGFONTW LogFontOf(const TFont& font, int pixelsPerInch) {
  LOGFONTW description{};
  description.lfHeight = -MulDiv(font.Size, pixelsPerInch, 72);
  description.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  description.lfItalic = font.Italic;
  description.lfUnderline = font.Underline;
  description.lfStrikeOut = font.StrikeOut;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = Utf8ToWide(font.Name).substr(0, LF_FACESIZE - 1);
  face.copy(description.lfFaceName, face.size());
  return description;
}

FontHandle MakeFont(const TFont& font, int pixelsPerInch) {
  const LOGFONTW description = LogFontOf(font, pixelsPerInch);
  return FontHandle(CreateFontIndirectW(&description));
}

TWin32Canvas::TWin32Canvas(HDC dc)
    : dc_(dc),
      originalPen_(GetCurrentObject(dc, OBJ_PEN)),
      originalBrush_(GetCurrentObject(dc, OBJ_BRUSH)),
      originalFont_(GetCurrentObject(dc, OBJ_FONT)) {}

TWin32Canvas::~TWin32Canvas() {
  // Our objects are deleted after this, so none may stay selected.
  SelectObject(dc_, originalPen_);
  SelectObject(dc_, originalBrush_);
  SelectObject(dc_, originalFont_);
}

void TWin32Canvas::RequirePen() {
  if (pen_ && penColor_ == PenColor && penStyle_ == PenStyle) return;
  Pen made(CreatePen(PenStyle == TPenStyle::Dot ? PS_DOT : PS_SOLID, 1, ColourRef(PenColor)));
  SelectObject(dc_, made.Get());
  pen_ = std::move(made);
  penColor_ = PenColor;
  penStyle_ = PenStyle;
}

void TWin32Canvas::RequireBrush() {
  // The gaps of dotted lines take the brush colour too.
  SetBkColor(dc_, ColourRef(BrushColor));
  if (brush_ && brushColor_ == BrushColor) return;
  Brush made(CreateSolidBrush(ColourRef(BrushColor)));
  SelectObject(dc_, made.Get());
  brush_ = std::move(made);
  brushColor_ = BrushColor;
}

void TWin32Canvas::RequireFont() {
  SetTextColor(dc_, ColourRef(Font.Color));
  if (font_ && fontMade_ == Font) return;
  FontHandle made = MakeFont(Font, GetDeviceCaps(dc_, LOGPIXELSY));
  SelectObject(dc_, made.Get());
  font_ = std::move(made);
  fontMade_ = Font;
}

void TWin32Canvas::Ellipse(int x1, int y1, int x2, int y2) {
  RequirePen();
  RequireBrush();
  ::Ellipse(dc_, x1, y1, x2, y2);
}

void TWin32Canvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TWin32Canvas::LineTo(int x, int y) {
  RequirePen();
  RequireBrush();
  ::LineTo(dc_, x, y);
}

void TWin32Canvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  RequirePen();
  RequireBrush();
  ::Pie(dc_, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TWin32Canvas::FillRect(const TRect& area) {
  RequireBrush();
  const RECT rect{area.Left, area.Top, area.Right(), area.Bottom()};
  ::FillRect(dc_, &rect, brush_.Get());
}

void TWin32Canvas::DrawEdge(const TRect& area, TEdge edge) {
  RECT rect{area.Left, area.Top, area.Right(), area.Bottom()};
  ::DrawEdge(dc_, &rect, edge == TEdge::Raised ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
}

void TWin32Canvas::DrawFocusRect(const TRect& area) {
  const RECT rect{area.Left, area.Top, area.Right(), area.Bottom()};
  SetTextColor(dc_, GetSysColor(COLOR_BTNTEXT));
  SetBkColor(dc_, GetSysColor(COLOR_BTNFACE));
  ::DrawFocusRect(dc_, &rect);
}

void TWin32Canvas::DrawGlyph(int x, int y, const TBitmapImage& image) {
  // Pictures drawn this way are a few pixels each (arrows of a spin button).
  if (image.Width <= 0 || image.Height <= 0) return;
  const TColor transparent = image.Pixels[(image.Height - 1) * image.Width];
  for (int row = 0; row < image.Height; ++row)
    for (int column = 0; column < image.Width; ++column) {
      const TColor pixel = image.Pixels[row * image.Width + column];
      if (pixel != transparent) SetPixelV(dc_, x + column, y + row, ColourRef(pixel));
    }
}

void TWin32Canvas::TextOut(int x, int y, std::string_view text) {
  RequireFont();
  RequireBrush();
  const std::wstring wide = Utf8ToWide(text);
  TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

SIZE TWin32Canvas::TextExtent(std::string_view text) {
  RequireFont();
  const std::wstring wide = Utf8ToWide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

int TWin32Canvas::TextWidth(std::string_view text) { return TextExtent(text).cx; }
int TWin32Canvas::TextHeight(std::string_view text) { return TextExtent(text).cy; }

bool TWin32Canvas::SetTransparentText(bool transparent) {
  return SetBkMode(dc_, transparent ? TRANSPARENT : OPAQUE) == TRANSPARENT;
}

void TWin32Canvas::DrawComposed(int x, int y, int width, int height,
                                const std::function<void(TCanvas&)>& draw) {
  TMetafile picture(width, height);
  {
    TMetafileCanvas recorder(picture);
    if (TCanvas* canvas = recorder.Canvas()) draw(*canvas);
  }
  picture.Draw(dc_, x, y);
}

void TMetafile::Draw(HDC dc, int x, int y) const {
  if (!handle_) return;
  const RECT area{x, y, x + width_, y + height_};
  PlayEnhMetaFile(dc, handle_.Get(), &area);
}

TMetafileCanvas::TMetafileCanvas(TMetafile& target) : target_(target) {
  const WindowDC screen;
  // The frame is in hundredths of a millimetre of the reference device.
  const int widthMm = GetDeviceCaps(screen.Get(), HORZSIZE);
  const int heightMm = GetDeviceCaps(screen.Get(), VERTSIZE);
  const int widthPixels = GetDeviceCaps(screen.Get(), HORZRES);
  const int heightPixels = GetDeviceCaps(screen.Get(), VERTRES);
  const RECT frame{0, 0, MulDiv(target.Width(), widthMm * 100, widthPixels),
                   MulDiv(target.Height(), heightMm * 100, heightPixels)};
  dc_.Reset(CreateEnhMetaFileW(screen.Get(), nullptr, &frame, nullptr));
  if (dc_) canvas_.emplace(dc_.Get());
}

TMetafileCanvas::~TMetafileCanvas() {
  canvas_.reset();  // gives the recording its own objects back first
  if (dc_) target_.handle_.Reset(CloseEnhMetaFile(dc_.Release()));
}
