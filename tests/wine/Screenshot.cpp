#include "Screenshot.h"

#include <vector>

#include "gui/win32/GdiObjects.h"
#include "win32/Handles.h"

bool SaveClientScreenshot(HWND window, const std::wstring& path) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;
  const WindowDC screen(window);
  const MemoryDC memory(screen.Get());
  const Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
  {
    const SelectionGuard selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY);
  }
  BITMAPINFOHEADER info{sizeof info};
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const DWORD rowSize = (width * 3 + 3) & ~3u;
  std::vector<BYTE> pixels(rowSize * height);
  GetDIBits(memory.Get(), bitmap.Get(), 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  const FileHandle output(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!output) return false;
  DWORD written = 0;
  return WriteFile(output.Get(), &file, sizeof file, &written, nullptr) &&
         WriteFile(output.Get(), &info, sizeof info, &written, nullptr) &&
         WriteFile(output.Get(), pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
}
