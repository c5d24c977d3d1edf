#include "gui/win32/framework/CustomControl.h"

#include <windowsx.h>

#include "gui/win32/drawing/GdiObjects.h"
#include "gui/win32/drawing/Win32Canvas.h"

TCustomControl::~TCustomControl() {
  for (TGraphicControl* control : graphics_) control->SetHost(nullptr);
}

void TCustomControl::CreateCustom(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent,
                                  std::string_view text, const TDesign& design) {
  CreateHandle(OwnWindowClass(className, CS_DBLCLKS, nullptr), style | WS_CLIPCHILDREN, exStyle, parent, text,
               design);
}

void TCustomControl::AddGraphic(TGraphicControl& control, const TDesign& design) {
  graphics_.push_back(&control);
  control.SetHost(this);
  Adopt(control, design);
  InvalidateControl(control);
}

void TCustomControl::InvalidateControl(TGraphicControl& control) {
  const RECT area{control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height()};
  InvalidateRect(Handle(), &area, FALSE);
}

bool TCustomControl::HoldsMouseFor(const TGraphicControl& control) const {
  return mouseControl_ == &control && GetCapture() == Handle();
}

LRESULT TCustomControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted with everything else, off-screen
    case WM_PAINT: {
      const PaintContext paint(Handle());
      Compose(paint.Get(), paint.Area());
      return 0;
    }
    case WM_PRINTCLIENT: {  // drawn as on the screen, into the DC given
      RECT client{};
      GetClientRect(Handle(), &client);
      Compose(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
      RouteMouse(message, wParam, lParam);
      break;
    case WM_CAPTURECHANGED:
      mouseControl_ = nullptr;
      break;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

void TCustomControl::Compose(HDC target, const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  // Compose the area in memory and put it on the target in one go.
  const MemoryDC memory(target);
  const Bitmap buffer(CreateCompatibleBitmap(target, width, height));
  const SelectionGuard bufferSelected(memory.Get(), buffer.Get());
  SetViewportOrgEx(memory.Get(), -area.left, -area.top, nullptr);
  {
    const Brush background(CreateSolidBrush(ColourRef(Color)));
    FillRect(memory.Get(), &area, background.Get());
  }
  RECT client{};
  GetClientRect(Handle(), &client);
  PaintWindow(memory.Get(), client);
  for (TGraphicControl* control : graphics_) {
    const RECT bounds{control->Left(), control->Top(), control->Left() + control->Width(),
                      control->Top() + control->Height()};
    RECT overlap;
    if (!IntersectRect(&overlap, &bounds, &area)) continue;
    const int saved = SaveDC(memory.Get());
    SetViewportOrgEx(memory.Get(), bounds.left - area.left, bounds.top - area.top, nullptr);
    IntersectClipRect(memory.Get(), 0, 0, control->Width(), control->Height());
    {
      TWin32Canvas canvas(memory.Get());
      control->Paint(canvas);
    }
    RestoreDC(memory.Get(), saved);
  }
  SetViewportOrgEx(memory.Get(), 0, 0, nullptr);
  BitBlt(target, area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

TGraphicControl* TCustomControl::GraphicAt(int x, int y) const {
  for (auto control = graphics_.rbegin(); control != graphics_.rend(); ++control)
    if ((*control)->Contains(x, y)) return *control;
  return nullptr;
}

void TCustomControl::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  TShiftState shift;
  shift.Shift = (wParam & MK_SHIFT) != 0;
  shift.Ctrl = (wParam & MK_CONTROL) != 0;
  if (message == WM_MOUSEMOVE) {
    if (TGraphicControl* control = mouseControl_) control->MouseMove(shift, x - control->Left(), y - control->Top());
    return;
  }
  TMouseButton button = TMouseButton::Left;
  if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP || message == WM_RBUTTONDBLCLK)
    button = TMouseButton::Right;
  else if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP || message == WM_MBUTTONDBLCLK)
    button = TMouseButton::Middle;

  const bool release = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
  if (release) {
    TGraphicControl* control = mouseControl_;
    // Let go first: what the release starts (a dialog, say) must not find the mouse held.
    if (GetCapture() == Handle()) ReleaseCapture();  // clears mouseControl_
    if (control) control->MouseUp(button, shift, x - control->Left(), y - control->Top());
    return;
  }
  TGraphicControl* control = GraphicAt(x, y);
  if (!control) return;
  SetCapture(Handle());
  mouseControl_ = control;
  shift.Double = message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
  control->MouseDown(button, shift, x - control->Left(), y - control->Top());
  if (message == WM_LBUTTONDBLCLK) control->DblClick();
}
