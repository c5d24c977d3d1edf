#include "Screenshot.h"

#include "gui/win32/WindowImage.h"
#include "win32/Handles.h"

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
