#pragma once

#include <vector>

#include "win32/WinApi.h"

// The pixels of a window's client area: a 24-bit bottom-up device-independent bitmap.
struct ClientImage {
  BITMAPINFOHEADER Header{};
  std::vector<BYTE> Pixels;
};

// A window's client area as the window draws itself: it and each visible child window
// draw into memory (WM_PRINTCLIENT), the children's frames and scroll bars drawn here,
// so neither what covers the window nor what lies beyond the screen's edge matters.
ClientImage RenderClientArea(HWND window);

// The pixels of a bitmap of that size.
ClientImage ImageOfBitmap(HDC dc, HBITMAP bitmap, int width, int height);
