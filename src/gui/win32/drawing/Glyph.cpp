#include "gui/win32/drawing/Glyph.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "gui/win32/drawing/GdiObjects.h"

namespace {

// The palette of glyph texts, as 0xRRGGBB.
uint32_t ColourOf(char c) {
  switch (c) {
    case 'k': return 0x000000;
    case 'w': return 0xFFFFFF;
    case 'g': return 0xC0C0C0;
    case 'd': return 0x808080;
    case 'r': return 0xC00000;
    case 'y': return 0xFFFF00;
    case 'b': return 0x0000FF;
    case 'o': return 0x808000;
    case 'n': return 0x000080;
    default: return 0;
  }
}

// Greyed as Windows greys disabled pictures: light where bright, dark where dark.
uint32_t Greyed(uint32_t rgb) {
  const int level = ((rgb >> 16 & 0xFF) * 30 + (rgb >> 8 & 0xFF) * 59 + (rgb & 0xFF) * 11) / 100;
  const int grey = level > 160 ? 0xE0 : 0x80;
  return grey << 16 | grey << 8 | grey;
}

}  // namespace

TGlyph::TGlyph(std::string_view rows) {
  for (size_t start = 0; start < rows.size();) {
    size_t end = rows.find('\n', start);
    if (end == std::string_view::npos) end = rows.size();
    if (end > start) {
      width_ = std::max(width_, static_cast<int>(end - start));
      ++height_;
    }
    start = end + 1;
  }
  normal_.Reset(Make(rows, TGlyphLook::Normal));
  disabled_.Reset(Make(rows, TGlyphLook::Greyed));
  // In the order of the push button states: normal, hot, pressed, disabled, default, stylus hot.
  buttonImages_.Reset(ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, 6, 0));
  for (const TGlyphLook look : {TGlyphLook::Normal, TGlyphLook::Normal, TGlyphLook::Normal, TGlyphLook::Greyed,
                                TGlyphLook::Normal, TGlyphLook::Normal})
    ImageList_AddIcon(buttonImages_.Get(), Icon(look));
}

HICON TGlyph::Make(std::string_view rows, TGlyphLook look) const {
  // A 32-bit colour bitmap and a 1-bit mask, both top-down.
  std::vector<uint32_t> colours(width_ * height_, 0);
  const int maskStride = (width_ + 15) / 16 * 2;
  std::vector<uint8_t> mask(maskStride * height_, 0xFF);
  int y = 0;
  for (size_t start = 0; start < rows.size() && y < height_;) {
    size_t end = rows.find('\n', start);
    if (end == std::string_view::npos) end = rows.size();
    if (end == start) {
      start = end + 1;
      continue;
    }
    for (int x = 0; x < static_cast<int>(end - start); ++x) {
      const char c = rows[start + x];
      if (c == '.') continue;
      const uint32_t rgb = look == TGlyphLook::Normal ? ColourOf(c) : Greyed(ColourOf(c));
      colours[y * width_ + x] = rgb;
      mask[y * maskStride + x / 8] &= static_cast<uint8_t>(~(0x80 >> (x % 8)));
    }
    ++y;
    start = end + 1;
  }
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = width_;
  header.bV5Height = -height_;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_RGB;
  void* bits = nullptr;
  const WindowDC screen;
  const Bitmap colour(CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                                       nullptr, 0));
  if (!colour || !bits) return nullptr;
  std::copy(colours.begin(), colours.end(), static_cast<uint32_t*>(bits));
  const Bitmap monochrome(CreateBitmap(width_, height_, 1, 1, mask.data()));
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colour.Get();
  info.hbmMask = monochrome.Get();
  return CreateIconIndirect(&info);  // copies both bitmaps
}
