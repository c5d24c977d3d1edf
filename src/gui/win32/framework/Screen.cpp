#include "gui/win32/framework/Screen.h"

#include "gui/win32/drawing/GdiObjects.h"

DpiScale ScreenScale() {
  const WindowDC screen;
  return DpiScale(GetDeviceCaps(screen.Get(), LOGPIXELSY));
}
