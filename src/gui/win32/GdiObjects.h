#pragma once

#include <string_view>
#include <utility>

#include "win32/WinApi.h"

// Owns a GDI object (pen, brush, font, bitmap) and deletes it when it goes.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~GdiObject() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using FontHandle = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

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

// The device context of a window (the whole screen for none), released when it goes.
class WindowDC {
 public:
  explicit WindowDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A device context made for us (in memory, of a printer), deleted when it goes.
class OwnedDC {
 public:
  explicit OwnedDC(HDC dc) : dc_(dc) {}
  ~OwnedDC() {
    if (dc_) DeleteDC(dc_);
  }
  OwnedDC(const OwnedDC&) = delete;
  OwnedDC& operator=(const OwnedDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A memory device context compatible with another.
class MemoryDC : public OwnedDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : OwnedDC(CreateCompatibleDC(compatibleWith)) {}
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
