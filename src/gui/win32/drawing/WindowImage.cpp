#include "gui/win32/drawing/WindowImage.h"

#include <algorithm>

#include "gui/win32/drawing/GdiObjects.h"

namespace {

// A rectangle of the screen in the client coordinates of `top`.
RECT InClientOf(HWND top, RECT screen) {
  MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&screen), 2);
  return screen;
}

RECT ClientRectIn(HWND top, HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, top, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

// A scroll bar as the system draws one: arrow buttons, the track, the thumb.
void DrawScrollBar(HDC dc, HWND top, HWND window, LONG which) {
  SCROLLBARINFO info{sizeof info};
  if (!GetScrollBarInfo(window, which, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
  const RECT bar = InClientOf(top, info.rcScrollBar);
  FillRect(dc, &bar, GetSysColorBrush(COLOR_SCROLLBAR));
  const bool vertical = which == OBJID_VSCROLL;
  const bool unavailable = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
  const UINT inactive = unavailable ? DFCS_INACTIVE : 0;
  // Arrows are as long as the bar is thick, or half the bar when it is short (Wine's
  // dxyLineButton holds the thumb's length).
  const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
  const int button = std::min(GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL), length / 2);
  RECT first = bar, last = bar, thumb = bar;
  if (vertical) {
    first.bottom = bar.top + button;
    last.top = bar.bottom - button;
    thumb.top = bar.top + info.xyThumbTop;
    thumb.bottom = bar.top + info.xyThumbBottom;
  } else {
    first.right = bar.left + button;
    last.left = bar.right - button;
    thumb.left = bar.left + info.xyThumbTop;
    thumb.right = bar.left + info.xyThumbBottom;
  }
  DrawFrameControl(dc, &first, DFC_SCROLL, (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive);
  DrawFrameControl(dc, &last, DFC_SCROLL, (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive);
  if (!unavailable && info.xyThumbBottom > info.xyThumbTop) DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

// What lies between a child's outer bounds and its client area: its border and its
// scroll bars, which it leaves to the system to draw.
void DrawFrame(HDC dc, HWND top, HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  outer = InClientOf(top, outer);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  if (exStyle & WS_EX_CLIENTEDGE)
    DrawEdge(dc, &outer, EDGE_SUNKEN, BF_RECT);
  else if (exStyle & WS_EX_STATICEDGE)
    DrawEdge(dc, &outer, BDR_SUNKENOUTER, BF_RECT);
  else if (style & WS_BORDER)
    FrameRect(dc, &outer, GetSysColorBrush(COLOR_WINDOWFRAME));
  DrawScrollBar(dc, top, window, OBJID_VSCROLL);
  DrawScrollBar(dc, top, window, OBJID_HSCROLL);
}

// Draws `window` at its place in `top`'s client area, only where `visible` (its
// parent's part shown) lets it, then its visible children from the bottom of the
// z-order up. Each draws in a bitmap of its own over what lies beneath it: controls
// take the device context's origin for their own (Wine's clip to their client area).
void DrawWithChildren(HDC canvas, HWND top, HWND window, const RECT& visible) {
  if (window != top) {
    const int saved = SaveDC(canvas);
    IntersectClipRect(canvas, visible.left, visible.top, visible.right, visible.bottom);
    DrawFrame(canvas, top, window);
    RestoreDC(canvas, saved);
  }
  const RECT client = ClientRectIn(top, window);
  RECT shown{};
  if (!IntersectRect(&shown, &client, &visible)) return;
  {
    const int width = client.right - client.left, height = client.bottom - client.top;
    const MemoryDC own(canvas);
    const Bitmap bitmap(CreateCompatibleBitmap(canvas, width, height));
    const SelectionGuard selected(own.Get(), bitmap.Get());
    BitBlt(own.Get(), 0, 0, width, height, canvas, client.left, client.top, SRCCOPY);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(own.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    BitBlt(canvas, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top, own.Get(),
           shown.left - client.left, shown.top - client.top, SRCCOPY);
  }
  if (HWND topmost = GetWindow(window, GW_CHILD))
    for (HWND child = GetWindow(topmost, GW_HWNDLAST); child; child = GetWindow(child, GW_HWNDPREV))
      if (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) DrawWithChildren(canvas, top, child, shown);
}

}  // namespace

ClientImage ImageOfBitmap(HDC dc, HBITMAP bitmap, int width, int height) {
  ClientImage image;
  image.Header.biSize = sizeof image.Header;
  image.Header.biWidth = width;
  image.Header.biHeight = height;
  image.Header.biPlanes = 1;
  image.Header.biBitCount = 24;
  image.Header.biCompression = BI_RGB;
  image.Pixels.resize(((width * 3 + 3) & ~3) * height);
  GetDIBits(dc, bitmap, 0, height, image.Pixels.data(), reinterpret_cast<BITMAPINFO*>(&image.Header),
            DIB_RGB_COLORS);
  return image;
}

ClientImage RenderClientArea(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const WindowDC screen;
  const MemoryDC memory(screen.Get());
  const Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
  {
    const SelectionGuard selected(memory.Get(), bitmap.Get());
    FillRect(memory.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    DrawWithChildren(memory.Get(), window, window, client);
  }
  return ImageOfBitmap(memory.Get(), bitmap.Get(), client.right, client.bottom);
}
