#include "gui/win32/controls/Image.h"

#include "gui/win32/drawing/IconPicture.h"

TImage::TImage(TWinControl& parent, const TDesign& design) {
  CreateCustom(L"VelmoraImage", WS_CHILD | WS_VISIBLE, 0, parent.Handle(), {}, design);
}

void TImage::SetIcon(Icon icon) {
  icon_ = std::move(icon);
  Invalidate();
}

void TImage::SetPicture(std::unique_ptr<TPicture> picture) {
  if (auto* icon = dynamic_cast<TIconPicture*>(picture.get())) SetIcon(icon->Take());
}

void TImage::PaintWindow(HDC dc, const RECT& client) {
  if (icon_) DrawIconEx(dc, 0, 0, icon_.Get(), client.right, client.bottom, 0, nullptr, DI_NORMAL);
}

TBevel::TBevel(TWinControl& parent, const TDesign& design) {
  CreateHandle(L"STATIC", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 0, parent.Handle(), {}, design);
}
