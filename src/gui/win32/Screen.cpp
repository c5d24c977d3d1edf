#include "gui/win32/Screen.h"

#include "gui/win32/GdiObjects.h"

DpiScale ScreenScale() {
  const WindowDC screen;
  return DpiScale(GetDeviceCaps(screen.Get(), LOGPIXELSY));
}
