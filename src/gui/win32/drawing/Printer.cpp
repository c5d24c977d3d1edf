#include "gui/win32/drawing/Printer.h"

#include <stdexcept>
#include <vector>

#include "gui/win32/drawing/GdiObjects.h"
#include "gui/win32/drawing/WindowImage.h"
#include "win32/Files.h"
#include "win32/WideText.h"

#include <winspool.h>

namespace {

std::wstring DefaultPrinter() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return {};
  std::wstring name(size, L'\0');
  if (!GetDefaultPrinterW(name.data(), &size)) return {};
  name.resize(wcsnlen(name.c_str(), name.size()));
  return name;
}

}  // namespace

void PrintClientArea(HWND window, const std::string& jobTitle) {
  const std::wstring printer = DefaultPrinter();
  if (printer.empty()) throw std::runtime_error("There is no printer to print on. Install a printer and try again.");
  const ClientImage image = RenderClientArea(window);
  const OwnedDC dc(CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr));
  if (!dc.Get()) throw std::runtime_error("Cannot print: " + SystemMessage(GetLastError()));
  const WindowDC screen;
  const int width = MulDiv(image.Header.biWidth, GetDeviceCaps(dc.Get(), LOGPIXELSX), GetDeviceCaps(screen.Get(), LOGPIXELSX));
  const int height = MulDiv(image.Header.biHeight, GetDeviceCaps(dc.Get(), LOGPIXELSY), GetDeviceCaps(screen.Get(), LOGPIXELSY));

  const std::wstring title = Utf8ToWide(jobTitle);
  DOCINFOW document{sizeof document};
  document.lpszDocName = title.empty() ? nullptr : title.c_str();
  if (StartDocW(dc.Get(), &document) <= 0) throw std::runtime_error("Cannot print: " + SystemMessage(GetLastError()));
  bool printed = StartPage(dc.Get()) > 0;
  printed = printed && StretchDIBits(dc.Get(), 0, 0, width, height, 0, 0, image.Header.biWidth, image.Header.biHeight,
                                     image.Pixels.data(), reinterpret_cast<const BITMAPINFO*>(&image.Header),
                                     DIB_RGB_COLORS, SRCCOPY) != 0;
  printed = printed && EndPage(dc.Get()) > 0;
  if (!printed) {
    const DWORD error = GetLastError();
    AbortDoc(dc.Get());
    throw std::runtime_error("Cannot print: " + SystemMessage(error));
  }
  EndDoc(dc.Get());
}
