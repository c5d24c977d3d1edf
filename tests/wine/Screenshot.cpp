#include "Screenshot.h"

#include "gui/win32/GdiObjects.h"
#include "gui/win32/WindowImage.h"
#include "win32/Handles.h"

namespace {

// The client area as the screen shows it, once pending paints are done; the window
// may be another program's.
ClientImage CaptureClientArea(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT client{};
  GetClientRect(window, &client);
  const WindowDC screen(window);
  const MemoryDC memory(screen.Get());
  const Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
  {
    const SelectionGuard selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, client.right, client.bottom, screen.Get(), 0, 0, SRCCOPY);
  }
  return ImageOfBitmap(memory.Get(), bitmap.Get(), client.right, client.bottom);
}

}  // namespace

bool SaveClientScreenshot(HWND window, const std::wstring& path) {
  const ClientImage image = CaptureClientArea(window);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof image.Header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(image.Pixels.size());
  const FileHandle output(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!output) return false;
  DWORD written = 0;
  return WriteFile(output.Get(), &file, sizeof file, &written, nullptr) &&
         WriteFile(output.Get(), &image.Header, sizeof image.Header, &written, nullptr) &&
         WriteFile(output.Get(), image.Pixels.data(), static_cast<DWORD>(image.Pixels.size()), &written, nullptr);
}
