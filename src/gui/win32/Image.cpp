#include "gui/win32/Image.h"

TImage::TImage(TWinControl& parent) { CreateCustom(L"VelmoraImage", WS_CHILD | WS_VISIBLE, 0, parent.Handle()); }

void TImage::SetIcon(Icon icon) {
  icon_ = std::move(icon);
  Invalidate();
}

void TImage::PaintWindow(HDC dc, const RECT& client) {
  if (icon_) DrawIconEx(dc, 0, 0, icon_.Get(), client.right, client.bottom, 0, nullptr, DI_NORMAL);
}

TBevel::TBevel(TWinControl& parent) {
  CreateHandle(L"STATIC", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 0, parent.Handle());
}
