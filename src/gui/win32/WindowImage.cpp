#include "gui/win32/WindowImage.h"

#include "gui/win32/GdiObjects.h"

ClientImage CaptureClientArea(HWND window) {
  // Paint what is pending first: the screen may not yet show the latest change.
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT client{};
  GetClientRect(window, &client);
  ClientImage image;
  image.Header.biSize = sizeof image.Header;
  image.Header.biWidth = client.right;
  image.Header.biHeight = client.bottom;
  image.Header.biPlanes = 1;
  image.Header.biBitCount = 24;
  image.Header.biCompression = BI_RGB;
  const WindowDC screen(window);
  const MemoryDC memory(screen.Get());
  const Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
  {
    const SelectionGuard selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, client.right, client.bottom, screen.Get(), 0, 0, SRCCOPY);
  }
  image.Pixels.resize(((client.right * 3 + 3) & ~3) * client.bottom);
  GetDIBits(memory.Get(), bitmap.Get(), 0, client.bottom, image.Pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&image.Header), DIB_RGB_COLORS);
  return image;
}
