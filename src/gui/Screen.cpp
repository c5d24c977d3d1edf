#include "gui/Screen.h"

#include "gui/GdiObjects.h"

DpiScale ScreenScale() {
  const WindowDC screen;
  return DpiScale(GetDeviceCaps(screen.Get(), LOGPIXELSY));
}
