#pragma once

#include <string_view>

#include "win32/Handles.h"

// Selects an object into a device context and puts the one it replaced back when it goes.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectionGuard() { SelectObject(dc_, previous_); }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Measures texts as a window draws them: in the font it uses, on its device context.
class WindowTextMeasure {
 public:
  explicit WindowTextMeasure(HWND window) : dc_(window), font_(dc_.Get(), FontOf(window)) {}
  SIZE Size(std::wstring_view text) const {
    SIZE size{};
    GetTextExtentPoint32W(dc_.Get(), text.data(), static_cast<int>(text.size()), &size);
    return size;
  }
  HDC DC() const { return dc_.Get(); }

 private:
  static HGDIOBJ FontOf(HWND window) {
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
    return font ? font : GetStockObject(DEFAULT_GUI_FONT);
  }
  WindowDC dc_;
  SelectionGuard font_;
};

// BeginPaint and EndPaint around a WM_PAINT.
class PaintContext {
 public:
  explicit PaintContext(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintContext() { EndPaint(window_, &paint_); }
  PaintContext(const PaintContext&) = delete;
  PaintContext& operator=(const PaintContext&) = delete;
  HDC Get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};
