#include "gui/win32/Button.h"

TButton::TButton(TWinControl& parent, std::string_view caption) {
  CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, parent.Handle(), caption);
}

void TButton::SetGlyph(const TGlyph* glyph) {
  glyph_ = glyph;
  SendMessageW(Handle(), BM_SETIMAGE, IMAGE_ICON,
               reinterpret_cast<LPARAM>(glyph ? glyph->Icon(Enabled()) : nullptr));
}

void TButton::Click() {
  if (Enabled() && Visible()) DoClick();
}

void TButton::CommandNotification(WORD code) {
  if (code == BN_CLICKED) DoClick();
}

LRESULT TButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENABLE && glyph_)  // the picture follows the state
    SendMessageW(Handle(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(glyph_->Icon(wParam != FALSE)));
  return TWinControl::WndProc(message, wParam, lParam);
}

void TButton::DoClick() {
  if (OnClick) OnClick(*this);
}

TSpeedButton::TSpeedButton(TWinControl& parent, const TGlyph& glyph) : glyph_(glyph) {
  CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, parent.Handle());
}

void TSpeedButton::Click() {
  if (Enabled() && Visible()) DoClick();
}

void TSpeedButton::CommandNotification(WORD code) {
  if (code == BN_CLICKED) DoClick();
}

void TSpeedButton::DoClick() {
  if (OnClick) OnClick(*this);
}

bool TSpeedButton::DrawItemNotification(const DRAWITEMSTRUCT& item) {
  RECT area = item.rcItem;
  FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
  const bool enabled = !(item.itemState & ODS_DISABLED);
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  if (enabled && pressed) DrawEdge(item.hDC, &area, BDR_SUNKENOUTER, BF_RECT);
  else if (enabled && hot_) DrawEdge(item.hDC, &area, BDR_RAISEDINNER, BF_RECT);
  const int shift = pressed ? 1 : 0;
  const int x = (area.right - area.left - glyph_.Width()) / 2 + shift;
  const int y = (area.bottom - area.top - glyph_.Height()) / 2 + shift;
  DrawIconEx(item.hDC, x, y, glyph_.Icon(enabled), glyph_.Width(), glyph_.Height(), 0, nullptr, DI_NORMAL);
  return true;
}

LRESULT TSpeedButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        Invalidate();
      }
      break;
    case WM_MOUSELEAVE:
      hot_ = false;
      Invalidate();
      break;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}
