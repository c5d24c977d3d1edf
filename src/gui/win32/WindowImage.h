#pragma once

#include <vector>

#include "win32/WinApi.h"

// The pixels of a window's client area as the screen shows them, once pending paints
// are done: a 24-bit bottom-up device-independent bitmap.
struct ClientImage {
  BITMAPINFOHEADER Header{};
  std::vector<BYTE> Pixels;
};
ClientImage CaptureClientArea(HWND window);
